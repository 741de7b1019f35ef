// The map's JSON read back: what mapJson (qzmap dump, Copy) writes comes back bit for bit, and text
// that is not exactly that format is refused with the place and the reason.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "editor/model/clsMap.h"
#include "editor/model/map_file_reader.h"
#include "format/map_json.h"
#include "format/map_json_reader.h"
#include "format/record_identity.h"
#include "platform/codepage.h"
#include "tests/support/check_maps.h"
#include "tests/support/test_support.h"

using namespace qzedit;

namespace {

const mapfile::TableLimits kMapTables {clsMap::kWallSlots, clsMap::kViewpointSlots, clsMap::kAreaSlots,
                                       clsMap::kGlobalSlots};

// Every block of the map as its file holds it.
mapfile::MapFileContents blocksOf(clsMap& map)
{
    qztest::TempDir dir;
    EXPECT_TRUE(map.WriteNewMPB(dir.file("m.map"), false));
    return parseMapFile(qztest::readBytes(dir.file("m.map")));
}

template <typename Record>
void expectIdentical(const std::vector<Record>& read, const std::vector<Record>& written, const char* what)
{
    ASSERT_EQ(read.size(), written.size()) << what;
    for (size_t k = 0; k < read.size(); ++k) EXPECT_TRUE(mapfile::identical(read[k], written[k])) << what << " " << k;
}

std::string fault(const std::string& text, const mapfile::TableLimits& limits = kMapTables)
{
    return mapfile::readMapJson(text, limits).fault;
}

TEST(MapJsonReader, WhatTheWriterWritesComesBackBitForBit)
{
    clsMap map;
    qztest::buildEveryFindingMap(map);
    map.vx = 12.5;
    map.vd = -7;
    map.areaRecord(0).areaName.assign("Caf\xE9 \x80 \"q\"\\");
    map.wallRecord(2).spareD1 = std::numeric_limits<double>::quiet_NaN();
    map.wallRecord(3).spareD2 = -0.0;
    map.wallRecord(3).wallID = 0.1 + 0.2;
    map.wallRecord(5).spareL4 = INT32_MIN;
    map.areaRecord(1).spareA3 = -32768;
    mapfile::MapFileContents written = blocksOf(map);
    // Lengths are not stored; the reader of the file computes them, the JSON has none.
    for (Wall& w : written.wallBlock->walls) w.length = 0;

    const std::string text = mapfile::mapJson(written);
    const mapfile::MapJsonRead read = mapfile::readMapJson(text, kMapTables);
    ASSERT_TRUE(read.ok()) << read.fault;
    ASSERT_TRUE(read.contents.wallBlock.has_value());
    EXPECT_EQ(read.contents.wallBlock->type, 1);
    EXPECT_EQ(read.contents.wallBlock->viewer.vx, 12.5);
    EXPECT_EQ(read.contents.wallBlock->viewer.vd, -7);
    expectIdentical(read.contents.wallBlock->walls, written.wallBlock->walls, "wall");
    expectIdentical(*read.contents.areas, *written.areas, "area");
    expectIdentical(*read.contents.viewpoints, *written.viewpoints, "viewpoint");
    expectIdentical(*read.contents.globals, *written.globals, "global");
    EXPECT_EQ(mapfile::mapJson(read.contents), text) << "written again, the same text";
}

TEST(MapJsonReader, LeftOutFieldsAndKeysKeepTheirEmptyValues)
{
    const mapfile::MapJsonRead read = mapfile::readMapJson(
        " {\"walls\": [ {\"x2\": 10, \"y2\": -4e2} ],\r\n\t\"areas\": [{\"areaName\": \"\\u00e9t\\u00E9\\ud83d\\ude00\\/\"}]} ",
        kMapTables);
    ASSERT_TRUE(read.ok()) << read.fault;
    const mapfile::WallBlock& block = *read.contents.wallBlock;
    EXPECT_EQ(block.type, 1) << "a wall block without its type is a map's";
    EXPECT_EQ(block.viewer.vx, 0.0);
    ASSERT_EQ(block.walls.size(), 1u);
    mapfile::Wall expected;
    expected.x2 = 10;
    expected.y2 = -400;
    EXPECT_TRUE(mapfile::identical(block.walls[0], expected));
    ASSERT_EQ(read.contents.areas->size(), 1u);
    EXPECT_EQ((*read.contents.areas)[0].areaName.str(), "\xE9t\xE9?/           ") << "Windows-1252, padded to 16";
    EXPECT_FALSE(read.contents.viewpoints.has_value());
    EXPECT_FALSE(read.contents.globals.has_value());

    const mapfile::MapJsonRead empty = mapfile::readMapJson("{}", kMapTables);
    ASSERT_TRUE(empty.ok());
    EXPECT_FALSE(empty.contents.wallBlock.has_value()) << "no key of the wall block, no wall block";
    const mapfile::MapJsonRead start = mapfile::readMapJson("{\"viewerStart\": null, \"wallBlockType\": 8}", kMapTables);
    ASSERT_TRUE(start.ok());
    EXPECT_EQ(start.contents.wallBlock->type, 8);
    EXPECT_TRUE(start.contents.wallBlock->walls.empty());

    const mapfile::MapJsonRead longName =
        mapfile::readMapJson("{\"areas\": [{\"areaName\": \"A name of twenty chars\"}]}", kMapTables);
    ASSERT_TRUE(longName.ok());
    EXPECT_EQ((*longName.contents.areas)[0].areaName.str(), "A name of twenty") << "cut at 16 as a name is";
}

TEST(MapJsonReader, TextOfAnotherShapeIsRefusedWithWhereAndWhy)
{
    EXPECT_EQ(fault(""), "line 1, column 1: expected \"{\"");
    EXPECT_EQ(fault("[]"), "line 1, column 1: expected \"{\"");
    EXPECT_EQ(fault("Wall #3"), "line 1, column 1: expected \"{\"");
    EXPECT_EQ(fault("{\"walls\": []} x"), "line 1, column 15: text follows the map's closing \"}\"");
    EXPECT_EQ(fault("{\"walls\": [],\n  \"walls\": []}"), "line 2, column 3: the key \"walls\" appears twice");
    EXPECT_EQ(fault("{\"sectors\": []}"), "line 1, column 2: the map has no key \"sectors\"");
    EXPECT_EQ(fault("{walls: []}"), "line 1, column 2: expected a key in quotes");
    EXPECT_EQ(fault("{\"walls\": [{\"x1\": 1,}]}"), "line 1, column 21: expected a key in quotes");
    EXPECT_EQ(fault("{\"walls\": [{\"x1\": 1}"), "line 1, column 21: expected \"]\"");
    EXPECT_EQ(fault("{\"walls\": [{\"length\": 5}]}"), "line 1, column 13: a record has no field \"length\"");
    EXPECT_EQ(fault("{\"walls\": [{\"x1\": 1, \"x1\": 2}]}"), "line 1, column 22: the field \"x1\" appears twice");
    EXPECT_EQ(fault("{\"viewerStart\": {\"vw\": 1}}"), "line 1, column 18: the viewer start has no field \"vw\"");
    EXPECT_EQ(fault("{\"viewerStart\": 3}"), "line 1, column 17: \"viewerStart\" must be an object or null");
    EXPECT_EQ(fault("{\"walls\": {}}"), "line 1, column 11: expected \"[\"");
}

TEST(MapJsonReader, ValuesMustFitTheirFields)
{
    const std::string longRange = " must be a whole number from -2147483648 to 2147483647";
    EXPECT_EQ(fault("{\"walls\": [{\"x1\": 1.5}]}"), "line 1, column 19: \"x1\"" + longRange);
    EXPECT_EQ(fault("{\"walls\": [{\"x1\": 2147483648}]}"), "line 1, column 19: \"x1\"" + longRange);
    EXPECT_EQ(fault("{\"walls\": [{\"x1\": null}]}"), "line 1, column 19: \"x1\"" + longRange);
    EXPECT_EQ(fault("{\"walls\": [{\"x1\": \"5\"}]}"), "line 1, column 19: \"x1\"" + longRange);
    EXPECT_EQ(fault("{\"areas\": [{\"spareA3\": 40000}]}"),
              "line 1, column 24: \"spareA3\" must be a whole number from -32768 to 32767");
    EXPECT_EQ(fault("{\"walls\": [{\"wallID\": \"x\"}]}"), "line 1, column 23: \"wallID\" must be a number");
    EXPECT_EQ(fault("{\"areas\": [{\"areaName\": 7}]}"), "line 1, column 25: \"areaName\" must be a text in quotes");
    EXPECT_EQ(fault("{\"walls\": [{\"tEnd\": 1e999}]}"), "line 1, column 21: a number beyond the range of a Double");
    EXPECT_EQ(fault("{\"walls\": [{\"tEnd\": -1e-999}]}"), "line 1, column 21: a number beyond the range of a Double");
    EXPECT_EQ(fault("{\"walls\": [{\"tEnd\": 1.5e-300, \"x1\": -0}]}"), "");
    for (const char* number : {"01", "1.", "-", ".5", "+1", "1e", "--1"})
        EXPECT_NE(fault("{\"walls\": [{\"x1\": " + std::string(number) + "}]}").find("column 19: "), std::string::npos)
            << number;
    EXPECT_EQ(fault("{\"walls\": [{\"x1\": nul}]}"), "line 1, column 19: expected a number, a text in quotes or null");
    EXPECT_EQ(fault("{\"walls\": [{\"x1\": "), "line 1, column 19: the text ends before a value");
}

TEST(MapJsonReader, TextsInQuotesFollowJson)
{
    EXPECT_EQ(fault("{\"areas\": [{\"areaName\": \"open"), "line 1, column 25: a text in quotes does not end");
    EXPECT_EQ(fault("{\"areas\": [{\"areaName\": \"a\\q\"}]}"), "line 1, column 27: an unknown escape in quotes");
    EXPECT_EQ(fault("{\"areas\": [{\"areaName\": \"a\tb\"}]}"), "line 1, column 27: a control character inside quotes");
    EXPECT_EQ(fault("{\"areas\": [{\"areaName\": \"\\u12\"}]}"), "line 1, column 28: a \\u escape needs four hex digits");
    EXPECT_EQ(fault("{\"areas\": [{\"areaName\": \"\\ud83dx\"}]}"), "line 1, column 26: a broken pair of \\u escapes");
    EXPECT_EQ(fault("{\"areas\": [{\"areaName\": \"\\ude00\"}]}"), "line 1, column 26: a broken pair of \\u escapes");
    EXPECT_EQ(fault("{\"areas\": [{\"areaName\": \"\\ud83d\\u0041\"}]}"),
              "line 1, column 32: a broken pair of \\u escapes");
    EXPECT_EQ(fault("{\"areas\": [{\"areaName\": \"\xE2\x82\xAC\xC3\xA9\", \"bad\": 1}]}"),
              "line 1, column 31: a record has no field \"bad\"")
        << "columns count characters, not bytes";
}

TEST(MapJsonReader, MoreRecordsThanTheTablesHoldAreRefused)
{
    mapfile::TableLimits small = kMapTables;
    small.walls = 2;
    small.areas = 0;
    EXPECT_EQ(fault("{\"walls\": [{}, {}]}", small), "");
    EXPECT_EQ(fault("{\"walls\": [{}, {}, {}]}", small), "line 1, column 20: more walls than the map holds (2)");
    EXPECT_EQ(fault("{\"areas\": [{}]}", small), "line 1, column 12: more areas than the map holds (0)");
    const mapfile::MapJsonRead refused = mapfile::readMapJson("{\"walls\": [{}, {}, {}]}", small);
    EXPECT_FALSE(refused.contents.wallBlock.has_value()) << "nothing of a refused text is kept";
}

}  // namespace
