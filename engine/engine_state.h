#pragma once
#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "engine/frame_output.h"
#include "format/map_records.h"
#include "platform/gdi.h"

// The engine's one global state. Everything the exports, loaders, renderer and movement share
// lives here; there is exactly one engine per process.
namespace engine {

inline constexpr int32_t kMaxNodes = 2001;
inline constexpr int32_t kMaxAreas = 2001;
inline constexpr int32_t kMaxViewpoints = 2001;
inline constexpr int32_t kMaxGlobals = 2001;
inline constexpr int32_t kMaxScreenHeight = 321;
inline constexpr int32_t kSnowFlakes = 1000;
inline constexpr int32_t kCreatureSlots = 11;
inline constexpr int32_t kAnimationSets = 11;

inline constexpr int32_t kWallTextureBytes = 128 * 128;
inline constexpr int32_t kFlatBytes = 64 * 64;
inline constexpr int32_t kSkyWidth = 1280;
inline constexpr int32_t kSkyHeight = 200;
inline constexpr int32_t kSkyBytes = kSkyWidth * kSkyHeight;
inline constexpr int32_t kOverlayRuns = 114;
inline constexpr int32_t kOverlayRunBytes = 64;

// partFlags of one wall-part pass.
inline constexpr int32_t kPartFloor = 1;
inline constexpr int32_t kPartCeiling = 2;
inline constexpr int32_t kPartLowerClipBottom = 8;
inline constexpr int32_t kPartRaiseClipTop = 16;

// The world's records are the map file's own; a tree node is a compiled wall record, whose
// tStart/tEnd and nextLineseg the engine does not use.
using Node = mapfile::BspNode;
using mapfile::Area;
using mapfile::MapGlobals;
using mapfile::Viewpoint;

// A transparent wall column queued during the tree walk and drawn after it.
struct DeferredColumn {
    uint8_t* destination = nullptr;  // first frame pixel
    int32_t count = 0;               // rows
    const uint8_t* source = nullptr; // 128 texture bytes of one column
    int32_t step = 0;                // 16.16 texture rows per screen row
    int32_t start = 0;               // 16.16 texture row of the first pixel
};

struct CreatureSlot {
    int32_t values[8] = {};
};

// A loaded image: its block and the block's size (at least the size its layout needs).
struct TextureRef {
    const uint8_t* data = nullptr;
    size_t size = 0;
};

struct EngineState {
    // ---- screen and output ----
    int32_t screenWidth = 0, screenHeight = 0;
    int32_t halfWidth = 0, halfHeight = 0;
    int32_t focalLength = 0;
    int32_t leftLimit = 0, rightLimit = 0;
    int32_t pixelCount = 0, lastRowOffset = 0;
    uint8_t* frameBuffer = nullptr;
    uint32_t bitmapHandle = 0;
    uint32_t memoryDC = 0;
    uint32_t paletteHandle = 0;
    uint32_t hostDC = 0;
    // Bitmaps and palettes of earlier initialisations, deleted once no context holds them.
    std::vector<uint32_t> retiredHandles;
    FrameOutput* frameOutput = nullptr;  // none when a host shows the frames
    bool engineReady = false;
    std::vector<uint8_t> screenBuffer;  // the movable block reserved at initialisation
    bool screenBufferHeld = false;
    qz::LOGPALETTE logicalPalette {0x300, 255, {}};

    // ---- tables built at initialisation ----
    std::array<double, 129> sinTable {};
    std::array<double, 129> cosTable {};
    std::array<int32_t, kMaxScreenHeight> rowOffset {};
    std::vector<int32_t> clipTop;
    std::vector<int32_t> clipBottom;
    std::vector<DeferredColumn> deferred;
    int32_t deferredCount = 0;
    std::array<int32_t, kSnowFlakes> snow {};
    std::array<CreatureSlot, kCreatureSlots> creatures {};
    std::array<std::array<const uint8_t*, 4>, kAnimationSets> animationSets {};

    // ---- world ----
    std::vector<Node> nodes = std::vector<Node>(kMaxNodes);
    int32_t nodeCount = 0;
    std::vector<Area> areas = std::vector<Area>(kMaxAreas);
    int32_t areaCount = 0;
    std::vector<Viewpoint> viewpoints = std::vector<Viewpoint>(kMaxViewpoints);
    int32_t viewpointCount = 0;
    std::vector<MapGlobals> globals = std::vector<MapGlobals>(kMaxGlobals);
    int32_t globalCount = 0;
    int32_t highestWallTexture = -1;
    double mapIdentifier = 0.0;
    int32_t maxStepHeight = 0;
    int16_t gravity = 0;

    // ---- viewer ----
    double viewX = 0.0, viewY = 0.0;
    int32_t eyeZ = 0;
    int16_t viewAngle = 0;
    int32_t lookOffset = 0;
    int32_t currentArea = -1;
    int32_t walkStep = 20, walkStepFast = 40;
    int32_t turnStep = 4, turnStepFast = 8;

    // ---- settings (qz3d.ini) ----
    std::string settingsPath;
    int32_t showObject = 0, showCompass = 0, showSnow = 0;

    // ---- header ----
    std::string headerPath;
    std::string mapName;
    std::string paletteName = "palette.bmp";
    std::string skyName;
    float animInc = 0.1f;
    float animObjectInc = 0.0f;
    int16_t animWallNum = 0;
    uint8_t transparentIndex = 0;
    int16_t numOverlays = 0, numWalls = 0, numAnim = 0, numCeilings = 0, numFloors = 0, numObjects = 0;
    int32_t numCreatures = 0;
    std::vector<std::string> overlayNames, objectNames, wallNames, animNames, floorNames, ceilingNames;

    // ---- texture store: references into blocks that live until the process ends ----
    std::deque<std::vector<uint8_t>> blocks;
    const uint8_t* checkerboard = nullptr;
    std::vector<const uint8_t*> wallTextures;
    std::vector<const uint8_t*> flatTextures;
    std::vector<const uint8_t*> animTextures;
    std::vector<const uint8_t*> objectTextures;
    std::array<std::vector<uint8_t>, 2> overlayImages;
    const uint8_t* skyImage = nullptr;
    const uint8_t* ceilingImage = nullptr;
    std::array<std::array<uint8_t, 3>, 256> paletteTable {};  // blue, green, red
    int32_t animFrameCount = 0;
    // The image each loader kind produced last: a list entry whose load fails keeps it.
    TextureRef lastWall, lastFloor, lastCeiling, lastObject;
    // The checkerboard laid out as a sky image, for a missing sky.
    TextureRef skyFallback;

    // ---- accounting and statistics ----
    int32_t memoryTotal = 0;
    int32_t frameCount = 0;
    float startTime = 0.0f;

    // ---- per-frame render state ----
    float animPhase = 0.0f;
    int16_t scrollPhase = 0;
    int32_t openColumns = 0;
    int32_t currentFlags = 0;
    bool logFlag = false;
    int32_t overlayToggle = 0;
    std::array<int32_t, kMaxScreenHeight> ceilingSpanStart {};
    std::array<int32_t, kMaxScreenHeight> floorSpanStart {};
    std::array<uint8_t, kMaxNodes> nodeVisited {};  // nodes reached by this frame's walk
};

EngineState& state();

}  // namespace engine
