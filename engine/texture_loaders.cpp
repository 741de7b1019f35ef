#include "engine/texture_loaders.h"

#include <new>

#include "engine/bitmap_layout.h"
#include "engine/engine_state.h"
#include "engine/memory_log.h"
#include "platform/files.h"
#include "platform/message_box.h"

namespace engine {

namespace {

void reportLoadError(const std::string& text) { qz::messageBox(text, "Load Error", qz::kMsgCritical); }

TextureRef checkerboardRef() { return {state().checkerboard, state().checkerboard ? kCheckerboardBytes : 0}; }

struct KindTexts {
    const char* label;
    const char* missing;
};

KindTexts textsOf(ImageKind kind)
{
    switch (kind) {
    case ImageKind::Floor: return {"Floor - ", "Missing floor: "};
    case ImageKind::Ceiling: return {"Ceiling - ", "Missing ceiling: "};
    case ImageKind::Object: break;
    }
    return {"Object - ", "Missing object: "};
}

TextureRef& lastImageOf(ImageKind kind)
{
    EngineState& s = state();
    switch (kind) {
    case ImageKind::Floor: return s.lastFloor;
    case ImageKind::Ceiling: return s.lastCeiling;
    case ImageKind::Object: break;
    }
    return s.lastObject;
}

// Reserves the block for a file, accounts it and copies its pixels; null when memory is short.
uint8_t* loadBlock(const std::vector<uint8_t>& file, const std::string& accountText, size_t layoutBytes,
                   size_t& blockSize)
{
    blockSize = blockSizeFor(file.size(), layoutBytes);
    uint8_t* block = reserveBlock(blockSize);
    if (!block) {
        qz::beep();
        return nullptr;
    }
    memoryLog().account(accountText, static_cast<int64_t>(file.size() + kBlockOverhead));
    copyPixels(file, block);
    return block;
}

}  // namespace

std::optional<std::vector<uint8_t>> readNamedFile(const std::string& name)
{
    std::string path = qz::resolveFileName(name);
    if (path.empty()) return std::nullopt;
    return qz::readFileBytes(path);
}

uint8_t* reserveBlock(size_t size)
{
    try {
        return state().blocks.emplace_back(size, 0).data();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

bool BuildCheckerboard()
{
    memoryLog().account("Checkboard - ", static_cast<int64_t>(kCheckerboardBytes));
    uint8_t* block = reserveBlock(kCheckerboardBytes);
    if (!block) {
        reportLoadError("Allocation of CheckBoard error.");
        return false;
    }
    fillCheckerboard(block);
    state().checkerboard = block;
    return true;
}

bool LoadPalette(const std::string& name)
{
    auto file = readNamedFile(name);
    if (!file) {
        reportLoadError("Missing Pallete: " + name);
        return false;
    }
    memoryLog().account("Palette - " + name + " - ", static_cast<int64_t>(file->size() + kBlockOverhead));
    readPaletteColours(*file, state().paletteTable, state().logicalPalette);
    return true;
}

bool LoadWallTexture(const std::string& name)
{
    EngineState& s = state();
    auto file = readNamedFile(name);
    if (!file) {
        reportLoadError("Missing wall: " + name);
        s.lastWall = checkerboardRef();
        return false;
    }
    size_t size = 0;
    uint8_t* block = loadBlock(*file, "Wall - " + name + " - ", kWallTextureBytes, size);
    if (!block) return false;
    transposeWallTexture(block);
    s.lastWall = {block, size};
    return true;
}

bool LoadFlatImage(ImageKind kind, const std::string& name, size_t layoutBytes)
{
    KindTexts texts = textsOf(kind);
    TextureRef& last = lastImageOf(kind);
    auto file = readNamedFile(name);
    if (!file) {
        reportLoadError(texts.missing + name);
        if (kind != ImageKind::Object) last = checkerboardRef();
        return false;
    }
    size_t size = 0;
    uint8_t* block = loadBlock(*file, texts.label + name + " - ", layoutBytes, size);
    if (!block) return false;
    last = {block, size};
    return true;
}

void LoadOverlays()
{
    EngineState& s = state();
    for (auto& image : s.overlayImages) image.clear();
    std::string first = s.overlayNames.size() > 0 ? s.overlayNames[0] : std::string();
    auto file = readNamedFile(first);
    if (!file) {
        reportLoadError("Missing Gun: " + first);
        return;
    }
    memoryLog().account("Overlay - " + first + " - ", static_cast<int64_t>(file->size() + kBlockOverhead));
    s.overlayImages[0] = overlayFromFile(*file);
    std::string second = s.overlayNames.size() > 1 ? s.overlayNames[1] : std::string();
    if (auto secondFile = readNamedFile(second)) s.overlayImages[1] = overlayFromFile(*secondFile);
}

}  // namespace engine
