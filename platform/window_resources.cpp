#include "platform/window_resources.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <mutex>

namespace qz {

namespace {

// Handles carry their kind in the top byte, as the graphics handles do, so that a menu handle is
// never taken for an instance.
constexpr uint32_t kInstanceKind = 0x40u << 24;
constexpr uint32_t kMenuKind = 0x41u << 24;
constexpr uint32_t kIconKind = 0x42u << 24;
constexpr uint32_t kIndexMask = 0x00FFFFFFu;

struct NamedResource {
    Handle instance;
    std::string name;
};

struct Registry {
    std::mutex lock;
    std::deque<ImageResources> images;  // registered images stay where they are
    std::vector<NamedResource> menus;
    std::vector<NamedResource> icons;
};

Registry& registry()
{
    static Registry instance;
    return instance;
}

const ImageResources* imageOf(Registry& r, Handle instance)
{
    if ((instance & ~kIndexMask) != kInstanceKind) return nullptr;
    size_t index = instance & kIndexMask;
    return index >= 1 && index <= r.images.size() ? &r.images[index - 1] : nullptr;
}

const NamedResource* namedOf(const std::vector<NamedResource>& list, Handle handle, uint32_t kind)
{
    if ((handle & ~kIndexMask) != kind) return nullptr;
    size_t index = handle & kIndexMask;
    return index >= 1 && index <= list.size() ? &list[index - 1] : nullptr;
}

// Handles of one resource are shared: loading it twice gives the same handle.
Handle handleFor(std::vector<NamedResource>& list, Handle instance, const std::string& name, uint32_t kind)
{
    auto found = std::find_if(
        list.begin(), list.end(), [&](const NamedResource& r) { return r.instance == instance && r.name == name; });
    if (found == list.end()) found = list.insert(list.end(), {instance, name});
    return kind | static_cast<uint32_t>(found - list.begin() + 1);
}

}  // namespace

Handle registerImageResources(ImageResources resources)
{
    Registry& r = registry();
    std::lock_guard guard(r.lock);
    r.images.push_back(std::move(resources));
    return kInstanceKind | static_cast<uint32_t>(r.images.size());
}

const MenuResource* findMenu(Handle menu)
{
    Registry& r = registry();
    std::lock_guard guard(r.lock);
    const NamedResource* named = namedOf(r.menus, menu, kMenuKind);
    const ImageResources* image = named ? imageOf(r, named->instance) : nullptr;
    if (!image) return nullptr;
    auto found = image->menus.find(named->name);
    return found == image->menus.end() ? nullptr : &found->second;
}

const ImageResource* findIcon(Handle icon)
{
    Registry& r = registry();
    std::lock_guard guard(r.lock);
    const NamedResource* named = namedOf(r.icons, icon, kIconKind);
    const ImageResources* image = named ? imageOf(r, named->instance) : nullptr;
    if (!image) return nullptr;
    auto found = image->icons.find(named->name);
    return found == image->icons.end() ? nullptr : &found->second;
}

}  // namespace qz

extern "C" {

int32_t LoadStringA(qz::Handle instance, uint32_t id, char* buffer, int32_t bufferSize)
{
    if (!buffer || bufferSize <= 0) return 0;
    buffer[0] = 0;
    qz::Registry& r = qz::registry();
    std::lock_guard guard(r.lock);
    const qz::ImageResources* image = qz::imageOf(r, instance);
    if (!image) return 0;
    auto found = image->strings.find(id);
    if (found == image->strings.end()) return 0;
    size_t length = std::min(found->second.size(), static_cast<size_t>(bufferSize) - 1);
    std::memcpy(buffer, found->second.data(), length);
    buffer[length] = 0;
    return static_cast<int32_t>(length);
}

qz::Handle LoadMenuA(qz::Handle instance, const char* name)
{
    if (!name) return 0;
    qz::Registry& r = qz::registry();
    std::lock_guard guard(r.lock);
    const qz::ImageResources* image = qz::imageOf(r, instance);
    if (!image || !image->menus.count(name)) return 0;
    return qz::handleFor(r.menus, instance, name, qz::kMenuKind);
}

qz::Handle LoadIconA(qz::Handle instance, const char* name)
{
    if (!name) return 0;
    qz::Registry& r = qz::registry();
    std::lock_guard guard(r.lock);
    const qz::ImageResources* image = qz::imageOf(r, instance);
    if (!image || !image->icons.count(name)) return 0;
    return qz::handleFor(r.icons, instance, name, qz::kIconKind);
}

qz::Handle LoadBitmapA(qz::Handle instance, const char* name)
{
    if (!name) return 0;
    qz::ImageResource image;
    {
        qz::Registry& r = qz::registry();
        std::lock_guard guard(r.lock);
        const qz::ImageResources* resources = qz::imageOf(r, instance);
        if (!resources) return 0;
        auto found = resources->bitmaps.find(name);
        if (found == resources->bitmaps.end()) return 0;
        image = found->second;
    }
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height))
        return 0;
    qz::BITMAPINFO info {};
    info.bmiHeader = {40, image.width, -image.height, 1, 32, qz::kBiRgb, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    qz::Handle bitmap = CreateDIBSection(0, &info, qz::kDibRgbColors, &bits, 0, 0);
    if (bitmap != 0) std::memcpy(bits, image.pixels.data(), image.pixels.size() * sizeof(uint32_t));
    return bitmap;
}

}  // extern "C"
