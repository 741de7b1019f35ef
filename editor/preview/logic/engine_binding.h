#pragma once
#include <cstdint>
#include <string>

namespace qzedit {

// Where the engine's viewer stands: whole map units, eye height and direction (0..127).
struct ViewerPlace {
    int32_t x = 0, y = 0, z = 0, angle = 0;
    bool operator==(const ViewerPlace&) const = default;
};

// The engine's exports as the editor calls them. The windows take a binding rather than the
// library itself, so tests can count and check every call.
class EngineBinding {
public:
    virtual ~EngineBinding() = default;

    // Whether the library is there to be called, and the message naming it when it is not.
    virtual bool available() const = 0;
    virtual std::string missingText() const = 0;

    virtual int32_t initVaskell(int32_t dc, const std::string& headerPath, int32_t width, int32_t height) = 0;
    virtual int32_t drawQZ(int32_t dc) = 0;
    virtual int32_t moveViewer(int32_t side, int32_t forward, int32_t dz) = 0;
    virtual int32_t turnViewer(int32_t change) = 0;
    virtual int32_t forward() = 0;
    virtual int32_t jumpViewer(int32_t x, int32_t y, int32_t z, int32_t angle) = 0;
    virtual int32_t findArea() = 0;
    virtual std::string findAreaName(int32_t index) = 0;
    virtual int32_t flushVaskell() = 0;
    virtual int32_t hitInFront(int32_t value) = 0;
    // Loads another compiled map into the running engine, keeping textures and viewer; 0 or -1.
    virtual int32_t reloadMap(const std::string& mapPath) = 0;
    virtual ViewerPlace viewer() = 0;

    // Counts the initialisations of the one engine of the process, whoever made them, so a
    // window can tell that another one has put a different world in place since its own.
    int32_t initialisations() const { return initialisations_; }

protected:
    void countInitialisation() { ++initialisations_; }

private:
    int32_t initialisations_ = 0;
};

}  // namespace qzedit
