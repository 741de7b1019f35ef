#include <gtest/gtest.h>

#include "platform/profile.h"
#include "tests/support/test_support.h"

namespace {

TEST(Profile, LookupMatchesNamesWithoutCaseOrBlanks)
{
    const char* text = "; settings\r\n[Other]\r\nmap=wrong\r\n[ Quarzite3D ]\r\n  MAP = level1.mpb  \r\nnumWalls=12\r\n";
    EXPECT_EQ(qz::profileLookup(text, "quarzite3d", "map"), "level1.mpb");
    EXPECT_EQ(qz::profileLookup(text, "Quarzite3D", " numwalls "), "12");
    EXPECT_EQ(qz::profileLookup(text, "Quarzite3D", "pal"), std::nullopt);
    EXPECT_EQ(qz::profileLookup(text, "Missing", "map"), std::nullopt);
    EXPECT_EQ(qz::profileLookup("[a]\nk=\"quoted value\"\n", "a", "k"), "quoted value");
    EXPECT_EQ(qz::profileLookup("[a]\nk=\n", "a", "k"), "");
    EXPECT_EQ(qz::profileLookup("k=outside\n[a]\n", "a", "k"), std::nullopt);
    EXPECT_EQ(qz::profileLookup("[a]\nk=first\nk=second\n", "a", "k"), "first");
}

TEST(Profile, FileReadUsesDefaultsAndCutsToTheBuffer)
{
    qztest::TempDir dir;
    std::string ini = dir.file("mapedit.ini");
    EXPECT_EQ(qz::getProfileString("init", "file1", "", ini), "");
    EXPECT_EQ(qz::getProfileString("init", "file1", " ", ini, 1275), " ");
    qztest::writeText(ini, "[init]\nfile1=/maps/a.map\n");
    EXPECT_EQ(qz::getProfileString("INIT", "FILE1", "", ini), "/maps/a.map");
    EXPECT_EQ(qz::getProfileString("init", "file2", "none", ini), "none");
    EXPECT_EQ(qz::getProfileString("init", "file1", "", ini, 5), "/map");
}

TEST(Profile, WriteCreatesAndKeepsOtherLines)
{
    qztest::TempDir dir;
    std::string ini = dir.file("mapedit.ini");
    ASSERT_TRUE(qz::writeProfileString("init", "file1", "/a.map", ini));
    EXPECT_EQ(qztest::readText(ini), "[init]\nfile1=/a.map\n");
    ASSERT_TRUE(qz::writeProfileString("init", "file2", "/b.map", ini));
    ASSERT_TRUE(qz::writeProfileString("INIT", "FILE1", "/c.map", ini));
    EXPECT_EQ(qztest::readText(ini), "[init]\nFILE1=/c.map\nfile2=/b.map\n");

    qztest::writeText(ini, "; keep me\r\n[init]\r\nfile1=x\r\n\r\n[other]\r\nz=1\r\n");
    ASSERT_TRUE(qz::writeProfileString("init", "file3", "y", ini));
    ASSERT_TRUE(qz::writeProfileString("new", "k", "v", ini));
    EXPECT_EQ(qztest::readText(ini), "; keep me\r\n[init]\r\nfile1=x\r\nfile3=y\n\r\n[other]\r\nz=1\r\n[new]\nk=v\n");
    EXPECT_EQ(qz::getProfileString("other", "z", "", ini), "1");
    EXPECT_EQ(qz::getProfileString("init", "file3", "", ini), "y");
}

TEST(Profile, WriteIntoMissingFolderFails)
{
    qztest::TempDir dir;
    EXPECT_FALSE(qz::writeProfileString("init", "file1", "x", dir.file("no/such/folder.ini")));
}

}  // namespace
