#include <cstdint>
#include <exception>

#include "engine/export_macro.h"
#include "engine/map_reload.h"
#include "platform/automation_strings.h"
#include "platform/message_box.h"

// Exports for an editor that previews the map while it changes: every argument by reference, as
// for the other exports. Nothing may unwind into the host.

QZ_EXPORT int32_t RELOADMAP(char* const* mapName)
{
    try {
        return engine::reloadMap(mapName ? qz::automationText(*mapName) : std::string());
    } catch (const std::exception& e) {
        qz::messageBox(e.what(), "QZ3D15", qz::kMsgCritical);
        return -1;
    }
}

QZ_EXPORT int32_t GETVIEWER(int32_t* x, int32_t* y, int32_t* z, int32_t* angle)
{
    const engine::ViewerPosition at = engine::viewerPosition();
    if (x) *x = at.x;
    if (y) *y = at.y;
    if (z) *z = at.z;
    if (angle) *angle = at.angle;
    return 0;
}
