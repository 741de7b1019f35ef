#include "platform/gdi_drawing.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

namespace qz {

namespace {

constexpr uint32_t kPenKind = 0x05u << 24;
constexpr uint32_t kBrushKind = 0x06u << 24;
constexpr uint32_t kIndexMask = 0x00FFFFFFu;
constexpr int32_t kMaxPenWidth = 64;

struct Tool {
    COLORREF colour = 0;
    int32_t width = 1;  // pens only
    bool stock = false;
    bool live = false;
};

struct DrawingState {
    Handle pen = 0, brush = 0;
    POINT position {0, 0};
};

struct Tools {
    std::mutex lock;
    std::vector<Tool> pens, brushes;
    Handle whiteBrush = 0, blackPen = 0;
    std::map<Handle, DrawingState> contexts;
};

Tools& tools()
{
    static Tools instance;
    return instance;
}

Handle addTool(std::vector<Tool>& list, uint32_t kind, Tool tool)
{
    tool.live = true;
    auto free = std::find_if(list.begin(), list.end(), [](const Tool& t) { return !t.live; });
    size_t index = static_cast<size_t>(free - list.begin());
    if (index >= kIndexMask) return 0;
    if (free == list.end())
        list.push_back(tool);
    else
        *free = tool;
    return kind | static_cast<uint32_t>(index + 1);
}

Tool* findTool(std::vector<Tool>& list, uint32_t kind, Handle handle)
{
    if ((handle & ~kIndexMask) != kind) return nullptr;
    size_t index = handle & kIndexMask;
    return index >= 1 && index <= list.size() && list[index - 1].live ? &list[index - 1] : nullptr;
}

Handle stockWhiteBrush(Tools& t)
{
    if (t.whiteBrush == 0) t.whiteBrush = addTool(t.brushes, kBrushKind, {RGB(255, 255, 255), 1, true});
    return t.whiteBrush;
}

Handle stockBlackPen(Tools& t)
{
    if (t.blackPen == 0) t.blackPen = addTool(t.pens, kPenKind, {RGB(0, 0, 0), 1, true});
    return t.blackPen;
}

DrawingState& stateOf(Tools& t, Handle dc)
{
    auto [entry, added] = t.contexts.try_emplace(dc);
    if (added) entry->second = {stockBlackPen(t), stockWhiteBrush(t), {0, 0}};
    return entry->second;
}

int32_t deleteTool(std::vector<Tool>& list, uint32_t kind, Handle handle)
{
    Tools& t = tools();
    std::lock_guard guard(t.lock);
    Tool* tool = findTool(list, kind, handle);
    if (!tool) return 0;
    if (!tool->stock) tool->live = false;
    return 1;
}

// A solid block of colour copied onto the context, as any picture reaches it.
void fillBlock(Handle dc, int32_t x, int32_t y, int32_t width, int32_t height, COLORREF colour)
{
    if (width <= 0 || height <= 0) return;
    BITMAPINFO info {};
    info.bmiHeader = {40, width, -height, 1, 32, kBiRgb, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    Handle block = CreateDIBSection(0, &info, kDibRgbColors, &bits, 0, 0);
    if (block == 0) return;
    uint32_t pixel = 0xFF000000u | ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
    std::fill_n(static_cast<uint32_t*>(bits), static_cast<size_t>(width) * static_cast<size_t>(height), pixel);
    Handle source = CreateCompatibleDC(0);
    SelectObject(source, block);
    BitBlt(dc, x, y, width, height, source, 0, 0, kSrcCopy);
    DeleteDC(source);
    DeleteObject(block);
}

struct Pen {
    COLORREF colour;
    int32_t width;
};

void plot(Handle dc, const Pen& pen, int32_t x, int32_t y)
{
    int32_t offset = (pen.width - 1) / 2;
    fillBlock(dc, x - offset, y - offset, pen.width, pen.width, pen.colour);
}

// Bresenham from (x0, y0) towards (x1, y1), leaving out the end point.
void drawLine(Handle dc, const Pen& pen, int32_t x0, int32_t y0, int32_t x1, int32_t y1)
{
    int64_t dx = std::llabs(int64_t(x1) - x0), dy = -std::llabs(int64_t(y1) - y0);
    int32_t stepX = x0 < x1 ? 1 : -1, stepY = y0 < y1 ? 1 : -1;
    int64_t error = dx + dy;
    int32_t x = x0, y = y0;
    while (x != x1 || y != y1) {
        plot(dc, pen, x, y);
        int64_t doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            y += stepY;
        }
    }
}

// The pen and brush selected into the context, read under the lock and used after it (drawing
// goes through the graphics stand-ins, which take their own lock).
struct Selection {
    Pen pen {0, 1};
    std::optional<COLORREF> brush;
};

std::optional<Selection> selectionOf(Handle dc)
{
    if (dc == 0) return std::nullopt;
    Tools& t = tools();
    std::lock_guard guard(t.lock);
    DrawingState& state = stateOf(t, dc);
    Selection selection;
    if (Tool* pen = findTool(t.pens, kPenKind, state.pen)) selection.pen = {pen->colour, pen->width};
    if (Tool* brush = findTool(t.brushes, kBrushKind, state.brush)) selection.brush = brush->colour;
    return selection;
}

}  // namespace

std::optional<COLORREF> brushColour(Handle brush)
{
    Tools& t = tools();
    std::lock_guard guard(t.lock);
    Tool* tool = findTool(t.brushes, kBrushKind, brush);
    return tool ? std::optional<COLORREF>(tool->colour) : std::nullopt;
}

}  // namespace qz

