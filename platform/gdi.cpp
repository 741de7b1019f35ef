#include "platform/gdi.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <mutex>
#include <optional>
#include <vector>

namespace {

using qz::Handle;

// A handle is its kind in the top byte and its table slot + 1 below, so a stale or foreign number
// is refused instead of being taken for another kind of object.
enum class Kind : uint32_t { DeviceContext = 1, Bitmap = 2, Palette = 3 };
constexpr uint32_t kKindShift = 24;
constexpr uint32_t kSlotMask = (1u << kKindShift) - 1;

// Bitmaps larger than this are refused rather than exhausting memory.
constexpr int64_t kMaxBitmapBytes = int64_t(1) << 28;

struct Bitmap {
    int32_t width = 0, height = 0;
    int32_t bytesPerPixel = 1;
    bool topDown = true;
    std::vector<uint8_t> pixels;
    std::array<qz::RGBQUAD, 256> colors {};
    Handle selectedInto = 0;
};

struct Palette {
    std::vector<qz::PALETTEENTRY> entries;
    int32_t selections = 0;
};

struct DeviceContext {
    bool memory = true;
    Handle bitmap = 0;
    Handle palette = 0;
    uint32_t* surface = nullptr;  // window surfaces only
    int32_t width = 0, height = 0, strideBytes = 0;
};

template <typename T, Kind K>
class HandleTable {
public:
    Handle add(T object)
    {
        auto free = std::find_if(slots_.begin(), slots_.end(), [](const auto& s) { return !s.has_value(); });
        size_t slot = static_cast<size_t>(free - slots_.begin());
        if (slot >= kSlotMask) return 0;
        if (free == slots_.end()) slots_.emplace_back();
        slots_[slot] = std::move(object);
        return (static_cast<uint32_t>(K) << kKindShift) | static_cast<uint32_t>(slot + 1);
    }
    T* find(Handle handle)
    {
        if ((handle >> kKindShift) != static_cast<uint32_t>(K)) return nullptr;
        size_t slot = (handle & kSlotMask);
        if (slot == 0 || slot > slots_.size() || !slots_[slot - 1]) return nullptr;
        return &*slots_[slot - 1];
    }
    void remove(Handle handle) { slots_[(handle & kSlotMask) - 1].reset(); }

private:
    std::vector<std::optional<T>> slots_;
};

struct Tables {
    std::mutex lock;
    HandleTable<DeviceContext, Kind::DeviceContext> contexts;
    HandleTable<Bitmap, Kind::Bitmap> bitmaps;
    HandleTable<Palette, Kind::Palette> palettes;
};

Tables& tables()
{
    static Tables instance;
    return instance;
}

// The pixels a context draws to or copies from.
struct PixelView {
    uint8_t* base = nullptr;
    int32_t width = 0, height = 0;
    int64_t strideBytes = 0;
    int32_t bytesPerPixel = 1;
    bool topDown = true;
    const qz::RGBQUAD* colors = nullptr;

    uint8_t* row(int64_t y) const { return base + (topDown ? y : height - 1 - y) * strideBytes; }
};

std::optional<PixelView> viewOf(Tables& t, Handle dc)
{
    DeviceContext* context = t.contexts.find(dc);
    if (!context) return std::nullopt;
    if (!context->memory) {
        return PixelView {reinterpret_cast<uint8_t*>(context->surface), context->width, context->height,
                          context->strideBytes, 4, true, nullptr};
    }
    Bitmap* bitmap = t.bitmaps.find(context->bitmap);
    if (!bitmap) return std::nullopt;
    return PixelView {bitmap->pixels.data(), bitmap->width, bitmap->height,
                      int64_t(bitmap->width) * bitmap->bytesPerPixel, bitmap->bytesPerPixel, bitmap->topDown,
                      bitmap->colors.data()};
}

// Narrows a copy of extent at position pos from sourcePos so that both lie inside their sizes.
bool clipSpan(int64_t& pos, int64_t& sourcePos, int64_t& extent, int64_t size, int64_t sourceSize)
{
    int64_t shift = std::max({int64_t(0), -pos, -sourcePos});
    pos += shift;
    sourcePos += shift;
    extent -= shift;
    extent = std::min({extent, size - pos, sourceSize - sourcePos});
    return extent > 0;
}

void releaseSelections(Tables& t, DeviceContext& context)
{
    if (Bitmap* bitmap = t.bitmaps.find(context.bitmap)) bitmap->selectedInto = 0;
    if (Palette* palette = t.palettes.find(context.palette)) --palette->selections;
}

}  // namespace

