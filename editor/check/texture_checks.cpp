// Texture and flat numbers against the header's lists: a number outside its list draws the
// engine's checkerboard.
#include "editor/check/check_steps.h"
#include "editor/model/clsMap.h"
#include "platform/numbers.h"

namespace qzedit::check {

namespace {

// The multi-texture stack is wall textures 1 to 4.
constexpr int32_t kStackedTextures = 4;

std::string listText(const char* list, int32_t count)
{
    return count > 0 ? std::string("the header's [") + list + "] list (1 to " + qz::decimal(count) + ")"
                     : std::string("the header's [") + list + "] list, which is empty";
}

void checkNumber(int32_t wall, const char* what, int32_t number, const char* list, int32_t count, Findings& findings)
{
    if (number >= 1 && number <= count) return;
    findings.push_back({Severity::Error, RecordKind::Wall, wall,
                        std::string("its ") + what + " " + qz::decimal(number) + " is not in " + listText(list, count) +
                            ", so the engine draws a checkerboard instead. Choose a number from the list."});
}

}  // namespace

void checkTextures(const clsMap& map, const HeaderTextures& header, Findings& findings)
{
    for (int32_t i = 0; i < map.numWalls; ++i) {
        const Wall& w = map.wallRecord(i);
        // An animated wall shows the animation's frames, a multi-texture wall the stack, not its own texture.
        if (w.wallFlags & kWallMultiTexture) {
            if (header.walls < kStackedTextures)
                findings.push_back({Severity::Error, RecordKind::Wall, i,
                                    "it is a multi-texture wall, which stacks wall textures 1 to 4, but " +
                                        listText("Walls", header.walls) +
                                        " has fewer. Add textures to the header or clear the wall's flag."});
        } else if (!(w.wallFlags & kWallAnimated)) {
            checkNumber(i, "wall texture (Wall Tx)", w.txrWall, "Walls", header.walls, findings);
        }
        checkNumber(i, "front floor flat (Front Floor Tx)", w.txrFFloor, "Floors", header.floors, findings);
        if (!(w.wallFlags & kWallSkyCeiling))
            checkNumber(i, "front ceiling flat (Front Ceil Tx)", w.txrFCeil, "Floors", header.floors, findings);
        // A solid wall shows nothing of a room behind it.
        if (w.floorHtEnd != w.ceilHtBegin) {
            checkNumber(i, "back floor flat (Back Floor Tx)", w.txrBFloor, "Floors", header.floors, findings);
            checkNumber(i, "back ceiling flat (Back Ceil Tx)", w.txrBCeil, "Floors", header.floors, findings);
        }
    }
}

}  // namespace qzedit::check
