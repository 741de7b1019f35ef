#include "editor/shell/qt_file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QStringList>

namespace qzedit {

QString QtFileDialogs::qtFilter(const std::string& filter)
{
    QStringList parts = QString::fromStdString(filter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString text = parts[i];
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        filters << (text.contains('(') ? text : text + " (" + patterns + ")");
    }
    return filters.join(";;");
}

std::optional<std::string> QtFileDialogs::showOpen(const FileDialogRequest& request)
{
    QFileDialog dialog(parent_, "Open", QDir::currentPath(), qtFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> QtFileDialogs::showSave(const FileDialogRequest& request)
{
    QFileDialog dialog(parent_, "Save As", QDir::currentPath(), qtFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension gets the filter's, so the file shows up in Open.
    QString firstPattern = QString::fromStdString(request.filter).section('|', 1, 1);
    if (firstPattern.startsWith("*.") && firstPattern.count('*') == 1) dialog.setDefaultSuffix(firstPattern.mid(2));
    if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

}  // namespace qzedit
