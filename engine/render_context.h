#pragma once
#include <cstdint>

#include "engine/engine_state.h"

namespace engine::render {

class CeilbugLog;

// Values fixed for one frame, shared by the tree walk, the wall columns and the spans.
struct FrameContext {
    EngineState& state;
    double sinA = 0.0;
    double cosA = 0.0;
    int32_t nodeCount = 0;         // nodes of the tree, at most the table's size
    int32_t angle = 0;             // viewAngle reduced to 0..127, the index of the tables
    double horizon = 0.0;          // halfHeight + lookOffset: the screen row of the eye's height
    uint32_t flatViewX = 0;        // VX and VY: the viewer position with 10 fractional bits,
    uint32_t flatViewY = 0;        // modulo 64 map units
    CeilbugLog* ceilbugLog = nullptr;  // only on the frame that writes "ceilbug.log"
};

FrameContext makeFrameContext(EngineState& state, CeilbugLog* ceilbugLog);

}  // namespace engine::render
