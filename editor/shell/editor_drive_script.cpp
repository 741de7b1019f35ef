#include "editor/shell/editor_drive_script.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMouseEvent>
#include <QListWidget>
#include <QPixmap>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <cstdio>

namespace qzedit {

namespace {

struct Step {
    QString verb, name, value;
};

Step parse(const QString& step)
{
    const QString verb = step.section(':', 0, 0);
    const QString rest = step.section(':', 1);
    const qsizetype equals = rest.indexOf('=');
    if (equals < 0) return {verb, rest, {}};
    return {verb, rest.left(equals), QUrl::fromPercentEncoding(rest.mid(equals + 1).toUtf8())};
}

std::optional<int> keyNamed(const QString& name)
{
    static const QHash<QString, int> keys = {
        {"Up", Qt::Key_Up},       {"Down", Qt::Key_Down},     {"Left", Qt::Key_Left},
        {"Right", Qt::Key_Right}, {"Space", Qt::Key_Space},   {"Shift", Qt::Key_Shift},
        {"Return", Qt::Key_Return}, {"Escape", Qt::Key_Escape}, {"Tab", Qt::Key_Tab},
        {"Backspace", Qt::Key_Backspace}, {"Delete", Qt::Key_Delete},
    };
    if (name.size() == 1 && name[0].isLetter() && name[0].toUpper().unicode() <= 'Z')
        return Qt::Key_A + (name[0].toUpper().unicode() - 'A');
    if (name.size() == 1 && name[0].isDigit()) return Qt::Key_0 + (name[0].unicode() - '0');
    auto found = keys.find(name);
    return found == keys.end() ? std::nullopt : std::optional<int>(*found);
}

bool shown(const QWidget* widget) { return widget->isVisible(); }

// Widgets named `name` under `within` (everywhere when null), visible ones first.
QList<QWidget*> widgetsNamed(const QString& name, QWidget* within)
{
    QList<QWidget*> found;
    const QList<QWidget*> all = within ? within->findChildren<QWidget*>(name) : QApplication::allWidgets();
    for (QWidget* w : all)
        if (w->objectName() == name) found.append(w);
    std::stable_sort(found.begin(), found.end(), [](QWidget* a, QWidget* b) { return shown(a) && !shown(b); });
    return found;
}

// The widget of a path "A/B/C": each part is looked for under the one before.
QWidget* widgetAt(const QString& path)
{
    QWidget* at = nullptr;
    for (const QString& part : path.split('/')) {
        const QList<QWidget*> found = widgetsNamed(part, at);
        if (found.isEmpty()) return nullptr;
        at = found.first();
    }
    return at;
}

QAction* actionNamed(const QString& name)
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* action = top->findChild<QAction*>(name)) return action;
    return nullptr;
}

// A button of the modal dialog (a message box) by its text, without its mnemonic.
QAbstractButton* dialogButton(const QString& text)
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return nullptr;
    for (auto* button : modal->findChildren<QAbstractButton*>())
        if (button->text().remove('&') == text) return button;
    return nullptr;
}

// The keyboard gives a key that is the shortcut of one enabled menu item or button of the window
// to that item before the control sees it; events sent to a control skip that, so the script
// chooses the item itself.
bool triggerShortcut(QWidget* target, int key)
{
    const QKeySequence sequence(key);
    QAction* found = nullptr;
    for (QAction* action : target->window()->findChildren<QAction*>()) {
        if (!action->isEnabled() || !action->shortcuts().contains(sequence)) continue;
        if (found) return false;
        found = action;
    }
    if (!found) return false;
    found->trigger();
    return true;
}

void sendKey(QWidget* target, QEvent::Type type, int key)
{
    QKeyEvent event(type, key, Qt::NoModifier, key >= Qt::Key_A && key <= Qt::Key_Z ? QString(QChar(key)) : QString());
    QApplication::sendEvent(target, &event);
}

// "X,Y" or "X,Y,right" or "X,Y,double": a point of the control and how it is clicked.
struct MouseStep {
    QPointF at;
    Qt::MouseButton button = Qt::LeftButton;
    bool twice = false;
};

std::optional<MouseStep> mouseStep(const QString& value, bool moveOnly)
{
    const QStringList parts = value.split(',');
    if (parts.size() < 2 || parts.size() > (moveOnly ? 2 : 3)) return std::nullopt;
    bool xOk = false, yOk = false;
    MouseStep step {QPointF(parts[0].toDouble(&xOk), parts[1].toDouble(&yOk))};
    if (!xOk || !yOk) return std::nullopt;
    if (parts.size() == 3) {
        if (parts[2] == "right")
            step.button = Qt::RightButton;
        else if (parts[2] == "double")
            step.twice = true;
        else
            return std::nullopt;
    }
    return step;
}