extern "C" {

Handle RegisterWindowSurface(uint32_t* pixels, int32_t width, int32_t height, int32_t strideBytes)
{
    if (!pixels || width <= 0 || height <= 0 || strideBytes < int64_t(width) * 4) return 0;
    Tables& t = tables();
    std::lock_guard guard(t.lock);
    DeviceContext context;
    context.memory = false;
    context.surface = pixels;
    context.width = width;
    context.height = height;
    context.strideBytes = strideBytes;
    return t.contexts.add(context);
}

int32_t UnregisterWindowSurface(Handle dc)
{
    Tables& t = tables();
    std::lock_guard guard(t.lock);
    DeviceContext* context = t.contexts.find(dc);
    if (!context || context->memory) return 0;
    releaseSelections(t, *context);
    t.contexts.remove(dc);
    return 1;
}

Handle CreateCompatibleDC(Handle dc)
{
    Tables& t = tables();
    std::lock_guard guard(t.lock);
    if (dc != 0 && !t.contexts.find(dc)) return 0;
    return t.contexts.add(DeviceContext {});
}

int32_t DeleteDC(Handle dc)
{
    Tables& t = tables();
    std::lock_guard guard(t.lock);
    DeviceContext* context = t.contexts.find(dc);
    if (!context || !context->memory) return 0;
    releaseSelections(t, *context);
    t.contexts.remove(dc);
    return 1;
}

Handle SelectObject(Handle dc, Handle object)
{
    Tables& t = tables();
    std::lock_guard guard(t.lock);
    DeviceContext* context = t.contexts.find(dc);
    Bitmap* bitmap = t.bitmaps.find(object);
    if (!context || !context->memory || !bitmap) return 0;
    if (bitmap->selectedInto != 0 && bitmap->selectedInto != dc) return 0;
    Handle previous = context->bitmap;
    if (Bitmap* old = t.bitmaps.find(previous)) old->selectedInto = 0;
    context->bitmap = object;
    bitmap->selectedInto = dc;
    return previous;
}

int32_t DeleteObject(Handle object)
{
    Tables& t = tables();
    std::lock_guard guard(t.lock);
    if (Bitmap* bitmap = t.bitmaps.find(object)) {
        if (bitmap->selectedInto != 0) return 0;
        t.bitmaps.remove(object);
        return 1;
    }
    if (Palette* palette = t.palettes.find(object)) {
        if (palette->selections > 0) return 0;
        t.palettes.remove(object);
        return 1;
    }
    return 0;
}

int32_t BitBlt(Handle destination, int32_t x, int32_t y, int32_t width, int32_t height, Handle source,
               int32_t sourceX, int32_t sourceY, uint32_t rasterOperation)
{
    if (rasterOperation != qz::kSrcCopy) return 0;
    Tables& t = tables();
    std::lock_guard guard(t.lock);
    std::optional<PixelView> to = viewOf(t, destination);
    std::optional<PixelView> from = viewOf(t, source);
    if (!to || !from) return 0;
    bool convert = from->bytesPerPixel == 1 && to->bytesPerPixel == 4;
    if (!convert && from->bytesPerPixel != to->bytesPerPixel) return 0;

    int64_t left = x, top = y, fromLeft = sourceX, fromTop = sourceY, columns = width, rows = height;
    if (!clipSpan(left, fromLeft, columns, to->width, from->width) ||
        !clipSpan(top, fromTop, rows, to->height, from->height))
        return 1;
    for (int64_t r = 0; r < rows; ++r) {
        const uint8_t* in = from->row(fromTop + r) + fromLeft * from->bytesPerPixel;
        uint8_t* out = to->row(top + r) + left * to->bytesPerPixel;
        if (!convert) {
            std::memmove(out, in, static_cast<size_t>(columns * to->bytesPerPixel));
            continue;
        }
        for (int64_t c = 0; c < columns; ++c) {
            const qz::RGBQUAD& colour = from->colors[in[c]];
            uint32_t pixel = 0xFF000000u | (uint32_t(colour.rgbRed) << 16) | (uint32_t(colour.rgbGreen) << 8) |
                             colour.rgbBlue;
            std::memcpy(out + c * 4, &pixel, 4);
        }
    }
    return 1;
}

Handle CreateDIBSection(Handle, const qz::BITMAPINFO* info, uint32_t usage, void** bits, Handle section,
                        uint32_t offset)
{
    if (bits) *bits = nullptr;
    if (!info || usage != qz::kDibRgbColors || section != 0 || offset != 0) return 0;
    const qz::BITMAPINFOHEADER& header = info->bmiHeader;
    if (header.biSize < sizeof(qz::BITMAPINFOHEADER) || header.biPlanes != 1 || header.biCompression != qz::kBiRgb ||
        (header.biBitCount != 8 && header.biBitCount != 32) || header.biWidth <= 0 || header.biHeight == 0 ||
        header.biHeight == INT32_MIN)
        return 0;
    Bitmap bitmap;
    bitmap.width = header.biWidth;
    bitmap.height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    bitmap.topDown = header.biHeight < 0;
    bitmap.bytesPerPixel = header.biBitCount / 8;
    int64_t bytes = int64_t(bitmap.width) * bitmap.height * bitmap.bytesPerPixel;
    if (bytes > kMaxBitmapBytes) return 0;
    if (bitmap.bytesPerPixel == 1) {
        uint32_t used = header.biClrUsed == 0 ? 256 : std::min<uint32_t>(header.biClrUsed, 256);
        std::copy(info->bmiColors, info->bmiColors + used, bitmap.colors.begin());
    }

    Tables& t = tables();
    std::lock_guard guard(t.lock);
    bitmap.pixels.assign(static_cast<size_t>(bytes), 0);
    void* pixels = bitmap.pixels.data();
    Handle handle = t.bitmaps.add(std::move(bitmap));
    if (handle != 0 && bits) *bits = pixels;
    return handle;
}

uint32_t GetDIBColorTable(Handle dc, uint32_t start, uint32_t count, qz::RGBQUAD* colours)
{
    Tables& t = tables();
    std::lock_guard guard(t.lock);
    DeviceContext* context = t.contexts.find(dc);
    Bitmap* bitmap = context ? t.bitmaps.find(context->bitmap) : nullptr;
    if (!bitmap || bitmap->bytesPerPixel != 1 || !colours || start >= bitmap->colors.size()) return 0;
    uint32_t copied = std::min<uint32_t>(count, static_cast<uint32_t>(bitmap->colors.size()) - start);
    std::copy_n(bitmap->colors.begin() + start, copied, colours);
    return copied;
}

int32_t GetBitmapBits(Handle bitmapHandle, int32_t byteCount, void* bits)
{
    Tables& t = tables();
    std::lock_guard guard(t.lock);
    Bitmap* bitmap = t.bitmaps.find(bitmapHandle);
    if (!bitmap || !bits || byteCount <= 0) return 0;
    int64_t strideBytes = int64_t(bitmap->width) * bitmap->bytesPerPixel;
    PixelView view {bitmap->pixels.data(), bitmap->width, bitmap->height, strideBytes,
                    bitmap->bytesPerPixel, bitmap->topDown, nullptr};
    int64_t total = std::min<int64_t>(byteCount, strideBytes * bitmap->height);
    auto* out = static_cast<uint8_t*>(bits);
    for (int64_t done = 0, y = 0; done < total; done += strideBytes, ++y)
        std::memcpy(out + done, view.row(y), static_cast<size_t>(std::min(strideBytes, total - done)));
    return static_cast<int32_t>(total);
}

Handle CreatePalette(const qz::LOGPALETTE* palette)
{
    if (!palette || palette->palVersion != 0x300 || palette->palNumEntries == 0 || palette->palNumEntries > 256)
        return 0;
    Palette created;
    created.entries.assign(palette->palPalEntry, palette->palPalEntry + palette->palNumEntries);
    Tables& t = tables();
    std::lock_guard guard(t.lock);
    return t.palettes.add(std::move(created));
}

Handle SelectPalette(Handle dc, Handle palette, int32_t)
{
    Tables& t = tables();
    std::lock_guard guard(t.lock);
    DeviceContext* context = t.contexts.find(dc);
    Palette* selected = t.palettes.find(palette);
    if (!context || !selected) return 0;
    Handle previous = context->palette;
    if (Palette* old = t.palettes.find(previous)) --old->selections;
    ++selected->selections;
    context->palette = palette;
    return previous;
}

uint32_t RealizePalette(Handle dc)
{
    Tables& t = tables();
    std::lock_guard guard(t.lock);
    DeviceContext* context = t.contexts.find(dc);
    if (!context) return qz::kGdiError;
    Palette* palette = t.palettes.find(context->palette);
    return palette ? static_cast<uint32_t>(palette->entries.size()) : 0;
}

}  // extern "C"
