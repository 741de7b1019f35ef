#pragma once
#include <optional>
#include <string>
#include <vector>

#include "editor/wizards/generators/shape_file.h"

namespace qzedit {

class MapDocument;

// One line of the preview picture, in the picture's own units.
struct PreviewLine {
    double x1, y1, x2, y2;
    bool operator==(const PreviewLine&) const = default;
};

// The shape wizard without its dialog: the shape files of a folder, Preview and Create.
class ShapeWizard {
public:
    static constexpr const char* kCaption = "Shape Wizard";
    static constexpr const char* kInvalidTitle = "Invalid file";

    // Lists the ".xml" files of folder by name and selects the first.
    void load(const std::string& folder);
    const std::string& folder() const { return folder_; }
    const std::vector<std::string>& shapes() const { return shapes_; }
    int selected = -1;
    // What the dialog shows instead of a list when the folder holds no shape file; "" otherwise.
    std::string emptyNote() const;

    // Preview: the picture's axes through its centre, then the shape's walls with its origin at
    // the centre, one map unit per picture unit.
    std::vector<PreviewLine> preview(double width, double height) const;
    // Create: the shape's walls added at the insertion point as one change. Only the axes remain
    // in the picture. A file with any fault adds nothing and says what is wrong and where.
    std::vector<PreviewLine> create(MapDocument& document, double width, double height) const;

private:
    // The selected file read whole, each area tag beeped; nothing after a message.
    std::optional<ShapeScan> readSelected() const;
    void invalid(const std::string& what) const;

    std::string folder_;
    std::vector<std::string> shapes_;
};

}  // namespace qzedit
