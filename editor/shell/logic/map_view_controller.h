#pragma once
#include <cstdint>

#include "editor/model/clsMap.h"
#include "platform/picture_surface.h"

namespace qzedit {

class MapDocument;

// The scroll bars' ranges, in pixels of view: a position p shows the map with its origin -p pixels
// from the picture's corner.
struct ScrollRanges {
    int hMin, hMax, vMin, vMax;
    bool operator==(const ScrollRanges&) const = default;
};

// What the map view's logic needs of its window: the scroll bars, the picture, the flash timer
// and the property grid's value box.
class MapViewPort {
public:
    virtual ~MapViewPort() = default;
    // Each scroll bar's position divided by the usual maximum of 2000: from 0 to 1 over the usual
    // range, beyond it where the range was widened for the map.
    virtual double horizontalFraction() const = 0;
    virtual double verticalFraction() const = 0;
    virtual void setScrollRanges(const ScrollRanges& ranges) = 0;
    virtual void clearPicture() = 0;
    virtual void pictureChanged() = 0;
    virtual bool flashTimerEnabled() const = 0;
    virtual void setFlashTimerEnabled(bool enabled) = 0;
    virtual void focusValueBox() = 0;
};

// The map view's behaviour: redraw from the scroll bars, the mouse per tool mode (select, the
// scale drag about the insertion point and the move drag that follows the mouse, both with rubber
// bands, the insertion point on any other button), the
// flashing of the selected wall, keys and drops. It holds no map data.
class MapViewController {
public:
    static constexpr int kLeftButton = 1;
    static constexpr int kRightButton = 2;
    // The scroll bars' usual range, 0 .. 2000 pixels of view.
    static constexpr int kScrollSpan = 2000;

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
    void flashTick();
    void deselectSideDef();
    void startFlashing() { port_.setFlashTimerEnabled(true); }
    void keyPress() { port_.focusValueBox(); }
    void drop(float x, float y);
    // Outline of a rectangle with the picture's current pen (exclusive-or here).
    void drawRect(float left, float top, float right, float bottom);

    bool flashOn() const { return flashOn_; }
    bool dragging() const { return drag_ != Drag::None; }
    float factorX() const { return fx_; }
    float factorY() const { return fy_; }

private:
    enum class Drag { None, Scale, Move };

    void drawBand();

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
};

}  // namespace qzedit
