#include <cstdint>

#include "engine/export_macro.h"

// Exports of a wider game interface that this engine does not have: they accept their arguments,
// change nothing and return 0, so hosts written for that interface keep working.

QZ_EXPORT int32_t ADDCEILING(int32_t*, int32_t*, int32_t*, int32_t*, int32_t*) { return 0; }
QZ_EXPORT int32_t ADDDOOR(int32_t*, int32_t*, int32_t*, int32_t*) { return 0; }
QZ_EXPORT int32_t ADDOBJECT(int32_t*, int32_t*, int32_t*, int32_t*) { return 0; }
QZ_EXPORT int32_t ADDWALL(int32_t*, int32_t*, int32_t*, int32_t*) { return 0; }
QZ_EXPORT int32_t DELETECEILING(int32_t*, int32_t*, int32_t*, int32_t*) { return 0; }
QZ_EXPORT int32_t DELETEDOOR(int32_t*, int32_t*, int32_t*) { return 0; }
QZ_EXPORT int32_t DELETEOBJ(int32_t*, int32_t*, int32_t*) { return 0; }
QZ_EXPORT int32_t DELETEWALL(int32_t*, int32_t*, int32_t*) { return 0; }
QZ_EXPORT int32_t SETCHARACTERPOSITION(int32_t*, int32_t*, int32_t*, int32_t*) { return 0; }
QZ_EXPORT int32_t SETCREATUREPOSITION(int32_t*, int32_t*, int32_t*, int32_t*, int32_t*, int32_t*) { return 0; }
QZ_EXPORT int32_t SETFLOORCEILINGCOLOR(int32_t*, int32_t*) { return 0; }
QZ_EXPORT int32_t TURNLEFT(int32_t*) { return 0; }
QZ_EXPORT int32_t TURNRIGHT(int32_t*) { return 0; }
QZ_EXPORT int32_t HITINFRONT(int32_t*) { return 0; }
QZ_EXPORT int32_t COUNTCREATURES() { return 0; }
QZ_EXPORT int32_t FLUSHCREATURES() { return 0; }
QZ_EXPORT int32_t GETXPOS() { return 0; }
QZ_EXPORT int32_t GETYPOS() { return 0; }
QZ_EXPORT int32_t DRAWFRAME() { return 0; }
QZ_EXPORT int32_t DRAWMAPFRAME() { return 0; }
