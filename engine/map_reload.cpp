#include "engine/map_reload.h"

#include "engine/area_lookup.h"
#include "engine/engine_state.h"
#include "engine/initialisation.h"
#include "engine/saturating.h"
#include "engine/world_loader.h"

namespace engine {

int32_t reloadMap(const std::string& mapName)
{
    EngineState& s = state();
    if (!s.engineReady) return -1;
    const double x = s.viewX, y = s.viewY;
    const int32_t eye = s.eyeZ, look = s.lookOffset;
    const int16_t angle = s.viewAngle;
    if (!LoadWorld(mapName.empty() ? s.mapName : mapName)) return -1;
    s.viewX = x;
    s.viewY = y;
    s.eyeZ = eye;
    s.viewAngle = angle;
    s.lookOffset = look;
    s.currentArea = findArea();
    raiseWallCountToMap(s);
    return 0;
}

ViewerPosition viewerPosition()
{
    const EngineState& s = state();
    return {saturatingLong(s.viewX), saturatingLong(s.viewY), s.eyeZ, s.viewAngle};
}

}  // namespace engine
