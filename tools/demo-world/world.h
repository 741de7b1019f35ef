#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "format/engine_header.h"
#include "tools/demo-world/indexed_image.h"

namespace qzdemo {

enum class AssetKind { PaletteSwatches, Wall, Flat, Sky, Overlay };

// One bitmap of the world, as it is written (overlays already in the engine's column layout).
struct WorldImage {
    std::string file;
    AssetKind kind;
    IndexedImage image;
};

struct DemoWorld {
    std::vector<WorldImage> images;
    headerfile::HeaderContents header;  // with the demo map; the preview header differs in the map only
};

inline constexpr const char* kDemoHeader = "demo.hdr";
inline constexpr const char* kDemoMap = "demo.mpb";
inline constexpr const char* kPreviewHeader = "scratch.hdr";
inline constexpr const char* kPreviewMap = "scratch.mpb";

DemoWorld buildDemoWorld();

struct OutputFile {
    std::string name;
    std::vector<uint8_t> bytes;
};

// Every file of the world: the bitmaps, then the demo and preview headers.
std::vector<OutputFile> worldFiles(const DemoWorld& world);

}  // namespace qzdemo
