#include "platform/qt/qt_program_host.h"

#include <QApplication>
#include <QStringList>
#include <optional>

#include "platform/message_box.h"
#include "platform/qt/qt_drive_script.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_window_system.h"

namespace qz {

namespace {

constexpr int kMaxScale = 4;

struct HostOptions {
    int scale = 1;
    QStringList drive;
    QStringList rest;
    std::string error;
};

HostOptions takeOptions(QStringList arguments)
{
    HostOptions options;
    for (qsizetype k = 0; k < arguments.size(); ++k) {
        const QString& argument = arguments[k];
        const bool hasValue = k + 1 < arguments.size();
        if (argument == "--scale") {
            bool ok = false;
            options.scale = hasValue ? arguments[++k].toInt(&ok) : 0;
            if (!ok || options.scale < 1 || options.scale > kMaxScale) {
                options.error = "--scale takes a whole factor from 1 to " + std::to_string(kMaxScale);
                options.scale = 1;
            }
        } else if (argument == "--drive") {
            if (hasValue)
                options.drive = arguments[++k].split(' ', Qt::SkipEmptyParts);
            else
                options.error = "--drive takes the steps to play";
        } else {
            options.rest << argument;
        }
    }
    if (auto fault = QtDriveScript::fault(options.drive)) options.error = fault->toStdString();
    return options;
}

}  // namespace

struct QtProgramHost::Impl {
    Impl(int& argc, char** argv)
        : application(argc, argv)
        , options(takeOptions(QApplication::arguments().mid(1)))
        , system(options.scale)
    {
    }

    QApplication application;
    HostOptions options;
    QtWindowSystem system;
    std::optional<QtDriveScript> script;
    TickObserver tickObserver;
};

QtProgramHost::QtProgramHost(int& argc, char** argv, const std::string& displayName)
    : impl_(std::make_unique<Impl>(argc, argv))
{
    QApplication::setApplicationDisplayName(QString::fromStdString(displayName));
    installQtMessageSinks();
    setWindowSystem(&impl_->system);
    impl_->system.setTickObserver([this](Handle, Clock::time_point arrival) {
        if (impl_->tickObserver) impl_->tickObserver(arrival);
        if (impl_->script) impl_->script->tickArrived();
    });
    if (!impl_->options.drive.isEmpty() && impl_->options.error.empty()) {
        impl_->script.emplace(impl_->system, impl_->options.drive);
        impl_->script->start();
    }
}

// Messages after the application is gone go to standard error again.
QtProgramHost::~QtProgramHost()
{
    setWindowSystem(nullptr);
    setMessageSink({});
    setBeepSink({});
}

const std::string& QtProgramHost::optionError() const { return impl_->options.error; }

std::string QtProgramHost::commandLine() const { return impl_->options.rest.join(' ').toStdString(); }

void QtProgramHost::drive(const std::string& steps)
{
    impl_->script.emplace(impl_->system, QString::fromStdString(steps).split(' ', Qt::SkipEmptyParts));
    impl_->script->start();
}

void QtProgramHost::setTickObserver(TickObserver observer) { impl_->tickObserver = std::move(observer); }

}  // namespace qz
