#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include "editor/document/map_document.h"
#include "editor/model/clsMap.h"
#include "editor/wizards/frm_col_wizard.h"
#include "editor/wizards/frm_passage_wizard.h"
#include "editor/wizards/frm_room_wizard.h"
#include "editor/wizards/frm_shape_wizard.h"
#include "editor/wizards/frm_split_wall.h"
#include "editor/wizards/frm_stair_wizard.h"
#include "tests/support/test_support.h"

using namespace qzedit;

namespace {

struct DialogFixture : ::testing::Test {
    clsMap map;
    MapDocument document {map};
    qztest::MessageRecorder messages;

    template <typename T = QWidget>
    static T* control(QWidget& dialog, const char* name)
    {
        T* found = dialog.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QString text(QWidget& dialog, const char* name) { return control<QLineEdit>(dialog, name)->text(); }
    static QString caption(QWidget& dialog, const char* name) { return control<QLabel>(dialog, name)->text(); }
    static void click(QWidget& dialog, const char* name)
    {
        QTest::mouseClick(control<QPushButton>(dialog, name), Qt::LeftButton);
    }
    static void type(QWidget& dialog, const char* name, const QString& value)
    {
        QLineEdit* box = control<QLineEdit>(dialog, name);
        box->clear();
        QTest::keyClicks(box, value);
    }
    static void expectButtons(QWidget& dialog)
    {
        auto* finish = control<QPushButton>(dialog, "cmdOK");
        EXPECT_EQ(finish->text(), "&Finish");
        EXPECT_TRUE(finish->isDefault());
        EXPECT_EQ(control<QPushButton>(dialog, "cmdCancel")->text(), "&Cancel");
    }
};

}  // namespace

TEST_F(DialogFixture, RoomWizardControlsLabelsAndDefaults)
{
    frmRoomWizard dialog(document);
    EXPECT_EQ(dialog.windowTitle(), "Room Wizard");
    auto* list = control<QListWidget>(dialog, "List1");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "Empty room");
    EXPECT_EQ(list->item(1)->text(), "Multi-pillar room");
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(control<QCheckBox>(dialog, "chkNewMap")->text(), "New Map");
    EXPECT_FALSE(control<QCheckBox>(dialog, "chkNewMap")->isChecked());
    const std::pair<const char*, const char*> boxes[] = {{"txtStartX", "1800"},    {"txtStartY", "1000"},
                                                          {"txtNumSides", "4"},     {"txtSideLen", "1400"},
                                                          {"txtNumPillars", "4"},   {"txtNumPillarSides", "5"},
                                                          {"txtNumColumns", "2"},   {"txtCeilingHeight", "264"}};
    for (auto [name, value] : boxes) EXPECT_EQ(text(dialog, name), value) << name;
    const std::pair<const char*, const char*> labels[] = {
        {"lblRoomType", "Room Type:"},     {"lblBegin", "Begin (x,y):"},          {"lblNumSides", "Num Sides"},
        {"lblSideLen", "Side length:"},    {"lblNumPillars", "# pillars"},       {"lblNumPillarSides", "# of pillar sides"},
        {"lblNumColumns", "# columns"},    {"lblCeilingHeight", "Ceiling height:"}};
    for (auto [name, value] : labels) EXPECT_EQ(caption(dialog, name), value) << name;
    expectButtons(dialog);
}

TEST_F(DialogFixture, RoomWizardTakesTheInsertionPointOnEachActivationAndKeepsTheRest)
{
    frmRoomWizard dialog(document);
    map.insertX = 250;
    map.insertY = 350;
    dialog.show();
    EXPECT_EQ(text(dialog, "txtStartX"), "250");
    EXPECT_EQ(text(dialog, "txtStartY"), "350");
    type(dialog, "txtNumSides", "6");
    click(dialog, "cmdCancel");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(map.numWalls, 0);

    map.insertX = -40;
    dialog.show();
    EXPECT_EQ(text(dialog, "txtStartX"), "-40");
    EXPECT_EQ(text(dialog, "txtNumSides"), "6");
    control<QListWidget>(dialog, "List1")->setCurrentRow(1);
    control<QCheckBox>(dialog, "chkNewMap")->setChecked(true);
    type(dialog, "txtNumPillars", "1");
    type(dialog, "txtNumColumns", "0");
    click(dialog, "cmdOK");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(map.numWalls, 5 + 6);
    EXPECT_EQ(map.wallRecord(0).x1, 160);
    EXPECT_EQ(map.wallRecord(0).y1, 600);
    EXPECT_FALSE(control<QCheckBox>(dialog, "chkNewMap")->isChecked());
}

