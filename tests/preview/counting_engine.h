#pragma once
#include <string>
#include <vector>

#include "editor/preview/logic/engine_binding.h"

namespace previewtest {

// Records every call through the binding, one line each ("MOVEVIEWER 0 10 0"), and passes it on
// to a real engine when given one; without one it answers with the canned values below.
class CountingEngine : public qzedit::EngineBinding {
public:
    explicit CountingEngine(qzedit::EngineBinding* real = nullptr) : real_(real) {}

    std::vector<std::string> calls;
    bool present = true;
    int32_t bitmap = 7;
    int32_t area = -1;
    std::string areaName = "Hall            ";
    qzedit::ViewerPlace place {10, 20, 56, 3};

    // The calls whose line starts with name.
    int count(const std::string& name) const
    {
        int n = 0;
        for (const std::string& call : calls) n += call.rfind(name, 0) == 0;
        return n;
    }
    // Someone else started the engine.
    void initialisedElsewhere() { countInitialisation(); }

    bool available() const override { return real_ ? real_->available() : present; }
    std::string missingText() const override { return real_ ? real_->missingText() : "no engine here"; }

    int32_t initVaskell(int32_t dc, const std::string& header, int32_t width, int32_t height) override
    {
        record("INITVASKELL " + header + " " + std::to_string(width) + " " + std::to_string(height));
        countInitialisation();
        return real_ ? real_->initVaskell(dc, header, width, height) : bitmap;
    }
    int32_t drawQZ(int32_t dc) override
    {
        record("DRAWQZ");
        return real_ ? real_->drawQZ(dc) : bitmap;
    }
    int32_t moveViewer(int32_t side, int32_t forward, int32_t dz) override
    {
        record("MOVEVIEWER " + numbers({side, forward, dz}));
        return real_ ? real_->moveViewer(side, forward, dz) : 0;
    }
    int32_t turnViewer(int32_t change) override
    {
        record("TURNVIEWER " + std::to_string(change));
        return real_ ? real_->turnViewer(change) : 0;
    }
    int32_t forward() override
    {
        record("FORWARD");
        return real_ ? real_->forward() : 0;
    }
    int32_t jumpViewer(int32_t x, int32_t y, int32_t z, int32_t angle) override
    {
        record("JUMPVIEWER " + numbers({x, y, z, angle}));
        return real_ ? real_->jumpViewer(x, y, z, angle) : 0;
    }
    int32_t findArea() override
    {
        record("FINDAREA");
        return real_ ? real_->findArea() : area;
    }
    std::string findAreaName(int32_t index) override
    {
        record("FINDAREANAME " + std::to_string(index));
        return real_ ? real_->findAreaName(index) : areaName;
    }
    int32_t flushVaskell() override
    {
        record("FLUSHVASKELL");
        return real_ ? real_->flushVaskell() : 0;
    }
    int32_t hitInFront(int32_t value) override
    {
        record("HITINFRONT " + std::to_string(value));
        return real_ ? real_->hitInFront(value) : 0;
    }
    int32_t reloadMap(const std::string& path) override
    {
        record("RELOADMAP " + path);
        return real_ ? real_->reloadMap(path) : 0;
    }
    qzedit::ViewerPlace viewer() override
    {
        record("GETVIEWER");
        return real_ ? real_->viewer() : place;
    }

private:
    void record(const std::string& call) { calls.push_back(call); }
    static std::string numbers(std::initializer_list<int32_t> values)
    {
        std::string text;
        for (int32_t v : values) text += (text.empty() ? "" : " ") + std::to_string(v);
        return text;
    }

    qzedit::EngineBinding* real_;
};

}  // namespace previewtest
