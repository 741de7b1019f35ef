#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "editor/model/clsMap.h"
#include "editor/shell/frm_import_wad.h"
#include "editor/shell/logic/startup_log.h"
#include "editor/shell/logic/wad_import_choice.h"
#include "editor/shell/mdi_form1.h"
#include "platform/files.h"
#include "tests/support/wad_builder.h"
#include "tests/shell/fake_file_dialogs.h"
#include "tests/support/test_support.h"

using namespace qzedit;

// File > Import Doom WAD map: the dialog's controls, and the whole command in the main window.
namespace {

using namespace importtest;

std::string writeWad(const qztest::TempDir& dir)
{
    TestMap room;
    addRoom(room, 0, 0, 256, 256, TestSector {});
    room.things.push_back({32, 32, 90, 1});
    WadBuilder wad;
    wad.map("MAP01", room);
    wad.map("MAP02", room);
    wad.lump("BEHAVIOR", {0});
    wad.map("MAP03", room);
    wad.lump("PLAYPAL", std::vector<uint8_t>(768, 0));
    const std::string path = dir.file("test.wad");
    qztest::writeBytes(path, wad.bytes());
    return path;
}

TEST(ImportWadWindow, DialogListsTheMapsAndEnablesOKForImportableOnes)
{
    qztest::TempDir dir;
    WadImportChoice choice;
    ASSERT_TRUE(choice.load(writeWad(dir)).ok);
    frmImportWAD dialog(choice);
    auto* maps = dialog.findChild<QListWidget*>("lstMaps");
    auto* ok = dialog.findChild<QPushButton*>("cmdOK");
    auto* fit = dialog.findChild<QCheckBox*>("chkFit");
    ASSERT_TRUE(maps && ok && fit && dialog.findChild<QPushButton*>("cmdCancel"));
    ASSERT_EQ(maps->count(), 3);
    EXPECT_EQ(maps->item(1)->text(), "MAP02 (Hexen layout, not importable)");
    EXPECT_EQ(maps->currentRow(), 0);
    EXPECT_TRUE(ok->isEnabled());
    maps->setCurrentRow(1);
    EXPECT_FALSE(ok->isEnabled());
    maps->setCurrentRow(2);
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(choice.selectedName(), "MAP03");
    fit->click();
    EXPECT_TRUE(choice.fit);
    ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(ImportWadWindow, MenuItemImportsTheChosenMapIntoTheEditor)
{
    qztest::TempDir dir;
    qztest::ScopedCurrentDir here(dir.path());
    qztest::MessageRecorder messages;
    FakeFileDialogs dialogs;
    StartupLog log;
    log.open();
    MDIForm1 form(log, &dialogs);
    dialogs.answers.push_back(writeWad(dir));
    // The dialog runs modal: answer it once it shows.
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->objectName(), "frmImportWAD");
        dialog->findChild<QPushButton*>("cmdOK")->click();
    });
    form.findChild<QAction*>("itmImportWAD")->trigger();
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].request.filter, "Doom WAD file (*.wad)|*.wad;*.WAD|All files (*.*)|*.*");
    EXPECT_EQ(form.map().numWalls, 4);
    EXPECT_EQ(form.map().vd, 0);
    EXPECT_TRUE(form.commands().currentMapPath().empty());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].title, "Import Report");
    EXPECT_TRUE(qz::fileExists(dir.file("MAP01/MAP01.hdr")));
}

}  // namespace
