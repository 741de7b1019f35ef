#pragma once
#include <functional>
#include <string>

namespace qzedit {

class clsMap;
class FileDialogs;
class MapDocument;

// The main window's compile and viewer commands.
class PreviewCommands {
public:
    static constexpr const char* kBinaryFilter = "Map Binary|*.mpb";
    static constexpr const char* kDefaultBinaryName = "untitled.mpb";

    struct Hooks {
        std::function<void(bool busy)> busyPointer;  // the no-drop pointer while the tree is built
        std::function<double()> clock;               // seconds since midnight
        std::function<void()> redrawMap;
        std::function<void()> relistMap;
    };

    PreviewCommands(clsMap& map, MapDocument* document, FileDialogs& dialogs, Hooks hooks);

    // "&Compile and save map binary...": builds the tree, reports the time, asks for a file and
    // writes the compiled map to it; cancelling the dialog writes nothing.
    void compileAndSave();
    // "Set viewer to Insert Position": the viewer start moves to the insertion point.
    void setViewerToInsert();

private:
    clsMap& map_;
    MapDocument* document_;
    FileDialogs& dialogs_;
    Hooks hooks_;
};

// "Done building tree in 0.3 seconds": the time between two clock readings, in whole tenths
// of a second, truncated.
std::string buildTimeText(double startSeconds, double endSeconds);

}  // namespace qzedit
