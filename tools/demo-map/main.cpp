#include <iostream>
#include <string>

#include "editor/model/clsMap.h"
#include "platform/random.h"
#include "platform/run_error.h"
#include "tools/demo-map/demo_map.h"

using namespace qzedit;

// Writes the demo level as an editable map document. The same program always writes the same bytes.
int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: qz-demo-map OUT.map\n";
        return 2;
    }
    qz::setFixedRandomSeed(146);
    try {
        clsMap map;
        buildDemoMap(map);
        Outcome written = map.WriteNewMPB(argv[1], false);
        if (!written) std::cerr << "qz-demo-map: " << written.text << "\n";
        return written ? 0 : 1;
    } catch (const qz::RunError& e) {
        std::cerr << "qz-demo-map: " << e.what() << "\n";
        return 1;
    }
}