TEST_F(DialogFixture, RoomWizardWithoutARoomTypeStaysOpen)
{
    frmRoomWizard dialog(document);
    dialog.show();
    control<QListWidget>(dialog, "List1")->clearSelection();
    click(dialog, "cmdOK");
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "No room type selected.");
    type(dialog, "txtStartX", "99999");
    control<QListWidget>(dialog, "List1")->setCurrentRow(0);
    click(dialog, "cmdOK");
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[1].text, "\"Begin (x,y)\" must be a number from -32768 to 32767.");
    EXPECT_EQ(map.numWalls, 0);
}

TEST_F(DialogFixture, ColumnAndStairWizardsShowTheirDefaults)
{
    frmColWizard column(document);
    EXPECT_EQ(column.windowTitle(), "Column Wizard");
    const std::pair<const char*, const char*> columnBoxes[] = {{"txtStartX", "1800"}, {"txtStartY", "1000"},
                                                               {"txtNumSides", "5"},  {"txtSideLen", "50"},
                                                               {"txtHeight", "264"},  {"txtTexture", "6"},
                                                               {"txtFlags", "0"}};
    for (auto [name, value] : columnBoxes) EXPECT_EQ(text(column, name), value) << name;
    EXPECT_EQ(caption(column, "lblTexture"), "Texture #");
    EXPECT_EQ(caption(column, "lblFlags"), "Texture type");
    expectButtons(column);
    column.show();
    EXPECT_EQ(text(column, "txtStartX"), "100");
    click(column, "cmdOK");
    EXPECT_EQ(map.numWalls, 5);

    frmStairWizard stairs(document);
    EXPECT_EQ(stairs.windowTitle(), "Stair Wizard");
    EXPECT_EQ(caption(stairs, "lblTitle"), "Stair Wizard");
    EXPECT_EQ(control<QLabel>(stairs, "lblTitle")->font().family(), "Arial");
    const std::pair<const char*, const char*> stairBoxes[] = {{"txtHeightInc", "25"}, {"txtStartX", "2300"},
                                                              {"txtStartY", "1500"}, {"txtStairWidth", "50"},
                                                              {"txtNumStairs", "8"}};
    for (auto [name, value] : stairBoxes) EXPECT_EQ(text(stairs, name), value) << name;
    EXPECT_EQ(caption(stairs, "lblNumStairs"), "# stairs");
    expectButtons(stairs);
    map.insertY = 900;
    stairs.show();
    EXPECT_EQ(text(stairs, "txtStartY"), "900");
    type(stairs, "txtNumStairs", "2");
    click(stairs, "cmdOK");
    EXPECT_FALSE(stairs.isVisible());
    EXPECT_EQ(map.numWalls, 5 + 8);
}

TEST_F(DialogFixture, PassageWizardShowsTheSelectedWallAndItsProposals)
{
    map.addWall(0, 0, 90, 0, 0, -1);
    map.addWall(90, 10, 0, 10, 0, -1);
    map.selWallNum = 0;
    frmPassageWizard dialog(document, [] { return std::vector<std::string> {"Wall #0", "Wall #1"}; });
    EXPECT_EQ(dialog.windowTitle(), "Passage Wizard");
    EXPECT_EQ(control<QGroupBox>(dialog, "Frame1")->title(), "Current wall information");
    EXPECT_EQ(caption(dialog, "Label2"), "Passage height:");
    EXPECT_EQ(control<QCheckBox>(dialog, "chkSplitWall")->text(), "Triple split current wall");
    expectButtons(dialog);
    dialog.show();
    EXPECT_EQ(caption(dialog, "lblWallHeight"), "120");
    EXPECT_EQ(caption(dialog, "lblStartHeight"), "8");
    EXPECT_EQ(caption(dialog, "lblEndHeight"), "128");
    EXPECT_EQ(text(dialog, "txtHeight"), "48");
    EXPECT_EQ(text(dialog, "txtStartHeight"), "8");
    click(dialog, "cmdOK");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(map.numWalls, 6);
}

