#include <chrono>
#include <iomanip>
#include <vector>

#include "editor/model/clsMap.h"
#include "platform/message_box.h"
#include "platform/run_error.h"
#include "tools/qzmap/commands.h"
#include "tools/qzmap/map_file_blocks.h"

namespace {

// Collects the map object's message boxes for the life of the object, so that a failure becomes
// the command's one line instead of a second line on standard error.
class MessageCollector {
public:
    MessageCollector()
        : previous_(qz::setMessageSink([this](const std::string& text, const std::string&, int) {
              last_ = text;
              return qz::kMsgResultOk;
          }))
    {
    }
    ~MessageCollector() { qz::setMessageSink(previous_); }
    MessageCollector(const MessageCollector&) = delete;
    MessageCollector& operator=(const MessageCollector&) = delete;
    const std::string& last() const { return last_; }

private:
    std::string last_;
    qz::MessageSink previous_;
};

// The map object keeps its own viewpoints when it reads a file; a compile carries the file's over.
void takeViewpoints(clsMap& map, const MapFileBlocks& blocks)
{
    if (!blocks.hasViewpointBlock) return;
    map.numViewpoints = 0;
    for (const Viewpoint& v : blocks.viewpoints) map.viewpointRecord(map.numViewpoints++) = v;
}

}  // namespace

bool compileCommand(const std::string& inPath, const std::string& outPath, std::ostream& out, std::string& failure)
{
    std::optional<MapFileBlocks> blocks = readMapFileBlocks(inPath, failure);
    if (!blocks) return false;

    MessageCollector messages;
    clsMap map;
    if (!map.ReadNewMPB(inPath)) {
        failure = messages.last();
        return false;
    }
    takeViewpoints(map, *blocks);
    map.polishNextSeg();
    auto started = std::chrono::steady_clock::now();
    bool built = false;
    try {
        built = map.createBSP();
    } catch (const qz::RunError& e) {
        failure = "the tree of \"" + inPath + "\" cannot be built: " + e.what();
        return false;
    }
    std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    if (!built) {
        failure = messages.last();
        return false;
    }
    if (!map.WriteNewMPB(outPath, true)) {
        failure = "cannot write \"" + outPath + "\": " + messages.last();
        return false;
    }
    out << "build time: " << std::fixed << std::setprecision(3) << elapsed.count() << " seconds\n"
        << "records: " << map.numTreeSegs << "\n";
    return true;
}
