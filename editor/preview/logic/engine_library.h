#pragma once
#include "editor/preview/logic/engine_binding.h"
#include "editor/preview/logic/shared_library.h"

namespace qzedit {

// The engine library QZ3D15 shipped with the editor, called through its exports with every
// argument by reference. The editor keeps its current directory: the engine's initialisation
// moves it to the header's folder, and it is moved back afterwards.
class EngineLibrary final : public EngineBinding {
public:
    explicit EngineLibrary(std::string path);

    // The one engine of the process.
    static EngineLibrary& shipped();

    bool available() const override { return library_.found(); }
    std::string missingText() const override { return library_.missingText(); }

    int32_t initVaskell(int32_t dc, const std::string& headerPath, int32_t width, int32_t height) override;
    int32_t drawQZ(int32_t dc) override;
    int32_t moveViewer(int32_t side, int32_t forward, int32_t dz) override;
    int32_t turnViewer(int32_t change) override;
    int32_t forward() override;
    int32_t jumpViewer(int32_t x, int32_t y, int32_t z, int32_t angle) override;
    int32_t findArea() override;
    std::string findAreaName(int32_t index) override;
    int32_t flushVaskell() override;
    int32_t hitInFront(int32_t value) override;
    int32_t reloadMap(const std::string& mapPath) override;
    ViewerPlace viewer() override;

private:
    SharedLibrary library_;
};

}  // namespace qzedit
