#pragma once
#include <QString>
#include <QWidget>

#include "editor/shell/logic/file_dialogs.h"

namespace qzedit {

// The common file dialog through Qt.
class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent) : parent_(parent) {}

    std::optional<std::string> showOpen(const FileDialogRequest& request) override;
    std::optional<std::string> showSave(const FileDialogRequest& request) override;

    // "Map (*.map)|*.map|Bin|*.mpb" -> "Map (*.map);;Bin (*.mpb)".
    static QString qtFilter(const std::string& filter);

private:
    QWidget* parent_;
};

}  // namespace qzedit
