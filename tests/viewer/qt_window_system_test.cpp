#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <vector>

#include "platform/gdi_drawing.h"
#include "platform/qt/qt_client_area.h"
#include "platform/qt/qt_drive_script.h"
#include "platform/qt/qt_host_window.h"
#include "platform/qt/qt_window_system.h"
#include "platform/window_resources.h"

namespace {

struct Received {
    uint32_t message;
    qz::WPARAM wParam;
    qz::LPARAM lParam;
};

std::vector<Received> received;
qz::Handle toolbar = 0, statusBar = 0;
std::string tooltipText = "Go";

// A window procedure that makes a toolbar and a status bar as the viewer does and records the rest.
qz::LRESULT recordingProcedure(qz::Handle window, uint32_t message, qz::WPARAM wParam, qz::LPARAM lParam)
{
    received.push_back({message, wParam, lParam});
    if (message == qz::WM_CREATE) {
        static const qz::Handle bitmap = [] {
            qz::BITMAPINFO info {};
            info.bmiHeader = {40, 48, -24, 1, 32, qz::kBiRgb, 0, 0, 0, 0, 0};
            void* bits = nullptr;
            return CreateDIBSection(0, &info, qz::kDibRgbColors, &bits, 0, 0);
        }();
        const qz::TBBUTTON button {1, 0x123, qz::TBSTATE_ENABLED, qz::TBSTYLE_BUTTON, 0, 0};
        toolbar = CreateToolbarEx(window, qz::WS_CHILD | qz::TBSTYLE_TOOLTIPS, 0x800, 2, 0, bitmap, &button, 1, 24, 24,
            24, 24, sizeof(qz::TBBUTTON));
        statusBar = CreateStatusWindowA(0, "ready", window, 200);
        return 0;
    }
    if (message == qz::WM_SIZE) {
        SendMessageA(statusBar, qz::WM_SIZE, wParam, lParam);
        SendMessageA(toolbar, qz::WM_SIZE, wParam, lParam);
    }
    if (message == qz::WM_NOTIFY) reinterpret_cast<qz::NMTTDISPINFOA*>(lParam)->lpszText = tooltipText.c_str();
    return DefWindowProcA(window, message, wParam, lParam);
}

std::vector<uint32_t> messagesOf(uint32_t message)
{
    std::vector<uint32_t> found;
    for (const Received& r : received)
        if (r.message == message) found.push_back(static_cast<uint32_t>(r.wParam));
    return found;
}

qz::ImageResources testResources()
{
    qz::ImageResources resources;
    qz::MenuResource menu;
    menu.popups.push_back(
        {"&File", {{0x10, "&Go\tCtrl+G", false, false}, {0, "", false, true}, {0x11, "&Stop", true, false}}, false});
    menu.popups.push_back({"&Help", {{0x20, "&About", false, false}}, true});
    resources.menus["MENU"] = menu;
    resources.icons["ICON"] = {2, 2, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF}};
    return resources;
}

class QtWindowSystemTest : public ::testing::Test {
protected:
    void open(int scale)
    {
        system = std::make_unique<qz::QtWindowSystem>(scale);
        previous = qz::setWindowSystem(system.get());
        received.clear();
        static const qz::Handle instance = qz::registerImageResources(testResources());
        const qz::WNDCLASSA windowClass {0, recordingProcedure, instance, LoadIconA(instance, "ICON"),
            GetStockObject(qz::WHITE_BRUSH), nullptr, "TESTCLASS"};
        ASSERT_NE(RegisterClassA(&windowClass), 0);
        window = CreateWindowExA(0, "TESTCLASS", "Test window", qz::WS_OVERLAPPEDWINDOW, qz::CW_USEDEFAULT,
            qz::CW_USEDEFAULT, 300, 200, 0, LoadMenuA(instance, "MENU"), instance, nullptr);
        ASSERT_NE(window, 0u);
        ShowWindow(window, qz::SW_SHOWNORMAL);
        host = system->window(window);
        ASSERT_NE(host, nullptr);
        QApplication::processEvents();
    }

