#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "editor/shell/editor_drive_script.h"

using qzedit::EditorDriveScript;

namespace {

// A wizard-like modal dialog: a text box, a combo box, a list and OK, each by its name.
class WizardDialog : public QDialog {
public:
    WizardDialog()
    {
        setObjectName("frmTestWizard");
        auto* column = new QVBoxLayout(this);
        txtWidth->setObjectName("txtWidth");
        cboTexture->setObjectName("cboTexture");
        cboTexture->addItems({"brick", "stone", "wood"});
        lstShapes->setObjectName("lstShapes");
        lstShapes->addItems({"square", "star"});
        cmdOK->setObjectName("cmdOK");
        for (QWidget* w : std::initializer_list<QWidget*> {txtWidth, cboTexture, lstShapes, cmdOK}) column->addWidget(w);
        connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    }
    QLineEdit* txtWidth = new QLineEdit("64");
    QComboBox* cboTexture = new QComboBox;
    QListWidget* lstShapes = new QListWidget;
    QPushButton* cmdOK = new QPushButton("OK");
};

// Plays the steps in a window whose button opens the dialog modally; returns the exit status.
struct DriveFixture : ::testing::Test {
    DriveFixture()
    {
        window.setObjectName("frmHost");
        open->setObjectName("cmdOpen");
        open->setParent(&window);
        QObject::connect(open, &QPushButton::clicked, [this] {
            WizardDialog dialog;
            accepted = dialog.exec() == QDialog::Accepted;
            width = dialog.txtWidth->text();
            texture = dialog.cboTexture->currentText();
            shape = dialog.lstShapes->currentItem() ? dialog.lstShapes->currentItem()->text() : QString();
        });
        window.show();
    }
    int play(const QString& steps)
    {
        EditorDriveScript script(EditorDriveScript::split(steps));
        script.start();
        // A run that never quits would hang the test: it ends after two seconds at most.
        QTimer::singleShot(2000, [] { QApplication::exit(99); });
        return QApplication::exec();
    }

    QWidget window;
    QPushButton* open = new QPushButton("Open");
    bool accepted = false;
    QString width, texture, shape;
};

TEST_F(DriveFixture, StepsGoOnInsideAModalDialogAndFillItsControlsByName)
{
    EXPECT_EQ(play("click:cmdOpen type:frmTestWizard/txtWidth=128%20px pick:cboTexture=wood pick:lstShapes=star "
                   "click:cmdOK ticks:2 quit"),
              0);
    EXPECT_TRUE(accepted);
    EXPECT_EQ(width, "128 px");
    EXPECT_EQ(texture, "wood");
    EXPECT_EQ(shape, "star");
}

TEST_F(DriveFixture, AStepNamingAControlThatIsNotThereStopsTheRunWithStatusOne)
{
    testing::internal::CaptureStderr();
    EXPECT_EQ(play("ticks:1 click:cmdNoSuch quit"), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "QZ3Dedit: drive step \"click:cmdNoSuch\": no button named cmdNoSuch\n");
    testing::internal::CaptureStderr();
    EXPECT_EQ(play("click:cmdOpen pick:cboTexture=marble quit"), 1) << "also inside the dialog";
    EXPECT_TRUE(testing::internal::GetCapturedStderr().ends_with(
        "QZ3Dedit: drive step \"pick:cboTexture=marble\": cboTexture has no entry marble\n"));
    testing::internal::CaptureStderr();
    EXPECT_EQ(play("menu:itmNoSuch"), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "QZ3Dedit: drive step \"menu:itmNoSuch\": no menu item named itmNoSuch\n");
}

// Counts the key presses that reach it.
class KeyCounter : public QWidget {
public:
    int presses = 0;

protected:
    void keyPressEvent(QKeyEvent*) override { ++presses; }
};

TEST_F(DriveFixture, AKeyThatIsAMenuItemsShortcutChoosesTheItemAndOtherKeysGoToTheControl)
{
    auto* view = new KeyCounter;
    view->setObjectName("Picture1");
    view->setParent(&window);
    auto* remove = new QAction("&Delete", &window);
    remove->setShortcut(QKeySequence(Qt::Key_Delete));
    window.addAction(remove);
    int deletes = 0;
    QObject::connect(remove, &QAction::triggered, [&] { ++deletes; });

    EXPECT_EQ(play("key:Picture1=Delete,Backspace,Delete quit"), 0);
    EXPECT_EQ(deletes, 2);
    EXPECT_EQ(view->presses, 1) << "only Backspace reaches the control";

    remove->setEnabled(false);
    EXPECT_EQ(play("key:Picture1=Delete quit"), 0);
    EXPECT_EQ(deletes, 2) << "a disabled item is not chosen";
    EXPECT_EQ(view->presses, 2);
}

TEST(EditorDriveSteps, StepsThatCannotBePlayedAreRefusedBeforeTheRun)
{
    EXPECT_EQ(EditorDriveScript::fault({"menu:itmOpenMap", "ticks:3", "key:frmRender=Up,Space,W", "grab:MDIForm1=a.png",
                                        "press:Picture1=Shift", "quit"}),
              std::nullopt);
    for (const char* bad : {"jump:cmdInit", "ticks:many", "key:frmRender=Hyper", "grab:MDIForm1", "pick:lstMaps",
                            "menu:", "quit:now"})
        EXPECT_EQ(EditorDriveScript::fault({bad}), "cannot play the step \"" + QString(bad) + "\"") << bad;
}

}  // namespace
