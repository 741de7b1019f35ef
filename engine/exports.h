#pragma once
#include <cstdint>

// The engine's exports with behaviour, for programs that link the engine instead of loading
// QZ3D15.so. Every argument by reference; strings are automation strings.
extern "C" {

int32_t INITVASKELL(const int32_t* dc, char* const* headerName, const int32_t* width, const int32_t* height);
int32_t DRAWQZ(const int32_t* dc);
int32_t MOVEVIEWER(const int32_t* side, const int32_t* forward, const int32_t* dz);
int32_t TURNVIEWER(const int32_t* change);
int32_t FORWARD();
int32_t JUMPVIEWER(const int32_t* x, const int32_t* y, const int32_t* z, const int32_t* angle);
int32_t FINDAREA();
// The caller owns the returned string and frees it with SysFreeString.
char* FINDAREANAME(const int32_t* index);
int32_t SETWALLTXR(const int32_t* node, const int32_t* texture);
int32_t FLUSHVASKELL();

}  // extern "C"
