#pragma once
#include <QMdiSubWindow>
#include <QWidget>

namespace qzedit {

// The size of a tool window as its layout counts it: the MDI child's frame when it has one.
inline QSize frameSizeOf(QWidget* form)
{
    QWidget* parent = form->parentWidget();
    return qobject_cast<QMdiSubWindow*>(parent) ? parent->size() : form->size();
}

}  // namespace qzedit
