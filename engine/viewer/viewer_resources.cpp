#include "engine/viewer/viewer_resources.h"

#include "engine/viewer/viewer_icons.h"

namespace engine::viewer {

namespace {

qz::MenuItemResource item(uint32_t id, const char* text, bool greyed = false) { return {id, text, greyed, false}; }
qz::MenuItemResource separator() { return {0, "", false, true}; }

qz::MenuResource mainMenu()
{
    qz::MenuResource menu;
    menu.popups.push_back({"&File",
        {item(kCmdStart, "&Start Quarzite3D\tCtrl+N"), item(kCmdOpen, "&Open\tCtrl+O"), item(kCmdClose, "&Close", true),
            separator(), item(kCmdSave, "&Save\tCtrl+S"), separator(), item(kCmdExit, "E&xit\tAlt+F4")},
        false});
    menu.popups.push_back({"&Edit",
        {item(kCmdCut, "Cut\tCtrl+X"), item(kCmdCopy, "Copy\tCtrl+C"), item(kCmdPaste, "Paste\tCtrl+V")}, false});
    menu.popups.push_back({"&Help", {item(kCmdHelp, "&Help\tF1"), separator(), item(kCmdAbout, "&About")}, true});
    return menu;
}

}  // namespace

qz::ImageResources viewerResources()
{
    qz::ImageResources resources;
    resources.strings = {
        {kCmdStart, "Start QZ3D engine"},
        {kCmdOpen, "View Size 640 x 320"},
        {kCmdClose, "View Size 320 x 200"},
        {kCmdSave, "View Size 640 x 200"},
        {kCmdExit, "Exit Vaskell"},
        {kCmdCut, "Cut to clipboard"},
        {kCmdCopy, "Copy to clipboard"},
        {kCmdPaste, "Paste from clipboard"},
        {kCmdHelp, "Help"},
        {kCmdAbout, "About Quarzite3D"},
    };
    resources.menus[kMenuName] = mainMenu();
    resources.bitmaps[kToolbarBitmapName] = toolbarStrip();
    resources.icons[kIconName] = programIcon();
    return resources;
}

qz::Handle viewerInstance()
{
    static const qz::Handle instance = qz::registerImageResources(viewerResources());
    return instance;
}

}  // namespace engine::viewer
