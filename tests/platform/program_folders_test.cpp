#include <gtest/gtest.h>

#include <filesystem>

#include "platform/program_folders.h"
#include "tests/support/test_support.h"

namespace {

namespace fs = std::filesystem;

// A prefix as `cmake --install` lays it out, with nothing in it yet.
class InstalledPrefix : public ::testing::Test {
protected:
    InstalledPrefix()
    {
        for (const char* folder : {"bin", "lib/quarzite3d", "share/quarzite3d"}) fs::create_directories(root.file(folder));
    }

    void put(const std::string& name) const { qztest::writeText(root.file(name), "x"); }

    qztest::TempDir root;
    const std::string bin = root.file("bin");
};

TEST(ProgramFolders, TheRunningProgramsFolderHoldsTheBuiltWorldAndEngine)
{
    const std::string folder = qz::programFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(fs::canonical(folder), fs::canonical(QZ_OUTPUT_DIR));
    EXPECT_EQ(qz::dataFile(folder, "scratch.hdr"), folder + "/scratch.hdr");
    EXPECT_EQ(qz::engineLibraryFile(folder), folder + "/QZ3D15.so");
}

TEST_F(InstalledPrefix, DataAndEngineComeFromBesideTheProgramsFolderWhenInstalled)
{
    put("share/quarzite3d/scratch.hdr");
    put("lib/quarzite3d/QZ3D15.so");
    EXPECT_EQ(qz::dataFile(bin, "scratch.hdr"), root.file("share/quarzite3d/scratch.hdr"));
    EXPECT_EQ(qz::engineLibraryFile(bin), root.file("lib/quarzite3d/QZ3D15.so"));
    EXPECT_EQ(qz::dataFile(bin, "demo.hdr"), "");
    EXPECT_EQ(qz::dataFile(bin, ""), "");
}

TEST_F(InstalledPrefix, FilesBesideTheProgramComeFirst)
{
    for (const char* name : {"bin/scratch.hdr", "bin/QZ3D15.so", "share/quarzite3d/scratch.hdr", "lib/quarzite3d/QZ3D15.so"})
        put(name);
    EXPECT_EQ(qz::dataFile(bin, "scratch.hdr"), root.file("bin/scratch.hdr"));
    EXPECT_EQ(qz::engineLibraryFile(bin), root.file("bin/QZ3D15.so"));
}

TEST_F(InstalledPrefix, NeitherTheCurrentDirectoryNorAFolderOfThatNameCounts)
{
    put("scratch.hdr");
    put("QZ3D15.so");
    fs::create_directories(root.file("lib/quarzite3d/QZ3D15.so"));
    fs::create_directories(root.file("share/quarzite3d/scratch.hdr"));
    qztest::ScopedCurrentDir here(root.path());
    EXPECT_EQ(qz::dataFile(bin, "scratch.hdr"), "");
    EXPECT_EQ(qz::engineLibraryFile(bin), "");
}

TEST_F(InstalledPrefix, ARelativeOrEmptyFolderFindsNothing)
{
    put("bin/scratch.hdr");
    put("bin/QZ3D15.so");
    put("QZ3D15.so");
    qztest::ScopedCurrentDir here(root.path());
    // Both would be read against the current directory, and a bare name searched for.
    EXPECT_EQ(qz::dataFile("bin", "scratch.hdr"), "");
    EXPECT_EQ(qz::engineLibraryFile("bin"), "");
    EXPECT_EQ(qz::engineLibraryFile(""), "");
}

}  // namespace

TEST_F(InstalledPrefix, TheShapeFolderBesideTheProgramElseInTheDataFolder)
{
    EXPECT_EQ(qz::dataFolder(bin, "shapes"), "");
    fs::create_directories(root.file("share/quarzite3d/shapes"));
    EXPECT_EQ(qz::dataFolder(bin, "shapes"), root.file("share/quarzite3d/shapes"));
    put("bin/shapes");
    EXPECT_EQ(qz::dataFolder(bin, "shapes"), root.file("share/quarzite3d/shapes")) << "a file of that name is no folder";
    fs::remove(root.file("bin/shapes"));
    fs::create_directories(root.file("bin/shapes"));
    EXPECT_EQ(qz::dataFolder(bin, "shapes"), root.file("bin/shapes"));
    EXPECT_EQ(qz::dataFolder("relative/bin", "shapes"), "");
    EXPECT_EQ(qz::dataFolder(QZ_OUTPUT_DIR, "shapes"), std::string(QZ_OUTPUT_DIR) + "/shapes");
}
