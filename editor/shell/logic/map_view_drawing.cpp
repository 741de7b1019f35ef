// The map view's Draw tool: corners placed with the mouse, the outline and its rubber band drawn
// over the map, and the finished room or line added to the map as one change.
#include "editor/document/map_document.h"
#include "editor/edit/drawn_outline.h"
#include "editor/shell/logic/command_guard.h"
#include "editor/shell/logic/map_view_controller.h"
#include "platform/message_box.h"
#include "platform/numbers.h"

namespace qzedit {

namespace {

// Over the white plan the outline shows orange, exclusive-or with this.
constexpr int32_t kOutlineColor = rgb(0, 160, 255);
// A click this many pixels from the first corner closes the room.
constexpr double kClosePixels = 4;
constexpr int32_t kLowest = -32768;
constexpr int32_t kHighest = 32767;

bool inEngineRange(const MapPoint& p) { return p.x >= kLowest && p.x <= kHighest && p.y >= kLowest && p.y <= kHighest; }

}  // namespace

MapPoint MapViewController::drawPointAt(float x, float y) const
{
    MapPoint p {qz::toLong((x - map_->offsetX) * map_->magX), qz::toLong((y - map_->offsetY) * map_->magY)};
    if (grid_.snap) p = {snapToGrid(p.x, grid_.spacing), snapToGrid(p.y, grid_.spacing)};
    return p;
}

void MapViewController::showDrawStatus() const { map_->shell().setStatusPanelText(3, drawTool_.statusText()); }

void MapViewController::toggleOutline()
{
    const std::vector<MapPoint>& corners = drawTool_.corners();
    if (!map_ || corners.empty()) return;
    const int mode = picture_.drawMode();
    const int width = picture_.drawWidth();
    const int32_t color = picture_.foreColor();
    picture_.setDrawMode(PictureSurface::kXorPen);
    picture_.setForeColor(kOutlineColor);
    auto sx = [this](const MapPoint& p) { return map_->scaleDrawX(static_cast<float>(p.x)); };
    auto sy = [this](const MapPoint& p) { return map_->scaleDrawY(static_cast<float>(p.y)); };
    picture_.setDrawWidth(2);
    for (size_t k = 0; k + 1 < corners.size(); ++k)
        picture_.line(sx(corners[k]), sy(corners[k]), sx(corners[k + 1]), sy(corners[k + 1]));
    // The first corner is marked: a click on it closes the room.
    picture_.setDrawWidth(7);
    picture_.pset(sx(corners.front()), sy(corners.front()));
    if (const std::optional<MapPoint>& pointer = drawTool_.pointer(); pointer && *pointer != corners.back()) {
        picture_.setDrawWidth(1);
        picture_.line(sx(corners.back()), sy(corners.back()), sx(*pointer), sy(*pointer));
    }
    picture_.setDrawMode(mode);
    picture_.setDrawWidth(width);
    picture_.setForeColor(color);
}

bool MapViewController::drawMouseDown(int button, float x, float y)
{
    if (button != kLeftButton) {
        // The right button drops an outline under construction; without one it sets the
        // insertion point as in every tool.
        if (!drawTool_.drawing()) return false;
        cancelDrawing();
        return true;
    }
    changeOutline([&] { return drawTool_.click(drawPointAt(x, y), kClosePixels * map_->magX); });
    return true;
}

void MapViewController::drawMouseMove(float x, float y)
{
    if (!drawTool_.drawing()) return;
    if (map_->clickMode != kDrawTool) {
        cancelDrawing();
        return;
    }
    changeOutline([&] {
        drawTool_.moveTo(drawPointAt(x, y));
        return DrawTool::Finished {};
    });
}

bool MapViewController::mouseDoubleClick(int button, float, float)
{
    if (!map_ || map_->clickMode != kDrawTool || button != kLeftButton) return false;
    if (!drawTool_.drawing()) return true;
    changeOutline([&] { return drawTool_.finishLine(); });
    return true;
}

bool MapViewController::keyPress(int key)
{
    if (!map_ || map_->clickMode != kDrawTool || !drawTool_.drawing()) return false;
    if (key == kKeyEscape) {
        cancelDrawing();
        return true;
    }
    if (key != kKeyReturn && key != kKeyBackspace) return false;
    changeOutline([&] {
        if (key == kKeyReturn) return drawTool_.close();
        drawTool_.removeLast();
        return DrawTool::Finished {};
    });
    return true;
}

void MapViewController::changeOutline(const std::function<DrawTool::Finished()>& step)
{
    toggleOutline();
    const DrawTool::Finished finished = step();
    if (finished.shape != DrawTool::Shape::None)
        finishOutline(finished);
    else
        toggleOutline();
    port_.pictureChanged();
    showDrawStatus();
}

void MapViewController::cancelDrawing()
{
    if (!drawTool_.drawing()) return;
    toggleOutline();
    drawTool_.cancel();
    port_.pictureChanged();
    showDrawStatus();
}

void MapViewController::finishOutline(const DrawTool::Finished& finished)
{
    const bool room = finished.shape == DrawTool::Shape::Room;
    const auto corners = static_cast<int32_t>(finished.points.size());
    for (const MapPoint& p : finished.points)
        if (!inEngineRange(p)) {
            qz::messageBox("A corner lies outside the coordinates the engine takes (" + qz::decimal(kLowest) + " to " +
                               qz::decimal(kHighest) + "). Nothing was added.",
                           "Draw", qz::kMsgExclamation);
            redraw();
            return;
        }
    if (!report(roomForNewRecords(*map_, room ? corners : corners - 1, room ? 1 : 0))) {
        redraw();
        return;
    }
    int32_t area = -1;
    applyChange(document_, room ? "Draw Room" : "Draw Walls", [&] {
        if (room)
            area = addDrawnRoom(*map_, finished.points);
        else
            addDrawnWalls(*map_, finished.points);
    });
    map_->listLines();
    redraw();
    if (area >= 0 && roomDrawn) roomDrawn(area);
}

}  // namespace qzedit
