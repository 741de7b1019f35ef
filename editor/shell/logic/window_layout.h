#pragma once
#include <cstdint>

namespace qzedit {

// Window sizes and positions in twips, as the editor's layout is given; 15 twips are a pixel.
inline constexpr int kTwipsPerPixel = 15;

struct TwipRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const TwipRect&) const = default;
};

// Pixels from twips, halves to even.
int32_t twipsToPixels(int32_t twips);
int32_t pixelsToTwips(int32_t pixels);

// The child windows' places inside the main window (start-up and "Adjust windows").
struct WindowArrangement {
    TwipRect project;
    TwipRect properties;
    TwipRect map;
    TwipRect render;
};
WindowArrangement arrangeWindows(int32_t mainWidth, int32_t mainHeight);

// The map view's controls for a view window of width w and height h.
struct MapViewLayout {
    TwipRect vScroll;
    TwipRect hScroll;
    TwipRect picture;
};
inline constexpr int32_t kScrollBarThickness = 255;
MapViewLayout mapViewLayout(int32_t w, int32_t h);

// The property grid window: the grid under the label and the value editor row.
struct PropertyGridLayout {
    TwipRect selTypeLabel;
    TwipRect valueBox;
    TwipRect okButton;
    TwipRect cancelButton;
    TwipRect grid;
    int32_t nameColumnWidth = 0;
    int32_t valueColumnWidth = 0;
    int32_t narrowColumnWidth = 0;
};
PropertyGridLayout propertyGridLayout(int32_t w, int32_t h);

// The project tree and the drag-and-drop list fill their windows the same way.
TwipRect toolListLayout(int32_t w, int32_t h);

}  // namespace qzedit
