#pragma once
#include <QStringList>
#include <QTreeWidget>
#include <QTreeWidgetItem>

// The wall nodes of the project tree wherever they are listed (under their areas or with the free
// walls), in the tree's order.
inline QStringList wallNodeTexts(const QTreeWidget& tree)
{
    QStringList texts;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&tree)); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toString().startsWith('w')) texts << (*it)->text(0);
    return texts;
}
