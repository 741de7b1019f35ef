#include <cstdint>
#include <exception>
#include <string>

#include "engine/exports.h"

#include "engine/area_lookup.h"
#include "engine/export_macro.h"
#include "engine/lifecycle.h"
#include "engine/movement.h"
#include "platform/automation_strings.h"
#include "platform/message_box.h"

// The engine's exports with behaviour. Every argument comes by reference: the address of a 32-bit
// Long, or the address of an automation string. Nothing may unwind into a host written in another
// language, so a failure is reported and the call returns its neutral result.

namespace {

int32_t arg(const int32_t* value) { return value ? *value : 0; }

std::string textArg(char* const* string) { return string ? qz::automationText(*string) : std::string(); }

template <typename Result, typename Call>
Result guarded(Result fallback, Call call)
{
    try {
        return call();
    } catch (const std::exception& e) {
        qz::messageBox(e.what(), "QZ3D15", qz::kMsgCritical);
        return fallback;
    }
}

}  // namespace

QZ_EXPORT int32_t INITVASKELL(const int32_t* dc, char* const* headerName, const int32_t* width, const int32_t* height)
{
    return guarded(-1, [&] {
        return engine::initVaskell(static_cast<uint32_t>(arg(dc)), textArg(headerName), arg(width), arg(height));
    });
}

QZ_EXPORT int32_t DRAWQZ(const int32_t* dc)
{
    return guarded(0, [&] { return engine::drawQZ(static_cast<uint32_t>(arg(dc))); });
}

QZ_EXPORT int32_t MOVEVIEWER(const int32_t* side, const int32_t* forward, const int32_t* dz)
{
    return guarded(0, [&] { return engine::moveViewer(arg(side), arg(forward), arg(dz)); });
}

QZ_EXPORT int32_t TURNVIEWER(const int32_t* change)
{
    return guarded(0, [&] { return engine::turnViewer(arg(change)); });
}

QZ_EXPORT int32_t FORWARD()
{
    return guarded(0, [] { return engine::forwardViewer(); });
}

QZ_EXPORT int32_t JUMPVIEWER(const int32_t* x, const int32_t* y, const int32_t* z, const int32_t* angle)
{
    return guarded(0, [&] { return engine::jumpViewer(arg(x), arg(y), arg(z), arg(angle)); });
}

QZ_EXPORT int32_t FINDAREA()
{
    return guarded(-1, [] { return engine::findArea(); });
}

QZ_EXPORT char* FINDAREANAME(const int32_t* index)
{
    return guarded<char*>(nullptr, [&] { return qz::newAutomationString(engine::findAreaName(arg(index))); });
}

QZ_EXPORT int32_t SETWALLTXR(const int32_t* node, const int32_t* texture)
{
    return guarded(0, [&] { return engine::setWallTexture(arg(node), arg(texture)); });
}

QZ_EXPORT int32_t FLUSHVASKELL()
{
    return guarded(0, [] { return engine::flushVaskell(); });
}
