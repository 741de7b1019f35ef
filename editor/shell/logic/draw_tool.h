#pragma once
#include <optional>
#include <string>
#include <vector>

#include "editor/edit/drawn_outline.h"

namespace qzedit {

// The Draw tool's outline under construction, in map units: each click places a corner; a click
// on the first corner (or Enter) closes the outline into a room, a double-click ends an open line
// of free walls; Backspace takes the last corner back and Esc drops the outline. The outline never
// crosses itself, never has a wall of no length, and a room has at least three corners and
// encloses something: a step that would break that is refused with a note and changes nothing.
class DrawTool {
public:
    enum class Shape { None, Room, Walls };
    // What a step finished: a room's corners, a line's points, or nothing yet.
    struct Finished {
        Shape shape = Shape::None;
        std::vector<MapPoint> points;
    };

    bool drawing() const { return !corners_.empty(); }
    const std::vector<MapPoint>& corners() const { return corners_; }
    // Where the rubber band from the last corner ends: the pointer's last position.
    const std::optional<MapPoint>& pointer() const { return pointer_; }

    // A click at p: within closeDistance map units of the first corner it closes the room.
    Finished click(const MapPoint& p, double closeDistance);
    // Enter: closes the room.
    Finished close();
    // Double-click: ends the line; its last click has already placed the last point.
    Finished finishLine();
    void moveTo(const MapPoint& p);
    void removeLast();
    void cancel();

    // The status line: the next wall's length and angle while drawing ("Length 256, angle 90°":
    // the angle on the plan, 0° to the right and 90° up), or the note of a refused step until
    // the pointer moves on; "" when nothing is being drawn.
    std::string statusText() const;

private:
    // True when the wall from a to b would cross a wall of the outline.
    bool crossesOutline(const MapPoint& a, const MapPoint& b, bool closing) const;
    Finished refuse(std::string note);

    std::vector<MapPoint> corners_;
    std::optional<MapPoint> pointer_;
    std::string note_;
};

}  // namespace qzedit
