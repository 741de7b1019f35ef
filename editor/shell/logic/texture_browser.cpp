#include "editor/shell/logic/texture_browser.h"

#include "editor/document/map_document.h"
#include "editor/model/clsMap.h"
#include "platform/message_box.h"

namespace qzedit {

TextureBrowser::TextureBrowser(MapDocument& document, std::function<EditSelection()> selection)
    : document_(document), selection_(std::move(selection))
{
}

void TextureBrowser::changed() const
{
    if (onChanged) onChanged();
}

void TextureBrowser::useHeader(const std::string& headerPath)
{
    catalogue_ = TextureCatalogue::read(headerPath);
    changed();
}

void TextureBrowser::setField(TextureField field)
{
    field_ = field;
    changed();
}

bool TextureBrowser::choose(int32_t number)
{
    clsMap& map = document_.map();
    const std::vector<int32_t> walls = selectedWalls(map, selection_ ? selection_() : EditSelection {});
    if (walls.empty()) {
        qz::messageBox("Select a wall in the map, or an area in the project window, to give it this texture.",
                       "Nothing Selected", qz::kMsgExclamation);
        return false;
    }
    document_.change(std::string("Set ") + textureFieldName(field_), [&] { setTexture(map, walls, field_, number); });
    if (onChosen) onChosen();
    changed();
    return true;
}

std::optional<int32_t> TextureBrowser::selectedNumber() const
{
    const clsMap& map = document_.map();
    const std::vector<int32_t> walls = selectedWalls(map, selection_ ? selection_() : EditSelection {});
    if (walls.empty()) return std::nullopt;
    const int32_t first = textureOf(map.wallRecord(walls.front()), field_);
    for (int32_t w : walls)
        if (textureOf(map.wallRecord(w), field_) != first) return std::nullopt;
    return first;
}

}  // namespace qzedit
