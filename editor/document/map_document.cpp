#include "editor/document/map_document.h"

#include <exception>
#include <utility>

namespace qzedit {

MapDocument::MapDocument(clsMap& map) : map_(map), snapshot_(map) {}

bool MapDocument::change(const std::string& name, const std::function<void()>& work)
{
    adoptOutsideChanges();
    try {
        work();
    } catch (...) {
        snapshot_.apply(map_, snapshot_.takeChanges(map_), false);
        throw;
    }
    MapDelta delta = snapshot_.takeChanges(map_);
    if (delta.empty()) return false;
    const DocumentState unchanged {path_, savedState_};
    record(Step {name, std::move(delta), nextState_++, false, unchanged, unchanged});
    notify(EventKind::Changed, name);
    return true;
}

bool MapDocument::replace(const std::string& name, const std::function<bool()>& work, const std::string& path)
{
    return replaceWith(name, work, path, true);
}

bool MapDocument::recover(const std::string& name, const std::function<bool()>& work, const std::string& path)
{
    return replaceWith(name, work, path, false);
}

bool MapDocument::replaceWith(const std::string& name, const std::function<bool()>& work, const std::string& path,
                              bool saved)
{
    adoptOutsideChanges();
    try {
        if (!work()) {
            snapshot_.apply(map_, snapshot_.takeChanges(map_), false);
            return false;
        }
    } catch (...) {
        snapshot_.apply(map_, snapshot_.takeChanges(map_), false);
        throw;
    }
    const DocumentState before {path_, savedState_};
    const uint64_t state = nextState_++;
    path_ = path;
    // A state no step ever takes: nothing in the history is what the file holds.
    savedState_ = saved ? state : kNeverSaved;
    record(Step {name, snapshot_.takeChanges(map_), state, true, before, {path_, savedState_}});
    notify(EventKind::Changed, name);
    return true;
}

std::string MapDocument::undoName() const { return canUndo() ? steps_[done_ - 1].name : std::string(); }

std::string MapDocument::redoName() const { return canRedo() ? steps_[done_].name : std::string(); }

void MapDocument::undo()
{
    if (!canUndo()) return;
    adoptOutsideChanges();
    const Step& step = steps_[--done_];
    snapshot_.apply(map_, step.delta, false);
    if (step.replacesDocument) {
        path_ = step.before.path;
        savedState_ = step.before.savedState;
    }
    notify(EventKind::Undone, step.name);
}

void MapDocument::redo()
{
    if (!canRedo()) return;
    adoptOutsideChanges();
    const Step& step = steps_[done_++];
    snapshot_.apply(map_, step.delta, true);
    if (step.replacesDocument) {
        path_ = step.after.path;
        savedState_ = step.after.savedState;
    }
    notify(EventKind::Redone, step.name);
}

void MapDocument::markSaved(const std::string& path)
{
    path_ = path;
    savedState_ = currentState();
    notifyState();
}

void MapDocument::adoptOutsideChanges() { snapshot_.takeChanges(map_); }

void MapDocument::addListener(Listener listener) { listeners_.push_back(std::move(listener)); }

void MapDocument::addStateListener(StateListener listener) { stateListeners_.push_back(std::move(listener)); }

void MapDocument::record(Step step)
{
    // A new change ends every step that was undone.
    while (steps_.size() > done_) {
        historyBytes_ -= steps_.back().delta.bytes();
        steps_.pop_back();
    }
    historyBytes_ += step.delta.bytes();
    steps_.push_back(std::move(step));
    done_ = steps_.size();
    // The oldest steps go first when the history grows past its bounds; the newest always stays.
    while (steps_.size() > 1 && (steps_.size() > kMaxSteps || historyBytes_ > kMaxHistoryBytes)) {
        baseState_ = steps_.front().state;
        historyBytes_ -= steps_.front().delta.bytes();
        steps_.pop_front();
        --done_;
    }
}

void MapDocument::notify(EventKind kind, const std::string& name)
{
    const Event event {kind, name};
    for (const Listener& listener : listeners_) listener(event);
    notifyState();
}

void MapDocument::notifyState()
{
    for (const StateListener& listener : stateListeners_) listener();
}

void applyChange(MapDocument* document, const std::string& name, const std::function<void()>& work)
{
    if (document)
        document->change(name, work);
    else
        work();
}

}  // namespace qzedit
