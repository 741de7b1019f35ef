#include "editor/shell/logic/window_layout.h"

#include <algorithm>

#include "platform/numbers.h"

namespace qzedit {

namespace {

// A window shrunk below its frame must not give negative sizes to its controls.
int32_t atLeastZero(int32_t v) { return std::max<int32_t>(v, 0); }

}  // namespace

int32_t twipsToPixels(int32_t twips) { return qz::toLong(twips / static_cast<double>(kTwipsPerPixel)); }

int32_t pixelsToTwips(int32_t pixels) { return qz::mulLong(pixels, kTwipsPerPixel); }

WindowArrangement arrangeWindows(int32_t mainWidth, int32_t mainHeight)
{
    WindowArrangement a;
    a.project.height = 2790;
    a.project.width = 2000;
    a.project.top = 0;
    a.project.left = mainWidth - a.project.width - 100;

    a.properties.height = 4100;
    a.properties.width = 2000;
    a.properties.left = a.project.left;
    a.properties.top = a.project.top + a.project.height + 100;

    a.map.left = 0;
    a.map.top = 0;
    a.map.height = atLeastZero(mainHeight - 1400);
    a.map.width = atLeastZero(mainWidth - a.project.width - 200);

    a.render = {0, 0, 5325, 4275};
    return a;
}

MapViewLayout mapViewLayout(int32_t w, int32_t h)
{
    MapViewLayout l;
    int32_t inner = atLeastZero(w - kScrollBarThickness - 120);
    int32_t innerHeight = atLeastZero(h - kScrollBarThickness - 400);
    l.vScroll = {inner, 0, kScrollBarThickness, innerHeight};
    l.hScroll = {0, innerHeight, inner, kScrollBarThickness};
    l.picture = {0, 0, atLeastZero(inner - 1), atLeastZero(innerHeight - 1)};
    return l;
}

PropertyGridLayout propertyGridLayout(int32_t w, int32_t h)
{
    PropertyGridLayout l;
    l.grid.width = atLeastZero(w - 100);
    l.grid.height = atLeastZero(h - 1200);
    l.grid.top = 780;
    l.nameColumnWidth = atLeastZero(qz::toLong((l.grid.width - 400) * 0.5));
    l.valueColumnWidth = l.nameColumnWidth;
    l.narrowColumnWidth = 300;
    l.selTypeLabel = {60, 60, atLeastZero(w - 220), 255};
    l.valueBox = {60, 360, atLeastZero(w - 800), 330};
    l.okButton = {w - 720, 360, 300, 330};
    l.cancelButton = {w - 405, 360, 285, 330};
    return l;
}

TwipRect toolListLayout(int32_t w, int32_t h) { return {0, 0, atLeastZero(w - 100), atLeastZero(h - 500)}; }

}  // namespace qzedit
