#include "engine/initialisation.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

#include "engine/bitmap_layout.h"
#include "engine/engine_state.h"
#include "engine/header_file.h"
#include "engine/memory_log.h"
#include "engine/renderer.h"
#include "engine/saturating.h"
#include "engine/settings.h"
#include "engine/texture_loaders.h"
#include "engine/world_loader.h"
#include "platform/files.h"
#include "platform/gdi.h"
#include "platform/message_box.h"

namespace engine {

namespace {

constexpr int32_t kDefaultWidth = 640;
constexpr int32_t kDefaultHeight = 320;
constexpr int32_t kMaxScreenWidth = 8192;
constexpr int32_t kCreatureSize = 72;
constexpr double kCreatureAhead = 200.0;

TextureRef checkerboardRef() { return {state().checkerboard, state().checkerboard ? kCheckerboardBytes : 0}; }

const std::string& entryOf(const std::vector<std::string>& names, size_t index)
{
    static const std::string none;
    return index < names.size() ? names[index] : none;
}

void setScreenSizes(EngineState& s)
{
    if (s.screenWidth == 0) {
        s.screenWidth = kDefaultWidth;
        s.screenHeight = kDefaultHeight;
    }
    s.halfWidth = static_cast<int32_t>(std::nearbyint(s.screenWidth / 2.0));
    s.halfHeight = static_cast<int32_t>(std::nearbyint(s.screenHeight / 2.0));
    s.focalLength = s.halfWidth;
    s.leftLimit = -s.halfWidth;
    s.rightLimit = s.halfWidth;
    s.pixelCount = s.screenWidth * s.screenHeight;
    s.lastRowOffset = (s.screenHeight - 1) * s.screenWidth;
    for (int32_t y = 0; y < s.screenHeight; ++y) s.rowOffset[static_cast<size_t>(y)] = y * s.screenWidth;
}

void resetPerInitialisation(EngineState& s)
{
    s.gravity = 0;
    s.walkStep = 20;
    s.walkStepFast = 40;
    s.turnStep = 4;
    s.turnStepFast = 8;
    auto columns = static_cast<size_t>(s.screenWidth) + 1;
    s.clipTop.assign(columns, 0);
    s.clipBottom.assign(columns, 0);
    s.deferred.assign(columns, DeferredColumn {});
    s.deferredCount = 0;
    s.animPhase = 0.0f;
    s.animInc = 0.1f;
    s.paletteName = "palette.bmp";
    s.numAnim = 0;
    s.animFrameCount = 0;
    s.numCreatures = 0;
}

void sizeTextureLists(EngineState& s)
{
    auto sized = [&s](std::vector<const uint8_t*>& list, int16_t count) {
        list.assign(static_cast<size_t>(std::max<int16_t>(count, 0)), s.checkerboard);
    };
    sized(s.wallTextures, s.numWalls);
    sized(s.flatTextures, s.numFloors);
    sized(s.objectTextures, s.numObjects);
    sized(s.animTextures, s.numAnim);
}

bool reserveScreenBuffer(EngineState& s)
{
    int64_t bytes = int64_t(s.screenWidth) * s.screenHeight + 110;
    if (bytes > std::numeric_limits<int32_t>::max()) return false;
    try {
        s.screenBuffer.assign(static_cast<size_t>(bytes), 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    s.screenBufferHeld = true;
    return true;
}

bool createFrameBitmap(EngineState& s, uint32_t dc)
{
    qz::BITMAPINFO info {};
    info.bmiHeader = {40, s.screenWidth, -s.screenHeight, 1, 8, qz::kBiRgb, 0, 0, 0, 256, 256};
    for (size_t i = 0; i < 256; ++i) {
        const auto& bgr = s.paletteTable[i];
        info.bmiColors[i] = {bgr[0], bgr[1], bgr[2], 0};
    }
    void* bits = nullptr;
    qz::Handle bitmap = CreateDIBSection(dc, &info, qz::kDibRgbColors, &bits, 0, 0);
    if (bitmap == 0) return false;
    s.bitmapHandle = bitmap;
    s.frameBuffer = static_cast<uint8_t*>(bits);
    return true;
}

const uint8_t* skyFallback(EngineState& s)
{
    if (!s.skyFallback.data) {
        if (uint8_t* block = reserveBlock(kSkyBytes)) {
            fillSkyCheckerboard(block);
            s.skyFallback = {block, kSkyBytes};
        }
    }
    return s.skyFallback.data;
}

void loadFlats(EngineState& s)
{
    for (size_t k = 0; k < s.flatTextures.size(); ++k) {
        LoadFlatImage(ImageKind::Floor, entryOf(s.floorNames, k), kFlatBytes);
        s.flatTextures[k] = s.lastFloor.data;
    }
    if (!s.skyName.empty()) {
        LoadFlatImage(ImageKind::Ceiling, s.skyName, kSkyBytes);
        s.skyImage = s.lastCeiling.size >= kSkyBytes ? s.lastCeiling.data : skyFallback(s);
    } else if (!s.skyImage) {
        s.skyImage = skyFallback(s);
    }
    LoadFlatImage(ImageKind::Ceiling, entryOf(s.ceilingNames, 0), 0);
    s.ceilingImage = s.lastCeiling.data;
}

void loadObjects(EngineState& s)
{
    for (size_t k = 0; k < s.objectTextures.size(); ++k) {
        LoadFlatImage(ImageKind::Object, entryOf(s.objectNames, k), 0);
        s.objectTextures[k] = s.lastObject.data;
    }
}

}  // namespace

// The count is an Integer: higher numbers are left to the renderer's fallback.
void raiseWallCountToMap(EngineState& s)
{
    if (s.highestWallTexture <= s.numWalls) return;
    s.numWalls = static_cast<int16_t>(std::min<int32_t>(s.highestWallTexture, std::numeric_limits<int16_t>::max()));
    if (s.wallNames.size() < static_cast<size_t>(s.numWalls)) s.wallNames.resize(static_cast<size_t>(s.numWalls));
    s.wallTextures.resize(static_cast<size_t>(s.numWalls), s.checkerboard);
}

namespace {

void loadWallTextures(std::vector<const uint8_t*>& list, const std::vector<std::string>& names)
{
    for (size_t k = 0; k < list.size(); ++k) {
        LoadWallTexture(entryOf(names, k));
        list[k] = state().lastWall.data;
    }
}

void fillMultiTextureSet(EngineState& s)
{
    for (size_t i = 0; i < 4; ++i) s.animationSets[0][i] = i < s.wallTextures.size() ? s.wallTextures[i] : s.checkerboard;
}

// A new initialisation replaces the world whole: the texture blocks, the frame bitmap and the
// palette of the one before go, so a host that initialises again and again does not grow. A
// bitmap or palette still selected into a host's context is deleted at a later initialisation,
// once the host has selected the new one.
void releaseEarlierWorld(EngineState& s)
{
    for (uint32_t handle : {s.bitmapHandle, s.paletteHandle})
        if (handle != 0) s.retiredHandles.push_back(handle);
    std::erase_if(s.retiredHandles, [](uint32_t handle) { return DeleteObject(handle) != 0; });
    s.bitmapHandle = 0;
    s.paletteHandle = 0;
    s.frameBuffer = nullptr;
    s.wallTextures.clear();
    s.flatTextures.clear();
    s.animTextures.clear();
    s.objectTextures.clear();
    s.animationSets = {};
    s.skyImage = nullptr;
    s.ceilingImage = nullptr;
    s.checkerboard = nullptr;
    s.lastWall = s.lastFloor = s.lastCeiling = s.lastObject = s.skyFallback = TextureRef {};
    s.blocks.clear();
}

void appendCreatureSlot(EngineState& s)
{
    if (s.numCreatures < 0 || s.numCreatures >= kCreatureSlots) return;
    int32_t* slot = s.creatures[static_cast<size_t>(s.numCreatures)].values;
    slot[2] = saturatingLong(s.viewX);
    slot[3] = saturatingLong(s.viewY + kCreatureAhead);
    slot[4] = s.eyeZ;
    slot[5] = kCreatureSize;
    ++s.numCreatures;
}

}  // namespace

void fillAngleTables(EngineState& s)
{
    for (size_t i = 0; i < s.sinTable.size(); ++i) {
        double angle = static_cast<double>(i) * 8.0 * std::atan(1.0) / 128.0;
        s.sinTable[i] = std::sin(angle);
        s.cosTable[i] = std::cos(angle);
    }
}

std::optional<std::string> frameSizeFault(int32_t width, int32_t height)
{
    if (width == 0) return std::nullopt;
    if (width >= 1 && width <= kMaxScreenWidth && height >= 1 && height <= kMaxScreenHeight) return std::nullopt;
    return "Cannot draw a frame of " + std::to_string(width) + " x " + std::to_string(height) +
           " pixels: the engine draws 1 to " + std::to_string(kMaxScreenWidth) + " columns and 1 to " +
           std::to_string(kMaxScreenHeight) + " rows.";
}

bool commonInitialise(const std::string& headerName, uint32_t dc)
{
    EngineState& s = state();
    s.engineReady = false;
    releaseEarlierWorld(s);
    s.settingsPath = qz::inCurrentDirectory("qz3d.ini");
    memoryLog().open(qz::inCurrentDirectory("memUse.log"));
    fillAngleTables(s);
    setScreenSizes(s);
    resetPerInitialisation(s);
    BuildCheckerboard();
    s.lastWall = s.lastFloor = s.lastCeiling = s.lastObject = checkerboardRef();

    std::string settingsText = readNamedText(s.settingsPath);
    s.headerPath = chooseHeaderPath(headerName, settingsText);
    readDisplayFlags(settingsText);
    readHeaderFile(s.headerPath);
    sizeTextureLists(s);
    LoadPalette(s.paletteName);

    if (!reserveScreenBuffer(s) || !createFrameBitmap(s, dc)) {
        qz::messageBox("Cannot allocate screen buffer memory.", "Mem Allocate Error", qz::kMsgCritical);
        memoryLog().close();
        return false;
    }
    if (s.frameOutput) s.frameOutput->attach(dc);

    LoadWorld(s.mapName);
    LoadOverlays();
    loadFlats(s);
    loadObjects(s);
    raiseWallCountToMap(s);
    loadWallTextures(s.wallTextures, s.wallNames);
    fillMultiTextureSet(s);
    loadWallTextures(s.animTextures, s.animNames);
    s.animFrameCount = s.numAnim;
    if (s.showSnow != 0) SeedSnow();
    appendCreatureSlot(s);
    memoryLog().writeSummaryAndClose();
    return true;
}

}  // namespace engine
