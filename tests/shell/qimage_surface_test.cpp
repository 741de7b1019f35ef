#include <gtest/gtest.h>

#include <QImage>

#include "editor/model/clsMap.h"
#include "platform/qt/line_clip.h"
#include "platform/qt/qimage_surface.h"

using namespace qzedit;

namespace {

QRgb at(qz::QImageSurface& surface, int x, int y) { return surface.image().pixel(x, y) & 0xFFFFFF; }

TEST(QImageSurface, ExclusiveOrFlashTwiceRestoresEveryPixel)
{
    clsMap map;
    map.addWall(100, 100, 900, 100, 0, 1);
    map.addWall(900, 100, 500, 700, 0, 2);
    map.addWall(500, 700, 100, 100, 0, -1);
    qz::QImageSurface surface(QSize(160, 120));
    map.drawMap(surface);
    map.drawMap(surface);  // the second drawing also shows the insertion cross
    const QImage before = surface.image().copy();

    map.flashWall(surface, 1);
    EXPECT_NE(surface.image(), before) << "the highlight shows";
    EXPECT_EQ(at(surface, 80, 25), 0x00FF00u ^ 0xFFFFFFu) << "a green wall line turns magenta";
    map.flashWall(surface, 1);
    EXPECT_EQ(surface.image(), before);

    map.drawInsertion(surface);
    map.drawInsertion(surface);
    EXPECT_EQ(surface.image(), before);
}

TEST(QImageSurface, CopyPenWidthsBoxesAndPoints)
{
    qz::QImageSurface surface(QSize(40, 30));
    EXPECT_EQ(surface.scaleWidth(), 40);
    EXPECT_EQ(at(surface, 5, 5), 0xFFFFFFu);
    surface.line(2, 2, 4, 4, rgb(0, 255, 255), true);
    EXPECT_EQ(at(surface, 2, 2), 0x00FFFFu);
    EXPECT_EQ(at(surface, 4, 4), 0x00FFFFu);
    EXPECT_EQ(at(surface, 5, 5), 0xFFFFFFu);

    surface.setDrawWidth(3);
    surface.line(10, 20, 30, 20, rgb(255, 0, 0));
    EXPECT_EQ(at(surface, 20, 19), 0xFF0000u);
    EXPECT_EQ(at(surface, 20, 21), 0xFF0000u);
    EXPECT_EQ(at(surface, 20, 23), 0xFFFFFFu);

    surface.setDrawWidth(7);
    surface.setForeColor(rgb(0, 0, 255));
    surface.pset(30, 8);
    EXPECT_EQ(at(surface, 30, 8), 0x0000FFu);
    EXPECT_EQ(at(surface, 32, 8), 0x0000FFu);
    EXPECT_EQ(at(surface, 35, 8), 0xFFFFFFu);

    surface.clear();
    EXPECT_EQ(at(surface, 30, 8), 0xFFFFFFu);
}

TEST(QImageSurface, FarAwayLinesAreCutToThePicture)
{
    qz::QImageSurface surface(QSize(50, 50));
    surface.line(-2.0e9, 25, 2.0e9, 25, rgb(255, 0, 0));
    EXPECT_EQ(at(surface, 0, 25), 0xFF0000u);
    EXPECT_EQ(at(surface, 49, 25), 0xFF0000u);

    qz::ClipLine outside {-100, -100, -50, -200};
    EXPECT_FALSE(qz::clipLine(outside, 0, 0, 50, 50));
    qz::ClipLine diagonal {-50, -50, 100, 100};
    ASSERT_TRUE(qz::clipLine(diagonal, 0, 0, 50, 50));
    EXPECT_DOUBLE_EQ(diagonal.x1, 0);
    EXPECT_DOUBLE_EQ(diagonal.y2, 50);
}

}  // namespace
