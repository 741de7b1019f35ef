#include "platform/qt/qt_menu_bar.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "platform/codepage.h"

namespace qz {

namespace {

QString itemName(uint32_t id) { return "0x" + QString::number(id, 16).toUpper(); }

QMenu* popupMenu(QWidget* owner, const PopupMenuResource& popup, Handle menuHandle, const WindowMessage& send)
{
    const QString title = QString::fromStdString(cp1252ToUtf8(popup.text));
    auto* menu = new QMenu(title, owner);
    menu->setObjectName("mnu" + QString(title).remove('&'));
    for (const MenuItemResource& item : popup.items) {
        if (item.separator) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QString::fromStdString(cp1252ToUtf8(item.text)));
        action->setObjectName(itemName(item.id));
        action->setEnabled(!item.greyed);
        const uint32_t id = item.id;
        const uint32_t flags = MF_HILITE | (item.greyed ? MF_GRAYED : 0);
        QObject::connect(action, &QAction::triggered, menu, [send, id] { send(WM_COMMAND, MAKEWPARAM(id, 0), 0); });
        QObject::connect(action, &QAction::hovered, menu, [send, id, flags, menuHandle] {
            send(WM_MENUSELECT, MAKEWPARAM(id, flags), static_cast<LPARAM>(menuHandle));
        });
    }
    QObject::connect(menu, &QMenu::aboutToHide, menu, [send] { send(WM_MENUSELECT, MAKEWPARAM(0, kMenuClosed), 0); });
    return menu;
}

}  // namespace

void installMenuBar(QMainWindow& window, const MenuResource& menu, Handle menuHandle, WindowMessage send)
{
    QMenuBar* bar = window.menuBar();
    bar->setObjectName("MAINMENU");
    QMenuBar* rightBar = nullptr;
    for (size_t position = 0; position < menu.popups.size(); ++position) {
        const PopupMenuResource& popup = menu.popups[position];
        if (popup.alignRight && !rightBar) {
            rightBar = new QMenuBar(bar);
            rightBar->setObjectName("MAINMENU_right");
            bar->setCornerWidget(rightBar, Qt::TopRightCorner);
        }
        QMenuBar* target = rightBar ? rightBar : bar;
        QMenu* popupMenuWidget = popupMenu(&window, popup, menuHandle, send);
        target->addMenu(popupMenuWidget);
        const auto index = static_cast<uint32_t>(position);
        QObject::connect(
            target, &QMenuBar::hovered, popupMenuWidget, [send, index, popupMenuWidget, menuHandle](QAction* hovered) {
                if (hovered == popupMenuWidget->menuAction())
                    send(WM_MENUSELECT, MAKEWPARAM(index, MF_POPUP | MF_HILITE), static_cast<LPARAM>(menuHandle));
            });
    }
}

}  // namespace qz
