#pragma once
#include <string>
#include <vector>

#include "editor/model/map_shell.h"

namespace qztest {

// Keeps what the map object asks of the windows, one line per call.
class RecordingShell : public qzedit::MapShell {
public:
    struct Node {
        std::string parent, key, text;
    };

    void deselectSideDef() override { calls.push_back("deselectSideDef"); }
    void selWall(int32_t n) override { calls.push_back("selWall " + std::to_string(n)); }
    void clearSelectList() override
    {
        calls.push_back("clearSelectList");
        selectList.clear();
    }
    void addSelectItem(const std::string& item) override
    {
        calls.push_back("addSelectItem " + item);
        selectList.push_back(item);
    }
    void doEvents() override { calls.push_back("doEvents"); }
    void setStatusPanelText(int panel, const std::string& text) override
    {
        calls.push_back("status " + std::to_string(panel) + " " + text);
    }
    void resetList() override
    {
        calls.push_back("resetList");
        nodes.clear();
    }
    void addTreeNode(const std::string& parent, const std::string& key, const std::string& text) override
    {
        nodes.push_back({parent, key, text});
    }

    std::vector<std::string> calls;
    std::vector<std::string> selectList;
    std::vector<Node> nodes;
};

}  // namespace qztest
