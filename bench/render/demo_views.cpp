#include "bench/render/demo_views.h"

#include "engine/engine_state.h"
#include "engine/lifecycle.h"
#include "engine/movement.h"
#include "platform/files.h"
#include "platform/gdi.h"

namespace qzbench {

const std::array<DemoView, 8> kDemoViews {{
    {"hall north", 320, 64, 56, 0},
    {"hall east", 320, 64, 56, 32},
    {"hall to courtyard", 320, 256, 56, 96},
    {"courtyard sky", -192, 448, 40, 32},
    {"gallery down the stairs", 320, 720, 104, 64},
    {"crypt up the stairs", 320, -160, 20, 0},
    {"tower wall", 560, 320, 56, 32},
    {"vault grate", 560, 128, 56, 32},
}};

std::string demoHeaderPath()
{
    const std::string path = std::string(QZ_DEMO_DIR) + "/demo.hdr";
    return qz::fileExists(path) ? path : std::string();
}

bool loadDemoWorld(int32_t width, int32_t height)
{
    const std::string header = demoHeaderPath();
    if (header.empty()) return false;
    const qz::Handle memoryDC = CreateCompatibleDC(0);
    return engine::initVaskell(memoryDC, header, width, height) != -1 && engine::state().nodeCount > 0 &&
           !engine::state().wallTextures.empty();
}

void showView(const DemoView& view) { engine::jumpViewer(view.x, view.y, view.eyeZ, view.angle); }

}  // namespace qzbench
