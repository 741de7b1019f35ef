#include "editor/preview/preview_window_parts.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>

#include "platform/qt/qt_virtual_keys.h"

namespace qzedit {

QPushButton* keylessButton(const char* name, const char* caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    for (QPushButton* b : buttons) row->addWidget(b);
    row->addStretch();
    return row;
}

bool passEngineKey(QKeyEvent* event, const std::function<void(int)>& keyDown)
{
    const std::optional<uint32_t> code = qz::virtualKeyOf(event->key());
    if (!code) return false;
    event->accept();
    keyDown(static_cast<int>(*code));
    return true;
}

}  // namespace qzedit
