#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace qzbench {

// A fixed place and direction in the demo world.
struct DemoView {
    const char* name;
    int32_t x, y, eyeZ, angle;
};

// Eight views over the demo world's rooms: hall, courtyard (sky), stairs, gallery, crypt, the
// tower's stacked wall and the vault's grate.
extern const std::array<DemoView, 8> kDemoViews;

// The demo header next to the programs; empty when the demo world was not made.
std::string demoHeaderPath();

// Loads the demo world at the given frame size through the engine's initialisation, with a
// memory device context as the host's. False when the world cannot be loaded.
bool loadDemoWorld(int32_t width, int32_t height);

void showView(const DemoView& view);

}  // namespace qzbench
