#include <cstdint>

// The BASIC interpreter's export. This build has no interpreter: a program (a number and an
// automation string by reference) runs to no output, the empty string (a null string).

extern "C" __attribute__((visibility("default"))) char* BASICEXECUTE(int32_t*, char**) { return nullptr; }