    void TearDown() override
    {
        qz::setWindowSystem(previous);
        system.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void key(QEvent::Type type, int qtKey, bool autoRepeat = false)
    {
        QKeyEvent event(type, qtKey, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(host->client(), &event);
    }

    std::unique_ptr<qz::QtWindowSystem> system;
    qz::WindowSystem* previous = nullptr;
    qz::Handle window = 0;
    qz::QtHostWindow* host = nullptr;
};

TEST_F(QtWindowSystemTest, TheMenuBarShowsTheResourceWithLabelsButNoAccelerators)
{
    open(1);
    EXPECT_EQ(host->windowTitle(), "Test window");
    EXPECT_FALSE(host->windowIcon().isNull());
    ASSERT_EQ(received.front().message, qz::WM_CREATE);
    auto* file = host->findChild<QMenu*>("mnuFile");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->title(), "&File");
    auto* go = host->findChild<QAction*>("0x10");
    auto* stop = host->findChild<QAction*>("0x11");
    ASSERT_TRUE(go && stop);
    EXPECT_EQ(go->text(), "&Go\tCtrl+G");
    EXPECT_TRUE(go->shortcut().isEmpty());
    EXPECT_FALSE(stop->isEnabled());
    EXPECT_EQ(file->actions().size(), 3);
    EXPECT_TRUE(file->actions()[1]->isSeparator());
    auto* right = qobject_cast<QMenuBar*>(host->menuBar()->cornerWidget(Qt::TopRightCorner));
    ASSERT_NE(right, nullptr) << "Help sits at the right end";
    EXPECT_EQ(right->actions().size(), 1);
    EXPECT_EQ(right->actions()[0]->text(), "&Help");
}

TEST_F(QtWindowSystemTest, MenuItemsSendMenuSelectWhileHighlightedAndCommandWhenChosen)
{
    open(1);
    received.clear();
    host->findChild<QAction*>("0x10")->hover();
    host->findChild<QAction*>("0x10")->trigger();
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].message, qz::WM_MENUSELECT);
    EXPECT_EQ(received[0].wParam, qz::MAKEWPARAM(0x10, qz::MF_HILITE));
    EXPECT_EQ(received[1].message, qz::WM_COMMAND);
    EXPECT_EQ(received[1].wParam, qz::MAKEWPARAM(0x10, 0));
}

TEST_F(QtWindowSystemTest, ChoosingAnItemWithTheMouseClosesTheMenuBeforeTheCommand)
{
    open(1);
    auto* file = host->findChild<QMenu*>("mnuFile");
    auto* go = host->findChild<QAction*>("0x10");
    file->popup(host->mapToGlobal(QPoint(10, 10)));
    QApplication::processEvents();
    received.clear();
    QTest::mouseClick(file, Qt::LeftButton, {}, file->actionGeometry(go).center());
    QApplication::processEvents();
    ASSERT_GE(received.size(), 2u);
    EXPECT_EQ(received.back().message, qz::WM_COMMAND) << "a status text the command sets stays";
    const Received& closed = received[received.size() - 2];
    EXPECT_EQ(closed.message, qz::WM_MENUSELECT);
    EXPECT_EQ(qz::HIWORD(closed.wParam), qz::kMenuClosed);
}

TEST_F(QtWindowSystemTest, KeysBecomeKeyMessagesAndAHeldKeyRepeatsItsKeyDownUntilReleased)
{
    open(1);
    received.clear();
    // A held key auto-repeats as a release and a press, both marked as repeats.
    key(QEvent::KeyPress, Qt::Key_Up);
    key(QEvent::KeyRelease, Qt::Key_Up, true);
    key(QEvent::KeyPress, Qt::Key_Up, true);
    key(QEvent::KeyRelease, Qt::Key_Up);
    key(QEvent::KeyPress, Qt::Key_Tab);
    key(QEvent::KeyPress, Qt::Key_Backtab);
    key(QEvent::KeyPress, Qt::Key_N);
    key(QEvent::KeyPress, Qt::Key_PageUp);
    key(QEvent::KeyRelease, Qt::Key_PageUp, true);
    key(QEvent::KeyPress, Qt::Key_PageUp, true);
    key(QEvent::KeyRelease, Qt::Key_PageUp);
    key(QEvent::KeyPress, Qt::Key_Return);
    EXPECT_EQ(messagesOf(qz::WM_KEYDOWN), (std::vector<uint32_t> {qz::VK_UP, qz::VK_UP, qz::VK_TAB, qz::VK_TAB, 'N',
                                              qz::VK_PRIOR, qz::VK_PRIOR, qz::VK_RETURN}));
    EXPECT_EQ(messagesOf(qz::WM_KEYUP), (std::vector<uint32_t> {qz::VK_UP, qz::VK_PRIOR}))
        << "a held key goes up once, when it is let go";
    // As on the desktop the viewer was written for, bit 30 of a repeat says the key was already down.
    std::vector<bool> alreadyDown;
    for (const Received& r : received)
        if (r.message == qz::WM_KEYDOWN) alreadyDown.push_back((r.lParam >> 30) & 1);
    EXPECT_EQ(alreadyDown, (std::vector<bool> {false, true, false, false, false, false, true, false}));
    EXPECT_TRUE(host->client()->hasFocus()) << "Tab stays with the window";
}

