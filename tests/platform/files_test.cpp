#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "platform/codepage.h"
#include "platform/files.h"
#include "tests/support/test_support.h"

namespace {

TEST(Files, ExistsIsExactAndResolveFallsBackToAnyCase)
{
    qztest::TempDir dir;
    qztest::writeText(dir.file("Brick.BMP"), "x");
    EXPECT_TRUE(qz::fileExists(dir.file("Brick.BMP")));
    EXPECT_FALSE(qz::fileExists(dir.file("brick.bmp")));
    EXPECT_FALSE(qz::fileExists(""));
    EXPECT_FALSE(qz::fileExists(dir.path()));
    EXPECT_EQ(qz::resolveFileName(dir.file("brick.bmp")), dir.file("Brick.BMP"));
    EXPECT_EQ(qz::resolveFileName(dir.file("stone.bmp")), "");
    qztest::ScopedCurrentDir here(dir.path());
    EXPECT_EQ(qz::resolveFileName("BRICK.bmp"), "Brick.BMP");
    std::filesystem::create_directory(dir.file("tex"));
    qztest::writeText(dir.file("tex/Wood.bmp"), "x");
    EXPECT_EQ(qz::resolveFileName("tex\\wood.BMP"), "tex/Wood.bmp");
}

TEST(Files, ReplacingWriteKeepsTheOldFileWhenItFails)
{
    qztest::TempDir dir;
    std::string target = dir.file("map.map");
    std::string error;
    ASSERT_TRUE(qz::writeFileReplacing(target, {1, 2, 3}, &error));
    EXPECT_EQ(qztest::readBytes(target), (std::vector<uint8_t> {1, 2, 3}));
    ASSERT_TRUE(qz::writeFileReplacing(target, {9}, &error));
    EXPECT_EQ(qztest::readBytes(target), (std::vector<uint8_t> {9}));

    EXPECT_FALSE(qz::writeFileReplacing(dir.file("missing/map.map"), {1}, &error));
    EXPECT_EQ(error, "Path not found");

    if (::geteuid() != 0) {
        ::chmod(dir.path().c_str(), 0500);
        EXPECT_FALSE(qz::writeFileReplacing(target, {7, 7}, &error));
        EXPECT_EQ(error, "Permission denied");
        ::chmod(dir.path().c_str(), 0700);
    }
    EXPECT_EQ(qztest::readBytes(target), (std::vector<uint8_t> {9}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(Files, CurrentDirectoryAndTimeOfDay)
{
    qztest::TempDir dir;
    {
        qztest::ScopedCurrentDir here(dir.path());
        EXPECT_EQ(std::filesystem::canonical(qz::currentDirectory()), std::filesystem::canonical(dir.path()));
        EXPECT_EQ(qz::inCurrentDirectory("mapedit.ini"), qz::currentDirectory() + "/mapedit.ini");
    }
    EXPECT_FALSE(qz::setCurrentDirectory(dir.file("nowhere")));
    double t = qz::secondsSinceMidnight();
    EXPECT_GE(t, 0.0);
    EXPECT_LT(t, 86400.0);
}

TEST(Codepage, RoundTripsWindows1252AndReplacesTheRest)
{
    EXPECT_EQ(qz::cp1252ToUtf8("Caf\xE9 \x80"), "Café €");
    EXPECT_EQ(qz::utf8ToCp1252("Café €"), "Caf\xE9 \x80");
    EXPECT_EQ(qz::utf8ToCp1252("日本"), "??");
    EXPECT_EQ(qz::utf8ToCp1252("a\xC3"), "a?");
    EXPECT_EQ(qz::utf8ToCp1252("\xFF"), "?");
    EXPECT_EQ(qz::utf8ToCp1252(qz::cp1252ToUtf8("\x81\x9D")), "\x81\x9D");
}

}  // namespace
