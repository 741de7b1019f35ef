#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "editor/document/map_snapshot.h"

namespace qzedit {

// The one way the map changes while it is edited. Every change runs through change() or replace()
// under a name ("Move Area"), so that it can be undone and redone, the document knows whether the
// map differs from its file, and whoever listens (the windows, autosave, the live preview) hears of
// it. A change that throws leaves the map as it was.
class MapDocument {
public:
    enum class EventKind { Changed, Undone, Redone };
    struct Event {
        EventKind kind;
        std::string name;  // the change's name
    };
    using Listener = std::function<void(const Event&)>;
    using StateListener = std::function<void()>;

    static constexpr size_t kMaxSteps = 1000;
    static constexpr size_t kMaxHistoryBytes = 256u * 1024 * 1024;

    explicit MapDocument(clsMap& map);

    clsMap& map() { return map_; }

    // Runs work as one change. False when it changed nothing (no step is kept, nobody is told).
    bool change(const std::string& name, const std::function<void()>& work);
    // A change that puts another map in place (Open, New, an import): afterwards the document
    // belongs to path and is unmodified. Undo brings back the map, the path and the modified state
    // from before. Work that returns false has changed nothing (a refused file): no step is kept.
    bool replace(const std::string& name, const std::function<bool()>& work, const std::string& path);
    // Like replace, for a map that is not what the file at path holds (work kept from an editor
    // that ended without saving it): afterwards the document belongs to path and is modified.
    bool recover(const std::string& name, const std::function<bool()>& work, const std::string& path);

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    // The name of the step Undo or Redo would take back or do again; "" when there is none.
    std::string undoName() const;
    std::string redoName() const;
    void undo();
    void redo();

    // The file the map was last opened from or saved to; "" for a map that never had one.
    const std::string& path() const { return path_; }
    // After a successful save to path: the map as it is now is the file's.
    void markSaved(const std::string& path);
    bool modified() const { return currentState() != savedState_; }
    // Names the map's state in the history: the same number after undo or redo means the same map.
    uint64_t revision() const { return currentState(); }

    void addListener(Listener listener);
    // Hears whenever modified() or path() may have changed: every change, undo, redo and save.
    void addStateListener(StateListener listener);

    size_t stepCount() const { return steps_.size(); }
    size_t historyBytes() const { return historyBytes_; }

private:
    static constexpr uint64_t kNeverSaved = UINT64_MAX;

    struct DocumentState {
        std::string path;
        uint64_t savedState;
    };
    struct Step {
        std::string name;
        MapDelta delta;
        uint64_t state;  // the state this step leaves the map in
        bool replacesDocument;
        DocumentState before, after;
    };

    // Whatever changed outside a named change belongs to the map as it is, not to any step.
    void adoptOutsideChanges();
    uint64_t currentState() const { return done_ > 0 ? steps_[done_ - 1].state : baseState_; }
    void record(Step step);
    void notify(EventKind kind, const std::string& name);
    void notifyState();
    bool replaceWith(const std::string& name, const std::function<bool()>& work, const std::string& path, bool saved);

    clsMap& map_;
    MapSnapshot snapshot_;
    std::deque<Step> steps_;
    size_t done_ = 0;
    size_t historyBytes_ = 0;
    uint64_t nextState_ = 1;
    uint64_t baseState_ = 0;
    uint64_t savedState_ = 0;
    std::string path_;
    std::vector<Listener> listeners_;
    std::vector<StateListener> stateListeners_;
};

// Runs work as a change of the document when there is one, else on the map alone (a window's logic
// tried without a document).
void applyChange(MapDocument* document, const std::string& name, const std::function<void()>& work);

}  // namespace qzedit