void sendMouse(QWidget* target, QEvent::Type type, const MouseStep& step, Qt::MouseButtons held)
{
    const QPointF global = target->mapToGlobal(step.at);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : step.button;
    QMouseEvent event(type, step.at, global, button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A click as the mouse makes one: press and release; for a double-click press, release, the
// double-click and release.
void click(QWidget* target, const MouseStep& step)
{
    sendMouse(target, QEvent::MouseButtonPress, step, step.button);
    sendMouse(target, QEvent::MouseButtonRelease, step, Qt::NoButton);
    if (!step.twice) return;
    sendMouse(target, QEvent::MouseButtonDblClick, step, step.button);
    sendMouse(target, QEvent::MouseButtonRelease, step, Qt::NoButton);
}

bool pickEntry(QWidget* widget, const QString& entry)
{
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        const int index = combo->findText(entry);
        if (index < 0) return false;
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        return true;
    }
    if (auto* list = qobject_cast<QListWidget*>(widget)) {
        const QList<QListWidgetItem*> items = list->findItems(entry, Qt::MatchExactly);
        if (items.isEmpty()) return false;
        list->setCurrentItem(items.first());
        emit list->itemClicked(items.first());
        return true;
    }
    if (auto* tree = qobject_cast<QTreeWidget*>(widget)) {
        const QList<QTreeWidgetItem*> items = tree->findItems(entry, Qt::MatchExactly | Qt::MatchRecursive);
        if (items.isEmpty()) return false;
        tree->setCurrentItem(items.first());
        emit tree->itemClicked(items.first(), 0);
        return true;
    }
    return false;
}

bool typeText(QWidget* widget, const QString& text)
{
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) widget = spin->findChild<QLineEdit*>();
    auto* edit = qobject_cast<QLineEdit*>(widget);
    if (!edit) return false;
    edit->setFocus();
    edit->selectAll();
    edit->insert(text);
    emit edit->editingFinished();
    return true;
}

}  // namespace

EditorDriveScript::EditorDriveScript(QStringList steps, QObject* parent) : QObject(parent), steps_(std::move(steps)) {}

QStringList EditorDriveScript::split(const QString& text) { return text.split(' ', Qt::SkipEmptyParts); }

std::optional<QString> EditorDriveScript::fault(const QStringList& steps)
{
    for (const QString& text : steps) {
        const Step step = parse(text);
        bool ok = !step.name.isEmpty();
        if (step.verb == "ticks")
            step.name.toInt(&ok);
        else if (step.verb == "key" || step.verb == "press" || step.verb == "release") {
            for (const QString& key : step.value.split(',')) ok = ok && keyNamed(key).has_value();
        } else if (step.verb == "pick" || step.verb == "grab")
            ok = ok && !step.value.isEmpty();
        else if (step.verb == "mouse" || step.verb == "move")
            ok = ok && mouseStep(step.value, step.verb == "move").has_value();
        else if (step.verb == "quit")
            ok = text == "quit";
        else if (step.verb != "menu" && step.verb != "click" && step.verb != "type")
            ok = false;
        if (!ok) return "cannot play the step \"" + text + "\"";
    }
    return std::nullopt;
}

void EditorDriveScript::start()
{
    QTimer::singleShot(0, this, [this] { next(); });
}

// The next step is due before this one plays, so a step that opens a modal dialog does not hold
// the rest back: they run inside the dialog's own event loop.
void EditorDriveScript::next()
{
    if (position_ >= steps_.size()) return;
    const QString step = steps_[position_++];
    const Step parsed = parse(step);
    const int wait = parsed.verb == "ticks" ? std::max(parsed.name.toInt(), 0) * kTickMs : 0;
    QTimer::singleShot(wait, this, [this] { next(); });
    play(step);
}

void EditorDriveScript::stop(const QString& step, const QString& why)
{
    std::fprintf(stderr, "QZ3Dedit: drive step \"%s\": %s\n", qPrintable(step), qPrintable(why));
    position_ = steps_.size();
    QApplication::exit(1);
}

void EditorDriveScript::play(const QString& text)
{
    const Step step = parse(text);
    if (step.verb == "ticks") return;
    if (step.verb == "quit") return QApplication::exit(0);
    if (step.verb == "menu" || (step.verb == "click" && !widgetAt(step.name) && actionNamed(step.name))) {
        QAction* action = actionNamed(step.name);
        if (!action) return stop(text, "no menu item named " + step.name);
        if (!action->isEnabled()) return stop(text, "the menu item " + step.name + " is disabled");
        return action->trigger();
    }
    QWidget* widget = widgetAt(step.name);
    if (step.verb == "click") {
        auto* button = qobject_cast<QAbstractButton*>(widget);
        if (!button) button = dialogButton(step.name);
        if (!button) return stop(text, "no button named " + step.name);
        return button->click();
    }
    if (!widget) return stop(text, "no control named " + step.name);
    if (step.verb == "pick") {
        if (!pickEntry(widget, step.value)) stop(text, step.name + " has no entry " + step.value);
    } else if (step.verb == "type") {
        if (!typeText(widget, step.value)) stop(text, step.name + " is not a text box");
    } else if (step.verb == "mouse") {
        click(widget, *mouseStep(step.value, false));
    } else if (step.verb == "move") {
        sendMouse(widget, QEvent::MouseMove, *mouseStep(step.value, true), Qt::NoButton);
    } else if (step.verb == "grab") {
        if (!widget->grab().save(step.value, "PNG")) stop(text, "cannot write " + step.value);
    } else {
        QWidget* target = widget->focusProxy() ? widget->focusProxy() : widget;
        for (const QString& key : step.value.split(',')) {
            const int code = *keyNamed(key);
            if (step.verb != "release" && triggerShortcut(target, code)) continue;
            if (step.verb != "release") sendKey(target, QEvent::KeyPress, code);
            if (step.verb != "press") sendKey(target, QEvent::KeyRelease, code);
        }
    }
}

}  // namespace qzedit
