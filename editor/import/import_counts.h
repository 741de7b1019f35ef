#pragma once
#include <cstdint>

namespace qzedit {

namespace wad {

// What an import made of a map, what it dropped and what it cut, for the import report.
struct ImportCounts {
    // The map as read.
    int32_t linedefs = 0, sectors = 0, things = 0;

    // Converted.
    int32_t areas = 0, walls = 0;
    int32_t oneSidedWalls = 0;    // one-sided lines
    int32_t twoSidedLines = 0;    // lines between two imported rooms: a wall facing each
    int32_t solidCutLines = 0;    // lines to rooms left out, made solid
    int32_t transparentWalls = 0; // impassable lines with a middle texture: solid, see-through walls

    // Dropped: Doom features without a counterpart.
    int32_t droppedThings = 0;            // every thing but player 1's start
    int32_t lineSpecials = 0;             // lines with an action (doors, lifts, switches, exits)
    int32_t sectorSpecials = 0;           // damage, light effects, secrets
    int32_t dimSectors = 0;               // light levels below full: the engine has no lighting
    int32_t impassableOpenLines = 0;      // open two-sided lines marked impassable: walked through
    int32_t hiddenMiddleTextures = 0;     // middle textures on passable two-sided lines
    int32_t secondTextures = 0;           // walls showing an upper and a lower part: one texture for both
    int32_t innerLines = 0;               // lines with the same room on both sides and nothing to show
    int32_t zeroLengthLines = 0;
    int32_t emptySectors = 0;             // sectors no line bounds: no area
    int32_t missingTextures = 0;          // visible wall parts whose sidedef names no texture

    // Cut.
    int32_t sectorsLeftOut = 0;
};

}  // namespace wad

}  // namespace qzedit
