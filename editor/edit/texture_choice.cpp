#include "editor/edit/texture_choice.h"

#include <set>

#include "editor/check/area_chains.h"
#include "editor/model/clsMap.h"

namespace qzedit {

namespace {

int32_t Wall::*memberOf(TextureField field)
{
    switch (field) {
    case TextureField::Wall: return &Wall::txrWall;
    case TextureField::FrontFloor: return &Wall::txrFFloor;
    case TextureField::FrontCeiling: return &Wall::txrFCeil;
    case TextureField::BackFloor: return &Wall::txrBFloor;
    case TextureField::BackCeiling: break;
    }
    return &Wall::txrBCeil;
}

}  // namespace

const char* textureFieldName(TextureField field)
{
    switch (field) {
    case TextureField::Wall: return "Wall texture";
    case TextureField::FrontFloor: return "Front floor";
    case TextureField::FrontCeiling: return "Front ceiling";
    case TextureField::BackFloor: return "Back floor";
    case TextureField::BackCeiling: break;
    }
    return "Back ceiling";
}

TextureList listOf(TextureField field) { return field == TextureField::Wall ? TextureList::Walls : TextureList::Flats; }

std::optional<TextureField> textureFieldOfRow(const std::string& label)
{
    if (label == "Wall Tx") return TextureField::Wall;
    if (label == "Front Floor Tx") return TextureField::FrontFloor;
    if (label == "Front Ceil Tx") return TextureField::FrontCeiling;
    if (label == "Back Floor Tx") return TextureField::BackFloor;
    if (label == "Back Ceil Tx") return TextureField::BackCeiling;
    return std::nullopt;
}

int32_t textureOf(const Wall& wall, TextureField field) { return wall.*memberOf(field); }

std::vector<int32_t> selectedWalls(const clsMap& map, const EditSelection& selection)
{
    std::vector<int32_t> walls;
    std::set<int32_t> listed;
    if (selection.area >= 0 && selection.area < map.numAreas)
        for (int32_t w : check::walkAreaChain(map, selection.area).walls)
            if (listed.insert(w).second) walls.push_back(w);
    for (int32_t w : selection.walls)
        if (w >= 0 && w < map.numWalls && listed.insert(w).second) walls.push_back(w);
    return walls;
}

void setTexture(clsMap& map, const std::vector<int32_t>& walls, TextureField field, int32_t number)
{
    for (int32_t w : walls) map.wallRecord(w).*memberOf(field) = number;
}

}  // namespace qzedit
