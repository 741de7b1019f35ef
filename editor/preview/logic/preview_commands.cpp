#include "editor/preview/logic/preview_commands.h"

#include <cmath>

#include "editor/document/map_document.h"
#include "editor/model/clsMap.h"
#include "editor/shell/logic/command_guard.h"
#include "editor/shell/logic/file_dialogs.h"
#include "platform/message_box.h"
#include "platform/numbers.h"

namespace qzedit {

namespace {

// A number as text joins it: no sign space, a zero before the point ("0.3", "2", "-0.1").
std::string joinedNumber(float value)
{
    std::string text = qz::numText(value);
    if (!text.empty() && text.front() == ' ') text.erase(0, 1);
    if (!text.empty() && text.front() == '.') text.insert(0, "0");
    if (text.rfind("-.", 0) == 0) text.insert(1, "0");
    return text;
}

}  // namespace

std::string buildTimeText(double startSeconds, double endSeconds)
{
    const auto t1 = static_cast<float>(startSeconds), t2 = static_cast<float>(endSeconds);
    const float elapsed = static_cast<float>(std::floor((t2 - t1) * 10.0f)) / 10.0f;
    return "Done building tree in " + joinedNumber(elapsed) + " seconds";
}

PreviewCommands::PreviewCommands(clsMap& map, MapDocument* document, FileDialogs& dialogs, Hooks hooks)
    : map_(map), document_(document), dialogs_(dialogs), hooks_(std::move(hooks))
{
}

void PreviewCommands::compileAndSave()
{
    // Whatever happens on the way, the command ends by redrawing the map and its list.
    struct EndPoint {
        Hooks& hooks;
        ~EndPoint()
        {
            if (hooks.redrawMap) hooks.redrawMap();
            if (hooks.relistMap) hooks.relistMap();
        }
    } endPoint {hooks_};
    if (map_.numWalls < 1) return;
    hooks_.busyPointer(true);
    const double t1 = hooks_.clock();
    Outcome built = map_.createBSP();
    const double t2 = hooks_.clock();
    if (!built) {
        hooks_.busyPointer(false);
        report(built);
        return;
    }
    qz::messageBox(buildTimeText(t1, t2), "Compile complete", qz::kMsgInformation);
    hooks_.busyPointer(false);
    std::optional<std::string> chosen =
        dialogs_.showSave({kBinaryFilter, kDefaultBinaryName, FileDialogs::kHideReadOnly});
    if (chosen && !chosen->empty()) report(map_.WriteNewMPB(*chosen, true));
}

void PreviewCommands::setViewerToInsert()
{
    applyChange(document_, "Set Viewer", [this] {
        map_.vx = static_cast<double>(map_.insertX);
        map_.vy = static_cast<double>(map_.insertY);
    });
    if (hooks_.redrawMap) hooks_.redrawMap();
}

}  // namespace qzedit
