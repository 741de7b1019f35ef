#include <gtest/gtest.h>

#include "editor/shell/logic/command_guard.h"
#include "editor/shell/logic/recent_files.h"
#include "editor/shell/logic/side_editor.h"
#include "editor/shell/logic/window_layout.h"
#include "editor/shell/logic/zoom.h"
#include "platform/run_error.h"
#include "tests/support/test_support.h"

using namespace qzedit;

namespace {

TEST(ShellLogic, ZoomHalvesToEvenAndStaysInRange)
{
    EXPECT_EQ(zoomedIn(10), 5);
    EXPECT_EQ(zoomedIn(5), 2);
    EXPECT_EQ(zoomedIn(3), 2);
    EXPECT_EQ(zoomedIn(2), 1);
    EXPECT_EQ(zoomedIn(1), 1);
    EXPECT_EQ(zoomedOut(10), 20);
    EXPECT_EQ(zoomedOut(8192), 16384);
    EXPECT_EQ(zoomedOut(16384), 16384);
}

TEST(ShellLogic, ArrangementAndViewLayoutInTwips)
{
    WindowArrangement a = arrangeWindows(19200, 12000);
    EXPECT_EQ(a.project, (TwipRect {17100, 0, 2000, 2790}));
    EXPECT_EQ(a.properties, (TwipRect {17100, 2890, 2000, 4100}));
    EXPECT_EQ(a.map, (TwipRect {0, 0, 17000, 10600}));
    EXPECT_EQ(a.render, (TwipRect {0, 0, 5325, 4275}));

    MapViewLayout v = mapViewLayout(15000, 9000);
    EXPECT_EQ(v.vScroll, (TwipRect {14625, 0, 255, 8345}));
    EXPECT_EQ(v.hScroll, (TwipRect {0, 8345, 14625, 255}));
    EXPECT_EQ(v.picture, (TwipRect {0, 0, 14624, 8344}));

    PropertyGridLayout g = propertyGridLayout(2000, 4100);
    EXPECT_EQ(g.grid.width, 1900);
    EXPECT_EQ(g.grid.height, 2900);
    EXPECT_EQ(g.nameColumnWidth, 750);
    EXPECT_EQ(g.narrowColumnWidth, 300);
    EXPECT_EQ(g.valueBox.width, 1200);
    EXPECT_EQ(toolListLayout(2000, 2790), (TwipRect {0, 0, 1900, 2290}));
    EXPECT_EQ(twipsToPixels(10600), 707);
    EXPECT_EQ(twipsToPixels(2890), 193);
}

TEST(ShellLogic, RecentFilesLiveInTheCurrentDirectory)
{
    qztest::TempDir dir;
    qztest::ScopedCurrentDir here(dir.path());
    RecentFiles recent;
    recent.load();
    EXPECT_EQ(recent.caption(1), "&1 ");
    EXPECT_EQ(recent.caption(4), "&4 ");
    recent.add("/maps/a.map");
    recent.add("/maps/b.map");
    RecentFiles again;
    again.load();
    EXPECT_EQ(again.path(1), "/maps/b.map");
    EXPECT_EQ(again.path(2), "/maps/a.map");
    EXPECT_EQ(again.caption(2), "&2 /maps/a.map");
    EXPECT_EQ(again.path(3), "");
    EXPECT_NE(qztest::readText(dir.file("mapedit.ini")).find("file1=/maps/b.map"), std::string::npos);
}

TEST(ShellLogic, GuardShowsRunTimeErrorsAndGoesOn)
{
    qztest::MessageRecorder messages;
    bool after = false;
    runGuarded([] { qz::raiseSubscript(); });
    runGuarded([&] { after = true; });
    EXPECT_TRUE(after);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Run-time error '9':\n\nSubscript out of range");
    EXPECT_EQ(messages.messages[0].title, "Quarzite3D Map Editor");
    EXPECT_EQ(messages.messages[0].style, qz::kMsgCritical);
    nya();
    EXPECT_EQ(messages.messages[1].text, "This feature is not yet available. Check back in next version.");
    EXPECT_EQ(messages.messages[1].title, "Not Yet Available");
}

TEST(ShellLogic, SideEditorBoxesAndInsertionPoint)
{
    SideEditor editor;
    int redraws = 0;
    editor.redrawMap = [&] { ++redraws; };
    EXPECT_EQ(editor.text(SideEditor::kX2), "1000");
    editor.takeInsertionPointAsStart();
    EXPECT_EQ(editor.text(SideEditor::kX1), "100");
    editor.setText(SideEditor::kX2, "250.5");
    editor.setText(SideEditor::kY2, "-7");
    editor.moveInsertionPointToEnd();
    EXPECT_EQ(editor.insertX(), 250);
    EXPECT_EQ(editor.insertY(), -7);
    editor.setText(SideEditor::kBackCeilTx, "9");
    editor.setPropertiesOfCurrentSide();
    EXPECT_EQ(editor.segment(0).x2, 250);
    EXPECT_EQ(editor.segment(0).txrBCeil, 9);
    EXPECT_EQ(redraws, 2);

    editor.setText(SideEditor::kH1, "1e12");
    EXPECT_THROW(editor.setPropertiesOfCurrentSide(), qz::RunError);
    EXPECT_EQ(editor.segment(0).x2, 250) << "a box that overflows stores nothing";
    SideEditor other;
    other.selSideDef(0);
    EXPECT_EQ(other.text(SideEditor::kX2), "0");
}

}  // namespace
