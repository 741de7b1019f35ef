#pragma once
#include <fstream>
#include <string>

namespace qzedit {

// MapEdit.log in the current directory: created at start and written line by line while the
// main window loads, then closed.
class StartupLog {
public:
    void open();
    void line(const std::string& text);
    void close();

private:
    std::ofstream out_;
};

}  // namespace qzedit
