#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace qzedit {

class MapDocument;
class RecoveryFolder;

// Keeps the map's unsaved changes in the editor's recovery file: once the map has had changes not
// yet written there for the interval (two minutes), the next poll writes it; saving the map, or
// undoing its changes back to the saved state, removes the file. Time comes from the caller's
// clock, so tests set it rather than wait.
class Autosave {
public:
    static constexpr double kIntervalSeconds = 120;
    using Clock = std::function<double()>;  // seconds, counted from any start

    Autosave(MapDocument& document, RecoveryFolder& folder, Clock clock, double intervalSeconds = kIntervalSeconds);

    // Called often (every second by the main window's timer).
    void poll();
    // Writes the map now when it has changes the recovery file lacks (the session is ending
    // without a chance to ask the user).
    void keepNow();
    // A clean exit: the recovery file goes.
    void finish();
    // A write failed: the message to show (the next try comes an interval later).
    std::function<void(const std::string& message)> onFailure;

private:
    void documentChanged();
    void write();

    MapDocument& document_;
    RecoveryFolder& folder_;
    Clock clock_;
    double interval_;
    std::optional<double> waitingSince_;      // the first change not yet in the recovery file
    std::optional<uint64_t> writtenRevision_;  // the map's state in the recovery file
};

}  // namespace qzedit
