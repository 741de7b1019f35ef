#pragma once
#include <QObject>
#include <memory>
#include <string>

#include "editor/shell/logic/autosave.h"
#include "editor/shell/logic/recovery_folder.h"

class QTimer;

namespace qzedit {

class MapDocument;

// The editor's recovery file: the desktop's data folder for this program (QStandardPaths'
// AppDataLocation, which follows XDG_DATA_HOME) holds it in "recovery"; a one-second timer drives the
// autosave. QZ3DEDIT_AUTOSAVE_SECONDS in the environment shortens the two minutes between a change
// and its autosave (for tests and demonstrations).
class WorkKeeper : public QObject {
    Q_OBJECT
public:
    WorkKeeper(MapDocument& document, QObject* parent = nullptr);
    ~WorkKeeper() override;

    RecoveryFolder& folder() { return *folder_; }
    Autosave& autosave() { return *autosave_; }
    static std::string recoveryFolderPath();

private:
    std::unique_ptr<RecoveryFolder> folder_;
    std::unique_ptr<Autosave> autosave_;
    QTimer* timer_;
};

}  // namespace qzedit
