#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/gdi.h"

// Resources of an image (string table, menus, bitmaps, icons), registered by the image itself at
// start and found again through its instance handle, as Windows finds them in the image's file.
namespace qz {

struct MenuItemResource {
    uint32_t id = 0;
    std::string text;  // "&" marks the mnemonic; a tab separates the shortcut label
    bool greyed = false;
    bool separator = false;
};

struct PopupMenuResource {
    std::string text;
    std::vector<MenuItemResource> items;
    bool alignRight = false;  // this and the following popups sit at the right end of the bar
};

struct MenuResource {
    std::vector<PopupMenuResource> popups;
};

// 32-bit pixels 0xAARRGGBB, top row first.
struct ImageResource {
    int32_t width = 0, height = 0;
    std::vector<uint32_t> pixels;
};

struct ImageResources {
    std::map<uint32_t, std::string> strings;
    std::map<std::string, MenuResource> menus;
    std::map<std::string, ImageResource> bitmaps;
    std::map<std::string, ImageResource> icons;
};

// Returns the instance handle under which the resources are found.
Handle registerImageResources(ImageResources resources);

// The menu behind a handle from LoadMenuA, the icon behind one from LoadIconA; null for others.
const MenuResource* findMenu(Handle menu);
const ImageResource* findIcon(Handle icon);

}  // namespace qz

extern "C" {

// Copies string id of the image into buffer (at most bufferSize - 1 characters and a zero) and
// returns its length; an unknown id gives an empty text and 0.
int32_t LoadStringA(qz::Handle instance, uint32_t id, char* buffer, int32_t bufferSize);

qz::Handle LoadMenuA(qz::Handle instance, const char* name);
qz::Handle LoadIconA(qz::Handle instance, const char* name);

// A 32-bit top-down bitmap of the graphics stand-ins holding the image; the caller deletes it.
qz::Handle LoadBitmapA(qz::Handle instance, const char* name);

}  // extern "C"
