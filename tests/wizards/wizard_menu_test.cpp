#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <memory>

#include "editor/model/clsMap.h"
#include "editor/shell/logic/startup_log.h"
#include "editor/shell/mdi_form1.h"
#include "tests/shell/fake_file_dialogs.h"
#include "tests/shell/project_tree_walls.h"
#include "tests/support/test_support.h"

using namespace qzedit;

namespace {

// The real main window in a folder of its own, its wizard items triggered as a person would.
struct WizardMenu : ::testing::Test {
    WizardMenu() : here(dir.path())
    {
        log.open();
        form = std::make_unique<MDIForm1>(log, &dialogs);
    }

    QAction* action(const char* name) const { return form->findChild<QAction*>(name); }
    // Triggers the item; answer gets the modal dialog it opens.
    void trigger(const char* name, const std::function<void(QWidget&)>& answer = {})
    {
        if (answer)
            QTimer::singleShot(0, [answer] {
                QWidget* dialog = QApplication::activeModalWidget();
                ASSERT_NE(dialog, nullptr);
                answer(*dialog);
            });
        action(name)->trigger();
    }
    int listedWalls() const
    {
        return static_cast<int>(wallNodeTexts(*form->findChild<QTreeWidget*>("TreeView1")).size());
    }

    qztest::TempDir dir;
    qztest::ScopedCurrentDir here;
    qztest::MessageRecorder messages;
    FakeFileDialogs dialogs;
    StartupLog log;
    std::unique_ptr<MDIForm1> form;
};

void finish(QWidget& dialog) { dialog.findChild<QPushButton*>("cmdOK")->click(); }

}  // namespace

TEST_F(WizardMenu, EveryWizardItemIsEnabled)
{
    for (const char* name : {"itmRoomWizard", "itmShapeWizard", "itmColWizard", "itmSplitWall", "itmStairWizard",
                             "itmSwitchWizard", "itmPassageWizard", "itmCaveWizard"}) {
        ASSERT_NE(action(name), nullptr) << name;
        EXPECT_TRUE(action(name)->isEnabled()) << name;
        EXPECT_TRUE(action(name)->isVisible()) << name;
    }
}

TEST_F(WizardMenu, TheRoomWizardBuildsAndTheProjectTreeListsTheWalls)
{
    trigger("itmRoomWizard", [](QWidget& dialog) {
        EXPECT_EQ(dialog.objectName(), "frmRoomWizard");
        finish(dialog);
    });
    EXPECT_EQ(form->map().numWalls, 4);
    EXPECT_EQ(listedWalls(), 4);
    EXPECT_EQ(form->document().undoName(), "Room Wizard");
    // The dialog is kept: the second opening finds the same one.
    QWidget* first = form->findChild<QWidget*>("frmRoomWizard");
    trigger("itmRoomWizard", [first](QWidget& dialog) {
        EXPECT_EQ(&dialog, first);
        dialog.findChild<QPushButton*>("cmdCancel")->click();
    });
    EXPECT_EQ(form->map().numWalls, 4);
}

TEST_F(WizardMenu, CaveAndSwitchBuildAtOnceAtTheInsertionPoint)
{
    trigger("itmCaveWizard");
    trigger("itmSwitchWizard");
    EXPECT_EQ(form->map().numWalls, 16);
    EXPECT_EQ(form->map().numAreas, 4);
    EXPECT_EQ(listedWalls(), 16);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(WizardMenu, SplitAndPassageAskForTheirSelectionFirst)
{
    trigger("itmSplitWall");
    trigger("itmPassageWizard");
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].title, "No wall selected");
    EXPECT_EQ(messages.messages[1].title, "Wall not selected");

    trigger("itmStairWizard", [](QWidget& dialog) { finish(dialog); });
    ASSERT_EQ(form->map().numWalls, 32);
    form->selectWall(0);
    trigger("itmSplitWall", [](QWidget& dialog) {
        dialog.findChild<QRadioButton*>("Option1")->click();
        finish(dialog);
    });
    EXPECT_EQ(form->map().numWalls, 34);
    EXPECT_EQ(listedWalls(), 34);
}

TEST_F(WizardMenu, ThePassageIsCutBetweenTheTwoWallsOfTheSelectList)
{
    trigger("itmColWizard", [](QWidget& dialog) { finish(dialog); });
    ASSERT_EQ(form->map().numWalls, 5);
    form->selectWall(0);
    form->map().shell().addSelectItem("Wall #2");
    trigger("itmPassageWizard", [](QWidget& dialog) {
        EXPECT_EQ(dialog.objectName(), "frmPassageWizard");
        finish(dialog);
    });
    EXPECT_EQ(form->map().numWalls, 9);
    EXPECT_EQ(listedWalls(), 9);
    EXPECT_EQ(form->document().undoName(), "Passage Wizard");
}

TEST_F(WizardMenu, TheShapeWizardListsTheProgramsOwnShapes)
{
    trigger("itmShapeWizard", [](QWidget& dialog) {
        EXPECT_EQ(dialog.objectName(), "frmShapeWizard");
        dialog.findChild<QPushButton*>("cmdCreate")->click();
    });
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_GT(form->map().numWalls, 0);
    EXPECT_EQ(listedWalls(), form->map().numWalls);
}
