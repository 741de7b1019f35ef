#include "editor/shell/logic/unsaved_changes.h"

#include "editor/document/map_document.h"
#include "editor/shell/logic/window_caption.h"
#include "platform/message_box.h"
#include "platform/question_box.h"

namespace qzedit {

namespace {

enum Answer { kSave = 0, kDiscard = 1 };

}  // namespace

bool mayDiscardChanges(const MapDocument& document, const std::function<bool()>& save)
{
    if (!document.modified()) return true;
    const int answer = qz::askQuestion("Save changes to " + mapDisplayName(document.path()) + "?",
                                       "Quarzite3D Map Editor", qz::kMsgExclamation, {"Save", "Discard", "Cancel"});
    if (answer == kDiscard) return true;
    if (answer == kSave) return save();
    return false;
}

}  // namespace qzedit
