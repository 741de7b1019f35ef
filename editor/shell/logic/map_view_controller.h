#pragma once
#include <cstdint>
#include <functional>
#include <optional>

#include "editor/model/clsMap.h"
#include "editor/shell/logic/draw_tool.h"
#include "editor/shell/logic/map_grid.h"
#include "editor/shell/logic/view_navigation.h"
#include "platform/picture_surface.h"

namespace qzedit {

class MapDocument;

// The scroll bars' ranges, in pixels of view: a position p shows the map with its origin -p pixels
// from the picture's corner.
struct ScrollRanges {
    int hMin, hMax, vMin, vMax;
    bool operator==(const ScrollRanges&) const = default;
};

// What the map view's logic needs of its window: the scroll bars, the picture and the flash timer.
class MapViewPort {
public:
    virtual ~MapViewPort() = default;
    // Each scroll bar's position divided by the usual maximum of 2000: from 0 to 1 over the usual
    // range, beyond it where the range was widened for the map.
    virtual double horizontalFraction() const = 0;
    virtual double verticalFraction() const = 0;
    virtual void setScrollRanges(const ScrollRanges& ranges) = 0;
    // Puts the scroll bars at these positions (within their ranges) without a redraw of their own.
    virtual void setScrollPositions(int horizontal, int vertical) = 0;
    virtual void clearPicture() = 0;
    // Draws the grid's lines on the picture's background only, so that they lie under the map.
    virtual void drawGridUnder(const GridLines& lines) = 0;
    virtual void pictureChanged() = 0;
    virtual bool flashTimerEnabled() const = 0;
    virtual void setFlashTimerEnabled(bool enabled) = 0;
};

// The map view's behaviour: redraw from the scroll bars, the mouse per tool mode (select, the
// scale drag about the insertion point and the move drag that follows the mouse, both with rubber
// bands, drawing walls and rooms, the insertion point on the right button), the
// flashing of the selected wall, keys and drops; the grid under the map and snapping to it, panning
// with the middle button, the wheel's zoom about the pointer, zoom to fit and the map coordinates
// under the pointer in the status bar. It holds no map data.
class MapViewController {
public:
    static constexpr int kLeftButton = 1;
    static constexpr int kRightButton = 2;
    static constexpr int kMiddleButton = 4;
    // The scroll bars' usual range, 0 .. 2000 pixels of view.
    static constexpr int kScrollSpan = 2000;
    // The Draw tool's click mode, after the five of the toolbar's first group.
    static constexpr int16_t kDrawTool = 5;
    // Keys the map view's picture passes on.
    enum Key { kKeyReturn = 1, kKeyEscape, kKeyBackspace };

    MapViewController(PictureSurface& picture, MapViewPort& port);

    // The map object comes after the window (start-up creates it last); until then nothing is drawn.
    void setMap(clsMap* map);
    // Scale and move drags go through the document as named changes once there is one.
    void setDocument(MapDocument* document) { document_ = document; }

    // Sets the scroll ranges for the map, then redraws at the scroll bars' positions.
    void redraw();
    // The usual 0 .. 2000 in each direction, widened so that every wall and the viewer start can be
    // scrolled into view, also where the map reaches below 0 or further than 2000 pixels.
    ScrollRanges scrollRanges() const;
    // View, Redraw: the flash timer is held while the picture is repainted.
    void redrawSuspendingFlash();
    void mouseDown(int button, bool shift, float x, float y);
    void mouseMove(int button, float x, float y);
    void mouseUp(int button, float x, float y);
    // Drawing (map_view_drawing.cpp): a double-click ends a line of walls; Return closes the
    // outline, Escape drops it, Backspace takes its last corner back. Both are false for a
    // double-click or key the view does not use then.
    bool mouseDoubleClick(int button, float x, float y);
    bool keyPress(int key);
    // Drops the outline under construction (the tool was changed).
    void cancelDrawing();
    const DrawTool& drawTool() const { return drawTool_; }
    // Told of each room the Draw tool adds, by its area number.
    std::function<void(int32_t area)> roomDrawn;
    void flashTick();
    void deselectSideDef();
    void startFlashing() { port_.setFlashTimerEnabled(true); }
    // The walls of the area flash instead of the selected wall, until the selection changes.
    void flashArea(int32_t area);
    void drop(float x, float y);
    // The mouse wheel over the picture: each step up zooms in, down zooms out, about (x, y).
    void wheel(int steps, float x, float y);
    // View › Zoom to Fit: the whole map, viewer start included, centred in the picture.
    void zoomToFit();
    // Shows the map at that magnification and offsets; the scroll bars follow.
    void place(const ViewPlacement& placement);
    void setGrid(const GridSettings& grid);
    const GridSettings& grid() const { return grid_; }
    // Outline of a rectangle with the picture's current pen (exclusive-or here).
    void drawRect(float left, float top, float right, float bottom);

    bool flashOn() const { return flashOn_; }
    bool dragging() const { return drag_ != Drag::None; }
    bool panning() const { return panning_; }
    float factorX() const { return fx_; }
    float factorY() const { return fy_; }

private:
    enum class Drag { None, Scale, Move };

    void drawBand();
    // A move's displacement in map units: as far as the mouse went, or, when snapping, as far as
    // puts the area's bounding box corner on the grid.
    float moveDeltaX() const;
    float moveDeltaY() const;
    void showPointer(float x, float y) const;
    // One flash step of the flashing area's walls; false when no area flashes.
    bool toggleAreaFlash();
    bool drawMouseDown(int button, float x, float y);
    void drawMouseMove(float x, float y);
    // Shows or hides the outline and its rubber band (exclusive-or), with the pen as it was.
    void toggleOutline();
    void finishOutline(const DrawTool::Finished& finished);
    // Hides the outline while `step` changes it, then adds what the step finished to the map or
    // shows the outline again.
    void changeOutline(const std::function<DrawTool::Finished()>& step);
    // The map point under (x, y), on the grid when snapping.
    MapPoint drawPointAt(float x, float y) const;
    void showDrawStatus() const;

    PictureSurface& picture_;
    MapViewPort& port_;
    clsMap* map_ = nullptr;
    MapDocument* document_ = nullptr;
    bool flashOn_ = false;
    Drag drag_ = Drag::None;
    float fx_ = 0, fy_ = 0;
    float px_ = 0, py_ = 0;
    float dx0_ = 0, dy0_ = 0;
    float left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
    // How far the mouse has gone since the press of a move drag, in pixels.
    float moveX_ = 0, moveY_ = 0;
    GridSettings grid_;
    int32_t flashArea_ = -1;
    bool panning_ = false;
    float panX_ = 0, panY_ = 0;             // the press of a pan
    int32_t panOffsetX_ = 0, panOffsetY_ = 0;  // the view's offsets then
    // The map point the wheel zooms about, kept while the pointer and the view stay as the wheel
    // left them, so that the rounding of one step does not move the point of the next.
    struct WheelAnchor {
        float x, y;
        double mapX, mapY;
        ViewPlacement view;
    };
    std::optional<WheelAnchor> wheelAnchor_;
    DrawTool drawTool_;
};

}  // namespace qzedit
