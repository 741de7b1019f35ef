#include "engine/viewer/viewer_logs.h"

#include <cmath>
#include <cstdio>
#include <fstream>

#include "engine/engine_state.h"
#include "platform/files.h"
#include "platform/numbers.h"

namespace engine::viewer {

namespace {

constexpr double kSecondsPerDay = 86400.0;

std::tm localNow()
{
    std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    return local;
}

std::string twoDigits(int value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value % 100);
    return text;
}

}  // namespace

std::string dateText(const std::tm& local)
{
    return twoDigits(local.tm_mon + 1) + "-" + twoDigits(local.tm_mday) + "-" + std::to_string(local.tm_year + 1900);
}

std::string timeText(const std::tm& local)
{
    return twoDigits(local.tm_hour) + ":" + twoDigits(local.tm_min) + ":" + twoDigits(local.tm_sec);
}

std::string patternFps(double framesPerSecond)
{
    if (!(framesPerSecond > 0.0) || !std::isfinite(framesPerSecond)) framesPerSecond = 0.0;
    const long long thousandths = std::llrint(framesPerSecond * 1000.0);
    const long long whole = thousandths / 1000;
    std::string fraction = std::to_string(1000 + thousandths % 1000).substr(1);
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    return (whole != 0 ? std::to_string(whole) : std::string()) + "." + fraction;
}

std::string positionLine(const std::tm& local)
{
    const EngineState& s = state();
    return qz::printZones(
        {timeText(local), qz::numText(s.viewX), qz::numText(s.viewY), qz::numText(s.eyeZ), qz::numText(s.viewAngle)});
}

std::string frameRateLine(const std::tm& local, double secondsNow)
{
    const EngineState& s = state();
    float elapsed = static_cast<float>(secondsNow) - s.startTime;
    // A session that runs past midnight: the time of day started again from 0.
    if (elapsed < 0.0f) elapsed += static_cast<float>(kSecondsPerDay);
    const double framesPerSecond = elapsed > 0.0f ? s.frameCount / static_cast<double>(elapsed) : 0.0;
    return qz::printZones({dateText(local), timeText(local), patternFps(framesPerSecond), qz::numText(s.frameCount),
        qz::numText(elapsed)});
}

bool appendLine(const std::string& fileName, const std::string& line)
{
    std::ofstream file(qz::inCurrentDirectory(fileName), std::ios::binary | std::ios::app);
    if (!file) return false;
    file << line << '\n';
    return static_cast<bool>(file.flush());
}

void appendPositionLog() { appendLine("Position.log", positionLine(localNow())); }

void appendFrameLog() { appendLine("frame.log", frameRateLine(localNow(), qz::secondsSinceMidnight())); }

}  // namespace engine::viewer
