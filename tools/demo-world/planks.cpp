#include "tools/demo-world/planks.h"

#include <cmath>
#include <vector>

#include "tools/demo-world/details.h"
#include "tools/demo-world/noise.h"

namespace qzdemo {

void paintPlanks(Canvas& canvas, int plankWidth, float shade, uint32_t seed)
{
    const int height = canvas.height();
    const int planks = canvas.width() / plankWidth;
    Sequence random(seed);
    std::vector<int> buttJoint(static_cast<size_t>(planks));
    for (int& row : buttJoint) row = random.between(0, height - 1);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const int plank = x / plankWidth;
            const int across = x % plankWidth;
            // Along the board from its butt joint; the noise lattice is wider than the board, so
            // the grain is continuous everywhere but at the joint.
            const int along = (y - buttJoint[static_cast<size_t>(plank)] + height) % height;
            const uint32_t board = seed + 1 + static_cast<uint32_t>(plank) * 17;
            const float warp = fractalNoise(static_cast<float>(across) / 8.0f, static_cast<float>(along) / 24.0f, 64, 64, 3, board);
            const float rings = 0.5f + 0.5f * std::sin((static_cast<float>(across) + 14.0f * warp) * 0.9f + static_cast<float>(plank) * 2.0f);
            const float fibres = valueNoise(static_cast<float>(across) * 1.0f, static_cast<float>(along) / 6.0f, 256, 256, board + 1);
            float texel = shade + 0.14f * (unitHash(plank, 0, seed) - 0.5f) + 0.16f * (rings - 0.5f) + 0.1f * (fibres - 0.5f);
            if (across == 0 || along == 0) texel = 0.08f;
            else if (across == 1 || along == 1) texel += 0.08f;
            else if (across == plankWidth - 1 || along == height - 1) texel -= 0.12f;
            canvas.paint(x, y, Ramp::Wood, texel);
        }
    }
    for (int plank = 0; plank < planks; ++plank) {
        const int joint = buttJoint[static_cast<size_t>(plank)];
        for (int x : {plank * plankWidth + plankWidth / 4, plank * plankWidth + plankWidth * 3 / 4}) {
            drawRivet(canvas, x, joint + 4, 1, Ramp::Steel);
            drawRivet(canvas, x, joint - 4, 1, Ramp::Steel);
        }
    }
}

}  // namespace qzdemo
