#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/window_services.h"

namespace viewertest {

struct SentMessage {
    qz::Handle target;
    uint32_t message;
    qz::WPARAM wParam;
    qz::LPARAM lParam;
    std::string text;  // SB_SETTEXTA's text
};

// Window services without a display: windows and controls are records, messages to a window go
// straight to its procedure, and the client area is a 32-bit surface that GetDC hands out. Every
// call is recorded for the tests to read.
class RecordingWindowSystem final : public qz::WindowSystem {
public:
    static constexpr int32_t kClientWidth = 650;
    static constexpr int32_t kClientHeight = 450;
    static constexpr uint32_t kBackground = 0xFFFFFFFF;

    RecordingWindowSystem();
    ~RecordingWindowSystem() override;

    qz::Handle createWindow(const qz::WindowCreation& creation) override;
    bool showWindow(qz::Handle window, int32_t showState) override;
    bool updateWindow(qz::Handle window) override;
    bool destroyWindow(qz::Handle window) override;
    qz::LRESULT sendMessage(qz::Handle window, uint32_t message, qz::WPARAM wParam, qz::LPARAM lParam) override;
    qz::LRESULT defaultProcessing(qz::Handle window, uint32_t message, qz::WPARAM wParam, qz::LPARAM lParam) override;
    qz::Handle createToolbar(const qz::ToolbarCreation& creation) override;
    qz::Handle createStatusBar(qz::Handle parent, uint32_t id, uint32_t style, const std::string& text) override;
    bool setTimer(qz::Handle window, uintptr_t id, uint32_t milliseconds) override;
    bool killTimer(qz::Handle window, uintptr_t id) override;
    qz::Handle getDC(qz::Handle window) override;
    bool releaseDC(qz::Handle window, qz::Handle dc) override;
    void postQuitMessage(int32_t exitCode) override;
    int32_t runMessageLoop() override;

    // Sends a message to the window as the window system would.
    qz::LRESULT send(uint32_t message, qz::WPARAM wParam = 0, qz::LPARAM lParam = 0);

    uint32_t pixel(int32_t x, int32_t y) const { return surface[static_cast<size_t>(y * kClientWidth + x)]; }

    qz::Handle window = 0;
    qz::WindowCreation creation;
    qz::Handle toolbar = 0, statusBar = 0;
    std::optional<qz::ToolbarCreation> toolbarCreation;
    uint32_t statusBarId = 0;
    std::string statusText;
    std::vector<std::string> statusTexts;      // every text set, in order
    std::vector<SentMessage> controlMessages;  // messages to the toolbar and status bar
    std::vector<uint32_t> defaultProcessed;    // messages passed to default processing
    std::map<uintptr_t, uint32_t> timers;      // running timers: id -> period
    std::optional<int32_t> quitCode;
    int shown = 0;
    std::vector<uint32_t> surface;

private:
    qz::Handle dc_ = 0;
};

}  // namespace viewertest
