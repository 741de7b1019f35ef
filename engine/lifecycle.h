#pragma once
#include <cstdint>
#include <string>

// What the exports with behaviour do, in C++ terms; exports.cpp only unpacks their arguments.
namespace engine {

// Initialises the engine for a host window and draws the first frame. Returns the frame bitmap's
// handle, or -1 for an empty header name, a frame size the engine cannot draw (reported) or a
// failed screen-buffer reservation.
int32_t initVaskell(uint32_t dc, const std::string& headerName, int32_t width, int32_t height);

// Renders a frame when the engine is ready; returns the bitmap handle either way.
int32_t drawQZ(uint32_t dc);

// Frees the screen-buffer block of the initialisation; beeps when there is none to free.
int32_t flushVaskell();

// Sets a node's wall texture (a node index outside the table is ignored).
int32_t setWallTexture(int32_t node, int32_t texture);

}  // namespace engine