TEST_F(DialogFixture, SplitWallDoubleAddsOneWallAndTripleTwo)
{
    map.addWall(0, 0, 90, 0, 0, -1);
    map.selWallNum = 0;
    frmSplitWall dialog(document);
    EXPECT_EQ(dialog.windowTitle(), "Split Wall");
    EXPECT_EQ(caption(dialog, "Label1"), "Split Type:");
    EXPECT_EQ(control<QRadioButton>(dialog, "optSplit")->text(), "Double split (two lines)");
    EXPECT_EQ(control<QRadioButton>(dialog, "Option1")->text(), "Triple split (three lines)");
    EXPECT_TRUE(control<QRadioButton>(dialog, "optSplit")->isChecked());
    expectButtons(dialog);
    dialog.show();
    click(dialog, "cmdOK");
    EXPECT_EQ(map.numWalls, 2);
    dialog.show();
    control<QRadioButton>(dialog, "Option1")->click();
    click(dialog, "cmdOK");
    EXPECT_EQ(map.numWalls, 4);
    dialog.show();
    click(dialog, "cmdCancel");
    EXPECT_EQ(map.numWalls, 4);
}

TEST_F(DialogFixture, ShapeWizardListsPreviewsAndCreates)
{
    qztest::TempDir folder;
    qztest::writeText(folder.file("lower.xml"), "<qzshape version 2.1>\n<wall>0,0,50,0</wall>");
    qztest::writeText(folder.file("rooms.xml"), "<QZSHAPE><AREA><WALL>0,0,0,30</WALL></AREA><AREA>");
    frmShapeWizard dialog(document, folder.path());
    EXPECT_EQ(dialog.windowTitle(), "Shape Wizard");
    auto* list = control<QComboBox>(dialog, "cmbShapes");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(0), "lower.xml");
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_EQ(control<QPushButton>(dialog, "cmdPreview")->text(), "Preview");
    EXPECT_EQ(control<QPushButton>(dialog, "cmdCreate")->text(), "Create");
    EXPECT_NE(control<QTableWidget>(dialog, "grdUserVars"), nullptr);
    auto* preview = control<ShapePreview>(dialog, "pctPreview");
    dialog.show();
    click(dialog, "cmdPreview");
    const double w = preview->width();
    const double h = preview->height();
    EXPECT_EQ(preview->lines(), (std::vector<PreviewLine> {{0, h / 2, w, h / 2},
                                                           {w / 2, 0, w / 2, h},
                                                           {w / 2, h / 2, w / 2 + 50, h / 2}}));
    EXPECT_TRUE(dialog.isVisible());

    list->setCurrentIndex(1);
    click(dialog, "cmdPreview");
    EXPECT_EQ(messages.beeps, 2);
    map.insertX = 10;
    map.insertY = 20;
    click(dialog, "cmdCreate");
    EXPECT_EQ(messages.beeps, 4);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_EQ(map.numWalls, 1);
    EXPECT_EQ(map.wallRecord(0).y2, 50);
    EXPECT_EQ(map.numAreas, 0);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(DialogFixture, ShapeWizardOnAnEmptyFolderSaysSo)
{
    qztest::TempDir folder;
    frmShapeWizard dialog(document, folder.path());
    EXPECT_EQ(control<QComboBox>(dialog, "cmbShapes")->count(), 0);
    EXPECT_EQ(caption(dialog, "lblNoShapes").toStdString(), "No shape files (*.xml) in " + folder.path() + ".");
    EXPECT_FALSE(control<QPushButton>(dialog, "cmdCreate")->isEnabled());
    EXPECT_FALSE(control<QPushButton>(dialog, "cmdPreview")->isEnabled());
}
