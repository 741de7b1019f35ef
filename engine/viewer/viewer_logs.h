#pragma once
#include <ctime>
#include <string>

// The viewer's plain-text logs in the current directory, appended to a line at a time in print
// zones. A log that cannot be written is skipped without a word.
namespace engine::viewer {

// "mm-dd-yyyy" and "hh:mm:ss".
std::string dateText(const std::tm& local);
std::string timeText(const std::tm& local);

// A rate (not negative) in the pattern "##.###": at most three decimals, rounded half to even, trailing zeros
// and a leading zero dropped, the point kept ("19.988", "20.5", "20.", ".5").
std::string patternFps(double framesPerSecond);

// Time of day, viewX, viewY, eyeZ, viewAngle.
std::string positionLine(const std::tm& local);
// Date, time of day, frames per second, frameCount and the seconds since Start; secondsNow is
// the time of day in seconds.
std::string frameRateLine(const std::tm& local, double secondsNow);

void appendPositionLog();
void appendFrameLog();

// Appends one line; false when the file cannot be written.
bool appendLine(const std::string& fileName, const std::string& line);

}  // namespace engine::viewer
