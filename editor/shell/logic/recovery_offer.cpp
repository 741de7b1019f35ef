#include "editor/shell/logic/recovery_offer.h"

#include "editor/document/map_document.h"
#include "editor/model/clsMap.h"
#include "editor/shell/logic/command_guard.h"
#include "editor/shell/logic/recovery_folder.h"
#include "editor/shell/logic/window_caption.h"
#include "platform/message_box.h"
#include "platform/question_box.h"

namespace qzedit {

namespace {

enum Answer { kRecover = 0, kDiscard = 1 };

bool recover(const LeftWork& work, MapDocument& document)
{
    Outcome read;
    document.recover("Recover Map",
                     [&] {
                         read = document.map().ReadNewMPB(work.mapFile);
                         if (read) document.map().polishNextSeg();
                         return read.ok;
                     },
                     work.originalPath);
    return report(read);
}

}  // namespace

bool offerLeftWork(RecoveryFolder& folder, MapDocument& document)
{
    bool recovered = false;
    for (const LeftWork& work : folder.leftBehind()) {
        const int answer = qz::askQuestion("The editor ended before the changes to " +
                                               mapDisplayName(work.originalPath) +
                                               " were saved. Recover the changes?",
                                           "Recover Changes", qz::kMsgExclamation, {"Recover", "Discard"});
        if (answer == kRecover && recover(work, document)) {
            recovered = true;
            folder.dispose(work);
        } else if (answer == kDiscard) {
            folder.dispose(work);
        } else {
            folder.release(work);
        }
    }
    return recovered;
}

}  // namespace qzedit
