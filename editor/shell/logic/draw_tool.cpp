#include "editor/shell/logic/draw_tool.h"

#include <cmath>
#include <numbers>
#include <utility>

#include "platform/numbers.h"

namespace qzedit {

namespace {

double distance(const MapPoint& a, const MapPoint& b) { return std::hypot(double(b.x) - a.x, double(b.y) - a.y); }

}  // namespace

DrawTool::Finished DrawTool::refuse(std::string note)
{
    note_ = std::move(note);
    return {};
}

bool DrawTool::crossesOutline(const MapPoint& a, const MapPoint& b, bool closing) const
{
    // The closing wall meets the first wall at the first corner; the others only meet their
    // neighbours at shared corners, which the strict test does not count.
    for (size_t k = closing ? 1 : 0; k + 1 < corners_.size(); ++k)
        if (wallsCross(a, b, corners_[k], corners_[k + 1])) return true;
    return false;
}

DrawTool::Finished DrawTool::click(const MapPoint& p, double closeDistance)
{
    note_.clear();
    pointer_ = p;
    if (corners_.size() >= 2 && distance(p, corners_.front()) <= closeDistance) return close();
    if (!corners_.empty() && p == corners_.back()) return {};
    if (!corners_.empty() && crossesOutline(corners_.back(), p, false))
        return refuse("A wall there would cross the outline.");
    corners_.push_back(p);
    return {};
}

DrawTool::Finished DrawTool::close()
{
    note_.clear();
    if (corners_.size() < 3) return refuse("A room needs at least three corners.");
    if (crossesOutline(corners_.back(), corners_.front(), true))
        return refuse("Closing the room there would cross the outline.");
    if (twiceSignedArea(corners_) == 0) return refuse("The outline encloses nothing.");
    Finished room {Shape::Room, std::move(corners_)};
    cancel();
    return room;
}

DrawTool::Finished DrawTool::finishLine()
{
    note_.clear();
    if (corners_.size() < 2) return {};
    Finished line {Shape::Walls, std::move(corners_)};
    cancel();
    return line;
}

void DrawTool::moveTo(const MapPoint& p)
{
    if (pointer_ != p) note_.clear();
    pointer_ = p;
}

void DrawTool::removeLast()
{
    note_.clear();
    if (!corners_.empty()) corners_.pop_back();
}

void DrawTool::cancel()
{
    corners_.clear();
    pointer_.reset();
}

std::string DrawTool::statusText() const
{
    if (!note_.empty()) return note_;
    if (corners_.empty() || !pointer_) return "";
    const double dx = double(pointer_->x) - corners_.back().x;
    const double dy = double(pointer_->y) - corners_.back().y;
    // The plan shows y growing downwards: up on the screen is 90°.
    double degrees = std::atan2(-dy, dx) * 180.0 / std::numbers::pi;
    if (degrees < 0) degrees += 360.0;
    int64_t angle = std::llround(degrees) % 360;
    return "Length " + qz::decimal(std::llround(std::hypot(dx, dy))) + ", angle " + qz::decimal(angle) + "\xC2\xB0";
}

}  // namespace qzedit
