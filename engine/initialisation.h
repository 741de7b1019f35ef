#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "engine/engine_state.h"

namespace engine {

// sin and cos of i / 128 of a turn, i = 0 .. 128.
void fillAngleTables(EngineState& s);

// The initialisation shared by hosts and the own viewer, for the frame size already set in the
// state: tables, settings, header, palette, frame bitmap, world and textures. False when it
// stopped because the screen buffer could not be reserved (the engine then stays not ready).
bool commonInitialise(const std::string& headerName, uint32_t dc);

// Texture numbers the map uses beyond the header's list get entries with empty names, so they
// show the checkerboard.
void raiseWallCountToMap(EngineState& s);

// Why a frame of width x height cannot be drawn, or nothing. Width 0 asks for 640 x 320. The
// per-row tables hold 321 rows.
std::optional<std::string> frameSizeFault(int32_t width, int32_t height);

}  // namespace engine
