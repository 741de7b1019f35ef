// QZ3D15: the engine as its own viewer program. "QZ3D15 [--scale N] [HEADER.hdr]" opens the
// viewer window; File > Start loads the header (or the default of qz3d.ini) and walks it.
#include <cstdio>

#include "engine/viewer/program_entry.h"
#include "engine/viewer/viewer_resources.h"
#include "platform/qt/qt_program_host.h"
#include "platform/window_messages.h"

int main(int argc, char** argv)
{
    qz::QtProgramHost host(argc, argv, engine::viewer::kWindowTitle);
    if (!host.optionError().empty()) {
        std::fprintf(stderr, "QZ3D15: %s\nusage: QZ3D15 [--scale N] [HEADER.hdr]\n", host.optionError().c_str());
        return 2;
    }
    return engine::viewer::ViewerMain(engine::viewer::viewerInstance(), 0, host.commandLine(), qz::SW_SHOWNORMAL);
}
