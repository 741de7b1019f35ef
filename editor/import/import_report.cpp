#include "editor/import/import_report.h"

namespace qzedit {

namespace wad {

namespace {

std::string line(const std::string& label, int64_t value) { return "  " + label + ": " + std::to_string(value) + "\n"; }

}  // namespace

std::string importReport(const std::string& mapName, const ImportedMap& imported)
{
    const ImportCounts& c = imported.converted.counts;
    const ViewerPlacement& v = imported.viewer;
    std::string text = mapName + ": " + std::to_string(c.linedefs) + " lines, " + std::to_string(c.sectors) +
                       " sectors, " + std::to_string(c.things) + " things\n";
    text += "converted:\n";
    text += line("areas (one per sector)", c.areas);
    text += line("walls", c.walls);
    text += line("one-sided lines (solid walls)", c.oneSidedWalls);
    text += line("two-sided lines (a wall facing each side)", c.twoSidedLines);
    text += line("see-through walls (impassable lines with a middle texture)", c.transparentWalls);
    text += line("wall textures", static_cast<int64_t>(imported.converted.textures.walls().size()));
    text += line("flats", static_cast<int64_t>(imported.converted.textures.flats().size()));
    text += line("compiled records", imported.compiledRecords);
    text += "  viewer start: x " + std::to_string(static_cast<int64_t>(v.x)) + ", y " +
            std::to_string(static_cast<int64_t>(v.y)) + ", eye " + std::to_string(v.z) + ", angle " +
            std::to_string(v.angle) + " (sector " + std::to_string(v.sector) + ")\n";
    text += "dropped:\n";
    text += line("things other than player 1's start", c.droppedThings);
    text += line("line actions (doors, lifts, switches, exits)", c.lineSpecials);
    text += line("sector specials (damage, light effects, secrets)", c.sectorSpecials);
    text += line("sectors below full light (no lighting)", c.dimSectors);
    text += line("impassable flags on open two-sided lines", c.impassableOpenLines);
    text += line("middle textures on passable two-sided lines", c.hiddenMiddleTextures);
    text += line("walls showing one texture for an upper and a lower part", c.secondTextures);
    text += line("lines with one sector on both sides and nothing to show", c.innerLines);
    text += line("zero-length lines", c.zeroLengthLines);
    text += line("sectors without lines", c.emptySectors);
    text += line("visible wall parts without a texture", c.missingTextures);
    text += "cut:\n";
    text += line("sectors left out", c.sectorsLeftOut);
    text += line("lines to sectors left out, made solid", c.solidCutLines);
    if (imported.cut)
        text += "  imported the part around the player start that fits: " + std::to_string(c.areas) + " of " +
                std::to_string(imported.reachableSectors) + " reachable sectors\n";
    text += "area lookup:\n";
    text += line("areas too large to be found (32000000 square units or more)", imported.lookup.areasTooLarge);
    text += line("areas whose chain passes the 201 nodes followed", imported.lookup.chainsTooLong);
    return text;
}

}  // namespace wad

}  // namespace qzedit
