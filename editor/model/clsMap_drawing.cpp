#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

#include "editor/model/clsMap.h"
#include "platform/numbers.h"

namespace qzedit {

namespace {

constexpr int32_t kWhite = rgb(255, 255, 255);
constexpr int32_t kTickColor = rgb(0, 0, 255);
constexpr int32_t kViewerColor = rgb(0, 255, 255);
constexpr int32_t kInsertionColor = rgb(0, 0, 255);
constexpr int32_t kFlashDotColor = rgb(255, 0, 255);
constexpr int kTickLength = 5;
constexpr int kCrossHalf = 5;

std::string trimSpaces(std::string_view text)
{
    size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

// A 5-pixel tick from the middle of the wall, on the left of its direction as seen on screen.
void drawFrontTick(PictureSurface& surface, int32_t sx1, int32_t sy1, int32_t sx2, int32_t sy2)
{
    int64_t dx = static_cast<int64_t>(sx2) - sx1;
    int64_t dy = static_cast<int64_t>(sy2) - sy1;
    if (dx == 0) dx = 1;
    if (dy == 0) dy = 1;
    double angle = std::atan(static_cast<double>(dy) / static_cast<double>(dx));
    if (dx > 0) angle += std::numbers::pi;
    int32_t mx = qz::toLong(sx1 + static_cast<double>(dx) * 0.5);
    int32_t my = qz::toLong(sy1 + static_cast<double>(dy) * 0.5);
    surface.line(mx, my, qz::toLong(mx - kTickLength * std::sin(angle)), qz::toLong(my + kTickLength * std::cos(angle)),
                 kTickColor);
}

}  // namespace

float clsMap::scaleDrawX(float x) const { return x / magX + offsetX; }

float clsMap::scaleDrawY(float y) const { return y / magY + offsetY; }

float clsMap::scaleClickX(float sx) const { return (sx - offsetX) * magX; }

void clsMap::calcOffset(double offXPerc, double offYPerc)
{
    offsetX = qz::toInteger(offXPerc * -2000.0);
    offsetY = qz::toInteger(offYPerc * -2000.0);
}

void clsMap::drawMap(PictureSurface& surface)
{
    if (numWalls >= 1) {
        surface.setDrawMode(PictureSurface::kCopyPen);
        surface.setDrawWidth(1);
        surface.line(0, 0, surface.scaleWidth(), surface.scaleHeight(), kWhite, true);
    }
    for (int32_t i = 0; i < numWalls; ++i) {
        const Wall& wall = wallRecord(i);
        x1 = wall.x1;
        y1 = wall.y1;
        x2 = wall.x2;
        y2 = wall.y2;
        float sx1 = scaleDrawX(static_cast<float>(x1));
        float sy1 = scaleDrawY(static_cast<float>(y1));
        float sx2 = scaleDrawX(static_cast<float>(x2));
        float sy2 = scaleDrawY(static_cast<float>(y2));
        // Texture numbers past the colour table wrap round it rather than stop the drawing.
        int32_t colorIndex = ((wall.txrWall % kDrawColors) + kDrawColors) % kDrawColors;
        surface.line(sx1, sy1, sx2, sy2, drawColor(colorIndex));
        drawFrontTick(surface, qz::toLong(sx1), qz::toLong(sy1), qz::toLong(sx2), qz::toLong(sy2));
    }
    float sx = scaleDrawX(static_cast<float>(vx));
    float sy = scaleDrawY(static_cast<float>(vy));
    surface.line(sx - 1, sy - 1, sx + 1, sy + 1, kViewerColor, true);
    drawInsertion(surface);
}

void clsMap::drawInsertion(PictureSurface& surface)
{
    int32_t sx = qz::toLong(static_cast<double>(insertX) / magX + offsetX);
    int32_t sy = qz::toLong(static_cast<double>(insertY) / magY + offsetY);
    surface.setDrawWidth(2);
    surface.setForeColor(kInsertionColor);
    surface.setDrawMode(PictureSurface::kXorPen);
    if (firstInsertionDraw_) {
        firstInsertionDraw_ = false;
        return;
    }
    surface.line(sx - kCrossHalf, sy - kCrossHalf, sx + kCrossHalf, sy + kCrossHalf);
    surface.line(sx - kCrossHalf, sy + kCrossHalf, sx + kCrossHalf, sy - kCrossHalf);
}

void clsMap::setInsertion(float x, float y)
{
    insertX = qz::toLong((x - offsetX) * magX);
    insertY = qz::toLong((y - offsetY) * magY);
}

void clsMap::clickInsert(PictureSurface& surface, float x, float y)
{
    drawInsertion(surface);
    setInsertion(x, y);
    drawInsertion(surface);
    shell().setStatusPanelText(1, "Ins Pt XY = (" + qz::decimal(insertX) + "," + qz::decimal(insertY) + ")");
}

void clsMap::clickWall(PictureSurface&, float x, float y, bool shift)
{
    int64_t mx = qz::toLong((x - offsetX) * magX);
    int64_t my = qz::toLong((y - offsetY) * magY);
    for (int32_t i = 0; i < numWalls; ++i) {
        const Wall& w = wallRecord(i);
        // A box test on the wall's extent: one pixel's worth of tolerance at the start point,
        // one map unit at the end point.
        bool inX = (w.x1 - int64_t {magX} <= mx && mx <= w.x2 + int64_t {1}) ||
                   (w.x2 - int64_t {1} <= mx && mx <= w.x1 + int64_t {magX});
        bool inY = (w.y1 - int64_t {magY} <= my && my <= w.y2 + int64_t {1}) ||
                   (w.y2 - int64_t {1} <= my && my <= w.y1 + int64_t {magY});
        if (!inX || !inY) continue;
        shell().selWall(i);
        if (!shift) shell().clearSelectList();
        shell().addSelectItem("Wall #" + qz::decimal(i));
        shell().doEvents();
        return;
    }
}

void clsMap::flashWall(PictureSurface& surface, int32_t n)
{
    const Wall& w = wallRecord(n);
    flashSideDef(surface, w.x1, w.y1, w.x2, w.y2);
}

void clsMap::flashSideDef(PictureSurface& surface, int32_t fx1, int32_t fy1, int32_t fx2, int32_t fy2)
{
    float sx1 = scaleDrawX(static_cast<float>(fx1));
    float sy1 = scaleDrawY(static_cast<float>(fy1));
    surface.setDrawMode(PictureSurface::kXorPen);
    surface.setDrawWidth(3);
    surface.line(sx1, sy1, scaleDrawX(static_cast<float>(fx2)), scaleDrawY(static_cast<float>(fy2)), kWhite);
    surface.setDrawWidth(7);
    surface.setForeColor(kFlashDotColor);
    surface.pset(sx1, sy1);
    surface.setDrawWidth(1);
}

void clsMap::listLines()
{
    MapShell& windows = shell();
    windows.resetList();
    // Each area lists the walls of its chain in chain order; a wall reached by no chain is free.
    // The walk stops at a link outside the walls or at a wall already listed, so a damaged chain
    // lists each wall once.
    std::vector<bool> listed(static_cast<size_t>(std::max(numWalls, 0)), false);
    for (int32_t i = 0; i < numAreas; ++i) {
        FixedText16& name = areaRecord(i).areaName;
        std::string trimmed = trimSpaces(name.str());
        name.assign(trimmed);
        const std::string areaKey = "a" + qz::decimal(i);
        windows.addTreeNode("Areas", areaKey, trimmed);
        for (int32_t w = areaRecord(i).areaFirstWall; w >= 0 && w < numWalls && !listed[static_cast<size_t>(w)];
             w = wallRecord(w).areaNext) {
            listed[static_cast<size_t>(w)] = true;
            windows.addTreeNode(areaKey, "w" + qz::decimal(w), "Wall" + qz::decimal(w));
        }
    }
    for (int32_t i = 0; i < numWalls; ++i)
        if (!listed[static_cast<size_t>(i)]) windows.addTreeNode("Walls", "w" + qz::decimal(i), "Wall" + qz::decimal(i));
    for (int32_t i = 0; i < numViewpoints; ++i) {
        FixedText16& name = viewpointRecord(i).name;
        std::string trimmed = trimSpaces(name.str());
        name.assign(trimmed);
        windows.addTreeNode("Viewpoints", "vp" + qz::decimal(i), trimmed);
    }
    for (int32_t i = 0; i < numGlobals; ++i) {
        FixedText16& name = globalRecord(i).globalName;
        std::string trimmed = trimSpaces(name.str());
        name.assign(trimmed);
        windows.addTreeNode("Global", "g" + qz::decimal(i), trimmed);
    }
}

}  // namespace qzedit
