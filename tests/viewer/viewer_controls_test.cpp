#include <array>
#include <cstring>

#include "engine/viewer/viewer_resources.h"
#include "tests/viewer/viewer_fixture.h"

namespace viewertest {
namespace {

using namespace engine::viewer;

TEST_F(ViewerTest, CreateMakesTheToolbarWithTheStartButtonAndAnEmptyStatusBar)
{
    openWindow(header());
    ASSERT_TRUE(windows.toolbarCreation.has_value());
    const qz::ToolbarCreation& toolbar = *windows.toolbarCreation;
    EXPECT_EQ(toolbar.id, 0x800u);
    EXPECT_EQ(toolbar.style & qz::TBSTYLE_TOOLTIPS, qz::TBSTYLE_TOOLTIPS);
    EXPECT_EQ(toolbar.style & qz::WS_CHILD, qz::WS_CHILD);
    EXPECT_EQ(toolbar.bitmapCount, 21);
    const std::array<int32_t, 4> sizes {
        toolbar.buttonWidth, toolbar.buttonHeight, toolbar.bitmapWidth, toolbar.bitmapHeight};
    EXPECT_EQ(sizes, (std::array<int32_t, 4> {24, 24, 24, 24}));
    ASSERT_EQ(toolbar.buttons.size(), 1u);
    EXPECT_EQ(toolbar.buttons[0].iBitmap, 0);
    EXPECT_EQ(toolbar.buttons[0].idCommand, 0xC00);
    EXPECT_EQ(toolbar.buttons[0].fsState, qz::TBSTATE_ENABLED);
    EXPECT_EQ(toolbar.bitmap, viewer.toolbarBitmap);

    // The Start image is drawn in the first 24 columns of the strip; the other images are empty.
    std::vector<uint32_t> strip(21 * 24 * 24);
    ASSERT_EQ(GetBitmapBits(toolbar.bitmap, static_cast<int32_t>(strip.size() * 4), strip.data()),
        static_cast<int32_t>(strip.size() * 4));
    int drawn = 0, elsewhere = 0;
    for (size_t k = 0; k < strip.size(); ++k) ((k % (21 * 24)) < 24 ? drawn : elsewhere) += (strip[k] >> 24) != 0;
    EXPECT_GT(drawn, 100);
    EXPECT_EQ(elsewhere, 0);

    EXPECT_EQ(windows.controlMessages.front().target, windows.toolbar);
    EXPECT_EQ(windows.controlMessages.front().message, qz::TB_AUTOSIZE);
    EXPECT_EQ(windows.statusBarId, 200u);
    EXPECT_EQ(windows.statusText, "");
}

TEST_F(ViewerTest, SizePassesTheMessageToTheStatusBarAndTheToolbar)
{
    openWindow(header());
    windows.controlMessages.clear();
    const qz::LPARAM size = qz::MAKELPARAM(800, 600);
    send(qz::WM_SIZE, qz::SIZE_RESTORED, size);
    ASSERT_EQ(windows.controlMessages.size(), 2u);
    EXPECT_EQ(windows.controlMessages[0].target, windows.statusBar);
    EXPECT_EQ(windows.controlMessages[1].target, windows.toolbar);
    for (const SentMessage& sent : windows.controlMessages) {
        EXPECT_EQ(sent.message, qz::WM_SIZE);
        EXPECT_EQ(sent.lParam, size);
    }
}

TEST_F(ViewerTest, TheToolbarTooltipIsTheStringOfItsCommand)
{
    openWindow(header());
    qz::NMTTDISPINFOA request {};
    request.hdr = {windows.toolbar, 0xC00, qz::TTN_GETDISPINFOA};
    send(qz::WM_NOTIFY, 0, reinterpret_cast<qz::LPARAM>(&request));
    ASSERT_NE(request.lpszText, nullptr);
    EXPECT_STREQ(request.lpszText, "Start QZ3D engine");

    qz::NMTTDISPINFOA other {};
    other.hdr = {windows.toolbar, 0xC00, -12};
    send(qz::WM_NOTIFY, 0, reinterpret_cast<qz::LPARAM>(&other));
    EXPECT_EQ(other.lpszText, nullptr) << "other notifications are not answered";
}

TEST_F(ViewerTest, AHighlightedMenuItemShowsItsStringInTheStatusBar)
{
    openWindow(header());
    const std::pair<uint32_t, const char*> strings[] = {{0xC00, "Start QZ3D engine"}, {0xC01, "View Size 640 x 320"},
        {0xC02, "View Size 320 x 200"}, {0xC03, "View Size 640 x 200"}, {0xC04, "Exit Vaskell"},
        {0xC05, "Cut to clipboard"}, {0xC06, "Copy to clipboard"}, {0xC07, "Paste from clipboard"}, {0xC08, "Help"},
        {0xC09, "About Quarzite3D"}};
    for (const auto& [id, text] : strings) {
        send(qz::WM_MENUSELECT, qz::MAKEWPARAM(id, qz::MF_HILITE), 0);
        EXPECT_EQ(windows.statusText, text) << std::hex << id;
    }
    send(qz::WM_MENUSELECT, qz::MAKEWPARAM(0, qz::MF_POPUP | qz::MF_HILITE), 0);
    EXPECT_EQ(windows.statusText, "") << "a popup title has no string";
    send(qz::WM_MENUSELECT, qz::MAKEWPARAM(0xC00, qz::MF_HILITE), 0);
    send(qz::WM_MENUSELECT, qz::MAKEWPARAM(0, qz::kMenuClosed), 0);
    EXPECT_EQ(windows.statusText, "") << "a closed menu clears the text";
}

TEST_F(ViewerTest, CommandsWithoutActionGoToDefaultProcessing)
{
    openAndStart();
    const uint32_t frames = static_cast<uint32_t>(s().frameCount);
    for (uint32_t id : {0xC01u, 0xC02u, 0xC03u, 0xC07u, 0xC08u, 0xC09u}) command(id);
    EXPECT_EQ(windows.defaultProcessed, std::vector<uint32_t>(6, qz::WM_COMMAND));
    EXPECT_EQ(static_cast<uint32_t>(s().frameCount), frames);
    EXPECT_TRUE(messages.messages.empty());
}

TEST(ViewerResources, TheMenuHasTheTextsLabelsAndGreyedItemOfTheTable)
{
    const qz::ImageResources resources = viewerResources();
    const qz::MenuResource& menu = resources.menus.at("MAINMENU");
    ASSERT_EQ(menu.popups.size(), 3u);
    EXPECT_EQ(menu.popups[0].text, "&File");
    EXPECT_EQ(menu.popups[1].text, "&Edit");
    EXPECT_EQ(menu.popups[2].text, "&Help");
    EXPECT_FALSE(menu.popups[0].alignRight || menu.popups[1].alignRight);
    EXPECT_TRUE(menu.popups[2].alignRight);

    auto describe = [](const qz::PopupMenuResource& popup) {
        std::vector<std::string> items;
        for (const qz::MenuItemResource& item : popup.items)
            items.push_back(item.separator ? std::string("-")
                                           : std::to_string(item.id) + (item.greyed ? " grey " : " ") + item.text);
        return items;
    };
    EXPECT_EQ(describe(menu.popups[0]),
        (std::vector<std::string> {"3072 &Start Quarzite3D\tCtrl+N", "3073 &Open\tCtrl+O", "3074 grey &Close", "-",
            "3075 &Save\tCtrl+S", "-", "3076 E&xit\tAlt+F4"}));
    EXPECT_EQ(describe(menu.popups[1]),
        (std::vector<std::string> {"3077 Cut\tCtrl+X", "3078 Copy\tCtrl+C", "3079 Paste\tCtrl+V"}));
    EXPECT_EQ(describe(menu.popups[2]), (std::vector<std::string> {"3080 &Help\tF1", "-", "3081 &About"}));
    EXPECT_EQ(resources.strings.size(), 10u);
    EXPECT_EQ(resources.icons.at("PROGRAM").width, 24);
}

TEST(ViewerResources, LoadStringCopiesIntoTheBufferAndTruncates)
{
    std::array<char, 8> buffer {};
    EXPECT_EQ(LoadStringA(viewerInstance(), 0xC04, buffer.data(), 8), 7);
    EXPECT_STREQ(buffer.data(), "Exit Va");
    EXPECT_EQ(LoadStringA(viewerInstance(), 0x123, buffer.data(), 8), 0);
    EXPECT_STREQ(buffer.data(), "");
    EXPECT_EQ(LoadStringA(viewerInstance() + 99, 0xC04, buffer.data(), 8), 0) << "another instance";
}

}  // namespace
}  // namespace viewertest
