#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <thread>

#include "editor/model/clsMap.h"
#include "tests/support/run_program.h"
#include "tests/support/test_support.h"

using namespace qzedit;

namespace {

// The environment of the programs started while the object lives.
using Settings = std::vector<std::pair<std::string, std::string>>;

struct ScopedEnvironment {
    explicit ScopedEnvironment(Settings settings) : settings_(std::move(settings))
    {
        for (const auto& [name, value] : settings_) setenv(name.c_str(), value.c_str(), 1);
    }
    ~ScopedEnvironment()
    {
        for (const auto& [name, value] : settings_) unsetenv(name.c_str());
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    Settings settings_;
};

// Waits (up to 60 s, in steps of 50 ms) until the condition holds.
bool eventually(const std::function<bool()>& condition)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

std::vector<std::string> recoveryMaps(const std::string& folder)
{
    std::vector<std::string> maps;
    std::error_code none;
    for (const auto& entry : std::filesystem::directory_iterator(folder, none))
        if (entry.path().extension() == ".map") maps.push_back(entry.path().string());
    return maps;
}

// The real QZ3Dedit, killed after its autosave and started again. Its drive script makes the
// change (Set viewer to Insert Position: the viewer start moves to the insertion point, 100, 100)
// and answers the recovery question; its autosave comes after 1 s (QZ3DEDIT_AUTOSAVE_SECONDS).
TEST(EditorRecovery, AKilledEditorsChangesAreRecoveredAtTheNextStart)
{
    qztest::TempDir dir;
    qztest::ScopedCurrentDir here(dir.path());
    const std::string room = dir.file("room.map");
    {
        clsMap map;
        map.addPolySurround(4, 0, 0, 100);
        ASSERT_TRUE(map.WriteNewMPB(room, false));
    }
    const std::vector<uint8_t> roomBytes = qztest::readBytes(room);
    clsMap changed;
    ASSERT_TRUE(changed.ReadNewMPB(room));
    changed.vx = 100;
    changed.vy = 100;
    ASSERT_TRUE(changed.WriteNewMPB(dir.file("expected.map"), false));
    const std::vector<uint8_t> changedBytes = qztest::readBytes(dir.file("expected.map"));

    ScopedEnvironment common(Settings {{"QT_QPA_PLATFORM", "offscreen"},
                              {"XDG_DATA_HOME", dir.file("data")},
                                       {"QZ3DEDIT_AUTOSAVE_SECONDS", "1"}});
    const std::string folder = dir.file("data/QZ3Dedit/recovery");
    std::string lost;
    {
        qztest::RunningProgram editor(QZ3DEDIT_PROGRAM, {"--drive", "menu:itmSetViewer", room});
        ASSERT_TRUE(eventually([&] { return recoveryMaps(folder).size() == 1; })) << editor.err();
        editor.kill(SIGKILL);
        EXPECT_EQ(editor.ending(), "signal 9");
        lost = recoveryMaps(folder).at(0);
    }
    EXPECT_EQ(qztest::readBytes(lost), changedBytes) << "the changed map was autosaved";
    EXPECT_EQ(qztest::readBytes(room), roomBytes) << "the user's file was left alone";

    qztest::RunningProgram again(QZ3DEDIT_PROGRAM, {"--drive", "click:Recover"});
    // Recovered, the map is a change not yet saved: the new editor takes the file of the one it
    // replaces and soon autosaves the same map under its own name.
    ASSERT_TRUE(eventually([&] {
        std::vector<std::string> maps = recoveryMaps(folder);
        return maps.size() == 1 && maps[0] != lost;
    })) << again.err();
    EXPECT_FALSE(std::filesystem::exists(lost));
    EXPECT_EQ(qztest::readBytes(recoveryMaps(folder).at(0)), changedBytes);
    EXPECT_EQ(qztest::readBytes(room), roomBytes);
    again.terminate();
}

}  // namespace
