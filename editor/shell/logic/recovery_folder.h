#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_lock.h"

namespace qzedit {

class clsMap;

// A map an editor autosaved, and the file that map belongs to ("" for a map that had none).
struct LeftWork {
    std::string mapFile;
    std::string originalPath;
};

// The recovery files of one user's editors, in one folder (the desktop's data folder). Each editor
// writes its own under a name no other editor uses, and holds a lock on it while it runs, so two
// editors never take each other's; a file whose lock nobody holds was left by an editor that ended
// without a clean exit (a crash, a kill).
class RecoveryFolder {
public:
    // This editor's files are named after its process and its start.
    explicit RecoveryFolder(std::string folder);

    // Writes the map and the name of the file it belongs to, each in one step, so a crash in the
    // middle leaves the previous recovery file whole. False with the error's text.
    bool write(clsMap& map, const std::string& originalPath, std::string& error);
    // Removes this editor's files: the map was saved, its changes undone, or the editor ends cleanly.
    void remove();
    const std::string& mapFile() const { return mapFile_; }

    // Maps left behind by editors no longer running, oldest first. Each stays claimed by this editor,
    // so that no other editor offers it too, until it is disposed of or released.
    std::vector<LeftWork> leftBehind();
    // The work was recovered or discarded: its files go.
    void dispose(const LeftWork& work);
    // The work is kept for a later start.
    void release(const LeftWork& work);

private:
    std::string folder_;
    std::string baseName_;
    std::string mapFile_;
    std::string infoFile_;
    std::optional<qz::FileLock> ownLock_;  // from the first write on
    std::map<std::string, qz::FileLock> claimed_;  // by map file
};

}  // namespace qzedit
