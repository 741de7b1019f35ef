#include "editor/shell/logic/autosave.h"

#include "editor/document/map_document.h"
#include "editor/shell/logic/recovery_folder.h"

namespace qzedit {

Autosave::Autosave(MapDocument& document, RecoveryFolder& folder, Clock clock, double intervalSeconds)
    : document_(document), folder_(folder), clock_(std::move(clock)), interval_(intervalSeconds)
{
    document_.addStateListener([this] { documentChanged(); });
}

void Autosave::documentChanged()
{
    if (!document_.modified()) {
        // The user's own file holds the map as it is: there is nothing to recover.
        folder_.remove();
        writtenRevision_.reset();
        waitingSince_.reset();
    } else if (writtenRevision_ == document_.revision()) {
        waitingSince_.reset();
    } else if (!waitingSince_) {
        waitingSince_ = clock_();
    }
}

void Autosave::poll()
{
    if (waitingSince_ && clock_() - *waitingSince_ >= interval_) write();
}

void Autosave::keepNow()
{
    if (waitingSince_) write();
}

void Autosave::write()
{
    std::string error;
    if (folder_.write(document_.map(), document_.path(), error)) {
        writtenRevision_ = document_.revision();
        waitingSince_.reset();
        return;
    }
    waitingSince_ = clock_();
    if (onFailure) onFailure("Autosave failed: " + error);
}

void Autosave::finish()
{
    folder_.remove();
    waitingSince_.reset();
}

}  // namespace qzedit
