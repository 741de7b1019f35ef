#include "editor/wizards/logic/shape_wizard.h"

#include <algorithm>
#include <filesystem>

#include "editor/document/map_document.h"
#include "editor/model/clsMap.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/numbers.h"

namespace qzedit {

namespace fs = std::filesystem;

namespace {

std::vector<PreviewLine> axes(double width, double height)
{
    return {{0, height / 2, width, height / 2}, {width / 2, 0, width / 2, height}};
}

bool lowerXml(const fs::path& path)
{
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".xml";
}

}  // namespace

void ShapeWizard::load(const std::string& folder)
{
    folder_ = folder;
    shapes_.clear();
    std::error_code failed;
    for (fs::directory_iterator it(folder, failed), end; !failed && it != end; it.increment(failed))
        if (it->is_regular_file(failed) && lowerXml(it->path())) shapes_.push_back(it->path().filename().string());
    // The listing's own order differs between file systems; by name the list is the same everywhere.
    std::sort(shapes_.begin(), shapes_.end());
    selected = shapes_.empty() ? -1 : 0;
}

std::string ShapeWizard::emptyNote() const
{
    if (!shapes_.empty()) return "";
    return "No shape files (*.xml) in " + (folder_.empty() ? std::string("the shape folder") : folder_) + ".";
}

void ShapeWizard::invalid(const std::string& what) const
{
    qz::messageBox(shapes_[static_cast<size_t>(selected)] + ": " + what + ".", kInvalidTitle, qz::kMsgCritical);
}

std::optional<ShapeScan> ShapeWizard::readSelected() const
{
    if (selected < 0 || selected >= static_cast<int>(shapes_.size())) return std::nullopt;
    const std::optional<std::vector<uint8_t>> bytes =
        qz::readFileBytes((fs::path(folder_) / shapes_[static_cast<size_t>(selected)]).string());
    if (!bytes) {
        invalid("the file cannot be read");
        return std::nullopt;
    }
    ShapeScan scan = scanShape(std::string(bytes->begin(), bytes->end()));
    if (scan.problem == ShapeScan::kMissingHeader) {
        qz::messageBox(ShapeScan::kMissingHeader, kInvalidTitle, qz::kMsgCritical);
        return std::nullopt;
    }
    if (!scan.ok) {
        invalid(scan.problem);
        return std::nullopt;
    }
    for (int i = 0; i < scan.areaTags; ++i) qz::beep();
    return scan;
}

std::vector<PreviewLine> ShapeWizard::preview(double width, double height) const
{
    std::vector<PreviewLine> picture = axes(width, height);
    const std::optional<ShapeScan> scan = readSelected();
    if (!scan) return picture;
    const double cx = width / 2;
    const double cy = height / 2;
    for (const ShapeLine& l : scan->lines) picture.push_back({cx + l.x1, cy + l.y1, cx + l.x2, cy + l.y2});
    return picture;
}

std::vector<PreviewLine> ShapeWizard::create(MapDocument& document, double width, double height) const
{
    const std::optional<ShapeScan> scan = readSelected();
    if (!scan) return axes(width, height);
    clsMap& map = document.map();
    const int64_t room = clsMap::kWallSlots - map.numWalls;
    if (static_cast<int64_t>(scan->lines.size()) > room) {
        invalid("its " + qz::decimal(static_cast<long long>(scan->lines.size())) + " walls do not fit in the map, which has room for " +
                qz::decimal(room) + " more (" + qz::decimal(clsMap::kWallSlots) + " walls at most)");
        return axes(width, height);
    }
    auto placed = [&](int64_t insert, int32_t v) { return insert + v; };
    for (const ShapeLine& l : scan->lines) {
        const int64_t ends[] = {placed(map.insertX, l.x1), placed(map.insertY, l.y1), placed(map.insertX, l.x2),
                                placed(map.insertY, l.y2)};
        if (std::all_of(std::begin(ends), std::end(ends), [](int64_t v) { return v >= kShapeMin && v <= kShapeMax; }))
            continue;
        invalid("line " + qz::decimal(l.fileLine) + ": at the insertion point (" + qz::decimal(map.insertX) + ", " +
                qz::decimal(map.insertY) + ") the wall would reach outside " + qz::decimal(kShapeMin) + " to " +
                qz::decimal(kShapeMax));
        return axes(width, height);
    }
    document.change(kCaption, [&] {
        for (const ShapeLine& l : scan->lines)
            map.addWall(map.insertX + l.x1, map.insertY + l.y1, map.insertX + l.x2, map.insertY + l.y2, 0, 0);
    });
    return axes(width, height);
}

}  // namespace qzedit
