#include "editor/preview/logic/preview_source.h"

#include "editor/model/clsMap.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/program_folders.h"

namespace qzedit {

PreviewSource::PreviewSource(clsMap& map) : map_(map) {}

int32_t PreviewSource::wallCount() const { return map_.numWalls; }

Outcome PreviewSource::compileScratch() { return compileMapTo(map_, qz::inCurrentDirectory(kScratchMap)); }

HeaderChoice PreviewSource::scratchHeader() const
{
    return findPreviewHeader(qz::currentDirectory(), qz::programFolder(), editorScratchFolder(), kScratchHeader,
                             qz::inCurrentDirectory(kScratchMap));
}

bool mapHasWalls(const PreviewSource& source)
{
    if (source.wallCount() >= 1) return true;
    qz::messageBox("Cannot render, no map has been loaded", "No Map", qz::kMsgCritical);
    return false;
}

}  // namespace qzedit
