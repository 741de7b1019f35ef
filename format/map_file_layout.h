#pragma once
#include <cstdint>

#include "format/map_records.h"
#include "platform/bytes.h"

// The packed little-endian layout of the binary map file: a 64-byte header, the wall, viewpoint,
// area and globals blocks, and a directory of 64-byte entries. Positions are 1-based.
namespace mapfile {

inline constexpr char kMagic[4] = {'Q', 'Z', '3', 'D'};
inline constexpr int32_t kVersion = 146;
inline constexpr int kHeaderSize = 64;
inline constexpr int kEntryCountOffset = 8;
inline constexpr int kDirectoryPositionOffset = 12;
inline constexpr int kEntrySize = 64;
inline constexpr int kWallHeadSize = 26;
inline constexpr int kCountHeadSize = 4;
inline constexpr int kWallRecordSize = 148;
inline constexpr int kViewpointRecordSize = 64;
inline constexpr int kAreaRecordSize = 90;
inline constexpr int kGlobalRecordSize = 64;

inline constexpr int32_t kBlockWalls = 1;
inline constexpr int32_t kBlockViewpoints = 2;
inline constexpr int32_t kBlockAreas = 3;
inline constexpr int32_t kBlockGlobals = 4;
inline constexpr int32_t kBlockCompiledWalls = 8;

void writeWall(qz::ByteWriter& out, const Wall& w);
void writeViewpoint(qz::ByteWriter& out, const Viewpoint& v);
void writeArea(qz::ByteWriter& out, const Area& a);
void writeGlobal(qz::ByteWriter& out, const MapGlobals& g);

// Reads one record; fields that are not stored (length, nextLineseg) are left as they were.
void readWall(qz::ByteReader& in, Wall& w);
void readViewpoint(qz::ByteReader& in, Viewpoint& v);
void readArea(qz::ByteReader& in, Area& a);
void readGlobal(qz::ByteReader& in, MapGlobals& g);

}  // namespace mapfile
