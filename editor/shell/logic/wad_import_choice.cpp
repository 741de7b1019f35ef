#include "editor/shell/logic/wad_import_choice.h"

#include "editor/import/import_report.h"
#include "editor/import/map_filling.h"
#include "editor/import/wad_error.h"
#include "editor/import/wad_import.h"
#include "editor/import/world_writing.h"
#include "editor/model/clsMap.h"
#include "platform/message_box.h"

namespace qzedit {

namespace {

Outcome importFailure(const std::string& text) { return Outcome::failure(text, "Import Error", qz::kMsgCritical); }

}  // namespace

Outcome WadImportChoice::load(const std::string& wadPath)
{
    try {
        wad::WadFile file = wad::readWadFile(wadPath);
        maps_ = wad::listMaps(file);
        file_.emplace(std::move(file));
    } catch (const wad::WadError& e) {
        return importFailure(e.what());
    }
    path_ = wadPath;
    selected_ = maps_.empty() ? -1 : 0;
    if (maps_.empty()) return importFailure("\"" + wadPath + "\" holds no map.");
    return {};
}

std::vector<std::string> WadImportChoice::mapLines() const
{
    std::vector<std::string> lines;
    for (const wad::MapEntry& entry : maps_) {
        std::string line = entry.name;
        if (entry.format != wad::MapFormat::Doom) line += std::string(" (") + wad::formatName(entry.format) + " layout, not importable)";
        lines.push_back(line);
    }
    return lines;
}

void WadImportChoice::select(int index) { selected_ = index >= 0 && index < static_cast<int>(maps_.size()) ? index : -1; }

bool WadImportChoice::okEnabled() const
{
    return selected_ >= 0 && maps_[static_cast<size_t>(selected_)].format == wad::MapFormat::Doom;
}

std::string WadImportChoice::selectedName() const
{
    return selected_ >= 0 ? maps_[static_cast<size_t>(selected_)].name : std::string();
}

Outcome WadImportChoice::importInto(clsMap& map, const std::string& worldDir, std::string& report) const
{
    if (!okEnabled() || !file_) return importFailure("No importable map is selected.");
    const std::string name = selectedName();
    try {
        const wad::ImportedMap imported = wad::importWadMap(*file_, name, wad::ImportOptions {fit});
        // The world is written from a copy, so a failure leaves the editor's map as it was.
        clsMap staged;
        wad::fillMap(imported, staged);
        const wad::TextureExport textures = wad::writeImportedWorld(*file_, name, imported, staged, worldDir, name);
        wad::fillMap(imported, map);
        report = wad::importReport(name, imported) + wad::worldReport(textures, worldDir, name);
    } catch (const wad::WadError& e) {
        return importFailure(e.what());
    }
    return {};
}

}  // namespace qzedit
