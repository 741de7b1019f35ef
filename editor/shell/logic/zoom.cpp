#include "editor/shell/logic/zoom.h"

#include <algorithm>

#include "platform/numbers.h"

namespace qzedit {

int16_t zoomedIn(int16_t magnification)
{
    int16_t half = qz::toInteger(magnification / 2.0);
    return std::clamp(half, kMinMagnification, kMaxMagnification);
}

int16_t zoomedOut(int16_t magnification)
{
    int32_t twice = int32_t {magnification} * 2;
    return static_cast<int16_t>(std::clamp<int32_t>(twice, kMinMagnification, kMaxMagnification));
}

}  // namespace qzedit
