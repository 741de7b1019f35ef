// qz-demo-world: writes the demo world's palette, textures, sky, overlays and headers.
#include <cstdio>
#include <cstring>
#include <string>

#include "format/bitmap_file.h"
#include "platform/files.h"
#include "tools/demo-world/contact_sheet.h"
#include "tools/demo-world/palette.h"
#include "tools/demo-world/world.h"

namespace {

bool write(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::string error;
    if (qz::writeFileReplacing(path, bytes, &error)) return true;
    std::fprintf(stderr, "qz-demo-world: cannot write %s: %s\n", path.c_str(), error.c_str());
    return false;
}

int usage()
{
    std::fprintf(stderr, "usage: qz-demo-world OUTPUT-FOLDER [--contact-sheet FILE.bmp]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && !(argc == 4 && std::strcmp(argv[2], "--contact-sheet") == 0)) return usage();
    const std::string folder = argv[1];
    const qzdemo::DemoWorld world = qzdemo::buildDemoWorld();
    for (const qzdemo::OutputFile& file : qzdemo::worldFiles(world))
        if (!write(folder + "/" + file.name, file.bytes)) return 1;
    if (argc == 4 && !write(argv[3], bitmapfile::encodeBitmap(qzdemo::contactSheet(world), qzdemo::demoPalette()))) return 1;
    return 0;
}
