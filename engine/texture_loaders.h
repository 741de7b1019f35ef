#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The loaders of the palette and texture bitmaps. Files are opened in the current directory (the
// header's folder during initialisation); names come from the header and may be Windows names.
// Each loaded file is accounted in memUse.log. A missing file is reported in a "Load Error" box.
namespace engine {

enum class ImageKind { Floor, Ceiling, Object };

// The bytes of a file named by a header or map, or nothing when it is missing or unreadable.
std::optional<std::vector<uint8_t>> readNamedFile(const std::string& name);

// A new block that lives as long as the process, filled with zeros; null when memory is short.
uint8_t* reserveBlock(size_t size);

bool BuildCheckerboard();
bool LoadPalette(const std::string& name);
// The block (or the checkerboard) becomes state().lastWall.
bool LoadWallTexture(const std::string& name);
// The block becomes the kind's last image; layoutBytes is the size its users read.
bool LoadFlatImage(ImageKind kind, const std::string& name, size_t layoutBytes);
void LoadOverlays();

}  // namespace engine
