#pragma once
#include "format/map_records.h"

namespace qzedit {

// The map's records are the map file's own.
using mapfile::BspNode;
using mapfile::FixedText16;
using mapfile::MapGlobals;
using mapfile::Wall;
using mapfile::Area;
using mapfile::Viewpoint;
using mapfile::kWallAnimated;
using mapfile::kWallHorzCycle;
using mapfile::kWallMultiTexture;
using mapfile::kWallSkyCeiling;
using mapfile::kWallTransparent;
using mapfile::kWallVertCycle;

}  // namespace qzedit
