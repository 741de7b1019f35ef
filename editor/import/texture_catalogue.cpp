#include "editor/import/texture_catalogue.h"

#include <algorithm>

#include "editor/import/doom_map.h"

namespace qzedit {

namespace wad {

namespace {

int32_t numberOf(std::vector<std::string>& list, const std::string& name)
{
    if (isNoTexture(name)) return 0;
    auto it = std::find(list.begin(), list.end(), name);
    if (it != list.end()) return static_cast<int32_t>(it - list.begin()) + 1;
    list.push_back(name);
    return static_cast<int32_t>(list.size());
}

}  // namespace

int32_t TextureCatalogue::wall(const std::string& name) { return numberOf(walls_, name); }

int32_t TextureCatalogue::flat(const std::string& name) { return numberOf(flats_, name); }

}  // namespace wad

}  // namespace qzedit
