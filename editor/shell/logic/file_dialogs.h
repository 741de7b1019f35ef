#pragma once
#include <optional>
#include <string>

namespace qzedit {

// What the commands ask of the common file dialog. Filters are written "text|pattern|text|pattern".
struct FileDialogRequest {
    std::string filter;
    std::string fileName;
    int flags = 0;
};

class FileDialogs {
public:
    static constexpr int kHideReadOnly = 4;

    virtual ~FileDialogs() = default;
    // The chosen file name, or nothing when the user cancelled.
    virtual std::optional<std::string> showOpen(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> showSave(const FileDialogRequest& request) = 0;
};

}  // namespace qzedit
