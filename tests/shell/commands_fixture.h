#pragma once
#include <string>

#include "editor/document/map_document.h"
#include "editor/model/clsMap.h"
#include "editor/shell/logic/main_commands.h"
#include "editor/shell/logic/map_view_controller.h"
#include "editor/shell/logic/project_selection.h"
#include "editor/shell/logic/property_grid.h"
#include "tests/shell/fake_file_dialogs.h"
#include "tests/shell/fake_map_view_port.h"
#include "tests/shell/fake_shell_windows.h"
#include "tests/support/question_answers.h"
#include "tests/support/recording_shell.h"
#include "tests/support/recording_surface.h"
#include "tests/support/test_support.h"

// The main window's commands over the map, its document and the windows' logic, with the windows,
// dialogs and questions answered by the test, in a fresh current directory.
struct CommandsFixture : ::testing::Test {
    CommandsFixture() : here(dir.path()), view(surface, port), selection(grid, view), commands(windows, dialogs, view, selection)
    {
        map.setShell(&shell);
        view.setMap(&map);
        view.setDocument(&document);
        grid.setMap(&map);
        grid.setDocument(&document);
        selection.setMap(&map);
        commands.setDocument(&document);
    }

    // A map file of one square room 100 wide at (left, top).
    std::string writeRoom(const std::string& name, int16_t left, int16_t top)
    {
        qzedit::clsMap room;
        room.addPolySurround(4, left, top, 100);
        const std::string path = dir.file(name);
        EXPECT_TRUE(room.WriteNewMPB(path, false));
        return path;
    }
    std::vector<uint8_t> fileBytes()
    {
        const std::string path = dir.file("now.map");
        EXPECT_TRUE(map.WriteNewMPB(path, false));
        return qztest::readBytes(path);
    }

    qztest::TempDir dir;
    qztest::ScopedCurrentDir here;
    qztest::MessageRecorder messages;
    qztest::QuestionAnswers questions;
    qztest::RecordingShell shell;
    qzedit::clsMap map;
    qzedit::MapDocument document {map};
    qztest::RecordingSurface surface;
    FakeMapViewPort port;
    qzedit::MapViewController view;
    qzedit::PropertyGrid grid;
    qzedit::ProjectSelection selection;
    FakeShellWindows windows;
    FakeFileDialogs dialogs;
    qzedit::MainCommands commands;
};