TEST_F(QtWindowSystemTest, TimersTickUntilKilled)
{
    open(1);
    ASSERT_EQ(SetTimer(window, 7, 10, nullptr), 7u);
    received.clear();
    QElapsedTimer clock;
    clock.start();
    while (messagesOf(qz::WM_TIMER).size() < 3 && clock.elapsed() < 5000) QTest::qWait(5);
    EXPECT_GE(messagesOf(qz::WM_TIMER).size(), 3u);
    EXPECT_EQ(messagesOf(qz::WM_TIMER).front(), 7u);
    EXPECT_EQ(KillTimer(window, 7), 1);
    received.clear();
    QTest::qWait(50);
    EXPECT_TRUE(messagesOf(qz::WM_TIMER).empty());
    EXPECT_EQ(KillTimer(window, 7), 0);
}

TEST_F(QtWindowSystemTest, TheClientAreaIsADeviceContextShownAtTheScale)
{
    open(2);
    const qz::Handle dc = GetDC(window);
    ASSERT_NE(dc, 0u);
    EXPECT_EQ(host->client()->surface().width(), host->client()->width() / 2);
    const qz::RECT spot {3, 4, 5, 6};
    const qz::Handle brush = CreateSolidBrush(qz::RGB(10, 200, 30));
    ASSERT_EQ(FillRect(dc, &spot, brush), 1);
    DeleteBrush(brush);
    EXPECT_EQ(ReleaseDC(window, dc), 1);
    const QImage shown = host->client()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(6, 8), QColor(10, 200, 30));
    EXPECT_EQ(shown.pixelColor(9, 11), QColor(10, 200, 30));
    EXPECT_EQ(shown.pixelColor(10, 12), QColor(Qt::white)) << "the class's white background";
    EXPECT_EQ(shown.pixelColor(5, 7), QColor(Qt::white));
}

TEST_F(QtWindowSystemTest, ASizeMessageFollowsTheClientAreaAndTheBarsFollowTheSize)
{
    open(1);
    host->resize(420, 300);
    QApplication::processEvents();
    const Received& size = received.back();
    EXPECT_EQ(size.message, qz::WM_SIZE);
    EXPECT_EQ(qz::LOWORD(static_cast<uintptr_t>(size.lParam)), static_cast<uint32_t>(host->client()->width()));
    EXPECT_EQ(qz::HIWORD(static_cast<uintptr_t>(size.lParam)), static_cast<uint32_t>(host->client()->height()));
    auto* status = host->findChild<QStatusBar*>("statusBar");
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->geometry().bottom(), host->client()->height() - 1);
    EXPECT_EQ(status->width(), host->client()->width());
    EXPECT_EQ(host->findChild<QWidget*>("toolbar")->geometry().top(), 0);
}

TEST_F(QtWindowSystemTest, TheToolbarSendsCommandsAndAsksForTooltipsAndTheStatusBarTakesText)
{
    open(1);
    auto* button = host->findChild<QToolButton*>("button_123");
    ASSERT_NE(button, nullptr);
    received.clear();
    button->click();
    ASSERT_EQ(messagesOf(qz::WM_COMMAND), std::vector<uint32_t> {qz::MAKEWPARAM(0x123, 0)});
    EXPECT_EQ(static_cast<qz::Handle>(received.back().lParam), toolbar);

    received.clear();
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(button, &help);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].message, qz::WM_NOTIFY);

    auto* text = host->findChild<QLabel*>("statusText");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(), "ready");
    SendMessageA(statusBar, qz::SB_SETTEXTA, 0, reinterpret_cast<qz::LPARAM>("caf\xE9"));
    EXPECT_EQ(text->text(), QString::fromUtf8("café")) << "Windows-1252 texts";
}

TEST_F(QtWindowSystemTest, ClosingAsksTheProcedureAndDefaultProcessingDestroys)
{
    open(1);
    SetTimer(window, 1, 10, nullptr);
    received.clear();
    host->close();
    EXPECT_EQ(messagesOf(qz::WM_CLOSE).size(), 1u);
    EXPECT_EQ(messagesOf(qz::WM_DESTROY).size(), 1u);
    EXPECT_EQ(system->window(window), nullptr);
    EXPECT_EQ(GetDC(window), 0u);
    EXPECT_EQ(KillTimer(window, 1), 0) << "the window's timers went with it";
}

TEST(QtDriveScript, RefusesStepsItCannotPlay)
{
    EXPECT_EQ(qz::QtDriveScript::fault({"command:0xC00", "press:Up", "ticks:20", "release:Up", "grab:x.png", "close"}),
        std::nullopt);
    EXPECT_EQ(qz::QtDriveScript::fault({"press:PageUp", "repeat:PageUp", "release:PageUp"}), std::nullopt);
    EXPECT_TRUE(qz::QtDriveScript::fault({"press:Banana"}).has_value());
    EXPECT_TRUE(qz::QtDriveScript::fault({"repeat:Banana"}).has_value());
    EXPECT_TRUE(qz::QtDriveScript::fault({"ticks:many"}).has_value());
    EXPECT_TRUE(qz::QtDriveScript::fault({"command:0xZZ"}).has_value());
    EXPECT_TRUE(qz::QtDriveScript::fault({"jump"}).has_value());
}

}  // namespace
