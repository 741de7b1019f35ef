#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editor/edit/edit_selection.h"
#include "editor/edit/texture_catalogue.h"
#include "editor/model/records.h"

namespace qzedit {

class clsMap;

// The texture fields of a wall a choice in the texture browser sets.
enum class TextureField { Wall, FrontFloor, FrontCeiling, BackFloor, BackCeiling };

inline constexpr TextureField kTextureFields[] = {TextureField::Wall, TextureField::FrontFloor, TextureField::FrontCeiling,
                                                  TextureField::BackFloor, TextureField::BackCeiling};

// "Wall texture", "Front floor", "Front ceiling", "Back floor", "Back ceiling".
const char* textureFieldName(TextureField field);

// Walls for the wall texture, flats for floors and ceilings.
TextureList listOf(TextureField field);

// The field of a property grid row: "Wall Tx", "Front Floor Tx", "Front Ceil Tx", "Back Floor Tx",
// "Back Ceil Tx"; nothing for the other rows.
std::optional<TextureField> textureFieldOfRow(const std::string& label);

int32_t textureOf(const Wall& wall, TextureField field);

// The walls a choice applies to: the selected walls, or every wall of the selected area's chain.
std::vector<int32_t> selectedWalls(const clsMap& map, const EditSelection& selection);

// Sets that one field of each of the walls to number; every other field stays as it was.
void setTexture(clsMap& map, const std::vector<int32_t>& walls, TextureField field, int32_t number);

}  // namespace qzedit
