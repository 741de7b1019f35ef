#include "editor/shell/work_keeper.h"

#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTimer>

#include "editor/shell/logic/command_guard.h"

namespace qzedit {

namespace {

double autosaveInterval()
{
    bool valid = false;
    const double seconds = qEnvironmentVariable("QZ3DEDIT_AUTOSAVE_SECONDS").toDouble(&valid);
    return valid && seconds > 0 ? seconds : Autosave::kIntervalSeconds;
}

}  // namespace

std::string WorkKeeper::recoveryFolderPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath("recovery").toStdString();
}

WorkKeeper::WorkKeeper(MapDocument& document, QObject* parent)
    : QObject(parent), folder_(std::make_unique<RecoveryFolder>(recoveryFolderPath())), timer_(new QTimer(this))
{
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    autosave_ = std::make_unique<Autosave>(document, *folder_, [clock] { return static_cast<double>(clock->elapsed()) / 1000.0; },
                                           autosaveInterval());
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, [this] { runGuarded([this] { autosave_->poll(); }); });
    timer_->start();
}

WorkKeeper::~WorkKeeper() = default;

}  // namespace qzedit
