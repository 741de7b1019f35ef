#include <cstdint>

// The record database's exports. This build has no database: every call accepts its arguments
// (numbers and automation strings by reference), leaves them as they are and answers 0 or the
// empty string (a null string).

#define ZURA_EXPORT extern "C" __attribute__((visibility("default")))

ZURA_EXPORT int32_t QZCREATEDATABASE(char**, char**, char**, int32_t*) { return 0; }
ZURA_EXPORT int32_t QZOPENDATABASE(char**, char**) { return 0; }
ZURA_EXPORT int32_t CLOSEDB(int32_t*) { return 0; }
ZURA_EXPORT int32_t QZADDRECORD(int32_t*) { return 0; }
ZURA_EXPORT int32_t QZREADRECORD(int32_t*) { return 0; }
ZURA_EXPORT int32_t QZUPDATERECORD(int32_t*) { return 0; }
ZURA_EXPORT int32_t QZDELETERECORD(int32_t*, int32_t*) { return 0; }
ZURA_EXPORT int32_t QZGOTORECORD(int32_t*, int32_t*) { return 0; }
ZURA_EXPORT int32_t QZCURRECNUM(int32_t*) { return 0; }
ZURA_EXPORT int32_t QZBOF(int32_t*) { return 0; }
ZURA_EXPORT int32_t QZEOF(int32_t*) { return 0; }
ZURA_EXPORT int32_t QZMOVENEXT(int32_t*) { return 0; }
ZURA_EXPORT int32_t QZMOVEPREVIOUS(int32_t*) { return 0; }
ZURA_EXPORT int32_t QZFINDFIRST(int32_t*, char**) { return 0; }
ZURA_EXPORT int32_t QZFINDNEXT(int32_t*) { return 0; }
ZURA_EXPORT char* QZGETVAL(int32_t*, char**) { return nullptr; }
ZURA_EXPORT char* QZGETVALINDEX(int32_t*, int32_t*) { return nullptr; }
ZURA_EXPORT int32_t QZSETVAL(int32_t*, char**, char**) { return 0; }
ZURA_EXPORT int32_t QZSETVALINDEX(int32_t*, int32_t*, char**) { return 0; }
ZURA_EXPORT int32_t EDITRECORD(int32_t*) { return 0; }
