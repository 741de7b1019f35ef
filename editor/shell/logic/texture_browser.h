#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editor/edit/edit_selection.h"
#include "editor/edit/texture_catalogue.h"
#include "editor/edit/texture_choice.h"

namespace qzedit {

class MapDocument;

// The texture browser's logic: the textures of the header in use, which field a choice sets, and
// the choice itself. The list shown follows the field: wall textures for the wall texture, flats
// for the floors and ceilings.
class TextureBrowser {
public:
    TextureBrowser(MapDocument& document, std::function<EditSelection()> selection);

    // Reads the textures of that header; the browser then shows them.
    void useHeader(const std::string& headerPath);
    const TextureCatalogue& catalogue() const { return catalogue_; }

    TextureField field() const { return field_; }
    void setField(TextureField field);
    const std::vector<TextureEntry>& shownEntries() const { return catalogue_.entries(listOf(field_)); }

    // Sets the field of the selected walls (or of every wall of the selected area) to number as
    // one change, "Set Wall texture" and so on. With nothing selected it says what to select and
    // changes nothing; false then.
    bool choose(int32_t number);
    // The number the selected walls have in the field when they all have the same; nothing else.
    std::optional<int32_t> selectedNumber() const;

    // Told after the header, the field or a choice changed what the browser shows.
    std::function<void()> onChanged;
    // Told after a choice changed the map.
    std::function<void()> onChosen;

private:
    void changed() const;

    MapDocument& document_;
    std::function<EditSelection()> selection_;
    TextureCatalogue catalogue_;
    TextureField field_ = TextureField::Wall;
};

}  // namespace qzedit