extern "C" {

qz::Handle CreatePen(int32_t style, int32_t width, qz::COLORREF colour)
{
    if (style != qz::PS_SOLID && style != qz::PS_INSIDEFRAME) return 0;
    qz::Tools& t = qz::tools();
    std::lock_guard guard(t.lock);
    return qz::addTool(t.pens, qz::kPenKind, {colour & 0xFFFFFF, std::clamp(width, 1, qz::kMaxPenWidth), false});
}

qz::Handle CreateSolidBrush(qz::COLORREF colour)
{
    qz::Tools& t = qz::tools();
    std::lock_guard guard(t.lock);
    return qz::addTool(t.brushes, qz::kBrushKind, {colour & 0xFFFFFF, 1, false});
}

qz::Handle GetStockObject(int32_t object)
{
    qz::Tools& t = qz::tools();
    std::lock_guard guard(t.lock);
    if (object == qz::WHITE_BRUSH) return qz::stockWhiteBrush(t);
    if (object == qz::BLACK_PEN) return qz::stockBlackPen(t);
    return 0;
}

qz::Handle SelectPen(qz::Handle dc, qz::Handle pen)
{
    qz::Tools& t = qz::tools();
    std::lock_guard guard(t.lock);
    if (dc == 0 || !qz::findTool(t.pens, qz::kPenKind, pen)) return 0;
    return std::exchange(qz::stateOf(t, dc).pen, pen);
}

qz::Handle SelectBrush(qz::Handle dc, qz::Handle brush)
{
    qz::Tools& t = qz::tools();
    std::lock_guard guard(t.lock);
    if (dc == 0 || !qz::findTool(t.brushes, qz::kBrushKind, brush)) return 0;
    return std::exchange(qz::stateOf(t, dc).brush, brush);
}

int32_t DeletePen(qz::Handle pen) { return qz::deleteTool(qz::tools().pens, qz::kPenKind, pen); }

int32_t DeleteBrush(qz::Handle brush) { return qz::deleteTool(qz::tools().brushes, qz::kBrushKind, brush); }

int32_t Rectangle(qz::Handle dc, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    std::optional<qz::Selection> selection = qz::selectionOf(dc);
    if (!selection) return 0;
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    const int32_t width = right - left, height = bottom - top;
    const int32_t frame = std::min({selection->pen.width, width, height});
    if (selection->brush) {
        qz::fillBlock(dc, left + frame, top + frame, width - 2 * frame, height - 2 * frame, *selection->brush);
    }
    const qz::COLORREF ink = selection->pen.colour;
    qz::fillBlock(dc, left, top, width, frame, ink);
    qz::fillBlock(dc, left, bottom - frame, width, frame, ink);
    qz::fillBlock(dc, left, top + frame, frame, height - 2 * frame, ink);
    qz::fillBlock(dc, right - frame, top + frame, frame, height - 2 * frame, ink);
    return 1;
}

int32_t FillRect(qz::Handle dc, const qz::RECT* rect, qz::Handle brush)
{
    std::optional<qz::COLORREF> colour = qz::brushColour(brush);
    if (dc == 0 || !rect || !colour) return 0;
    qz::fillBlock(dc, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, *colour);
    return 1;
}

int32_t MoveToEx(qz::Handle dc, int32_t x, int32_t y, qz::POINT* previous)
{
    if (dc == 0) return 0;
    qz::Tools& t = qz::tools();
    std::lock_guard guard(t.lock);
    qz::POINT old = std::exchange(qz::stateOf(t, dc).position, {x, y});
    if (previous) *previous = old;
    return 1;
}

int32_t LineTo(qz::Handle dc, int32_t x, int32_t y)
{
    std::optional<qz::Selection> selection = qz::selectionOf(dc);
    if (!selection) return 0;
    qz::POINT from {0, 0};
    {
        qz::Tools& t = qz::tools();
        std::lock_guard guard(t.lock);
        from = std::exchange(qz::stateOf(t, dc).position, {x, y});
    }
    qz::drawLine(dc, selection->pen, from.x, from.y, x, y);
    return 1;
}

int32_t Polyline(qz::Handle dc, const qz::POINT* points, int32_t count)
{
    std::optional<qz::Selection> selection = qz::selectionOf(dc);
    if (!selection || !points || count < 2) return 0;
    for (int32_t k = 1; k < count; ++k)
        qz::drawLine(dc, selection->pen, points[k - 1].x, points[k - 1].y, points[k].x, points[k].y);
    return 1;
}

}  // extern "C"
