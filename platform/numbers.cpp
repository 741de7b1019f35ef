#include "platform/numbers.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "platform/run_error.h"

namespace qz {

namespace {

double roundHalfEven(double value)
{
    // nearbyint follows the current rounding mode, which is round-to-nearest-even unless changed.
    return std::nearbyint(value);
}

template <typename T>
T convertChecked(double value)
{
    if (std::isnan(value)) raiseOverflow();
    double r = roundHalfEven(value);
    if (r < static_cast<double>(std::numeric_limits<T>::min()) ||
        r > static_cast<double>(std::numeric_limits<T>::max()))
        raiseOverflow();
    return static_cast<T>(r);
}

int32_t checkedResult(long long value)
{
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        raiseOverflow();
    return static_cast<int32_t>(value);
}

// Shortest "%.<digits>g" form that reads back as the same value, in the runtime's style.
std::string shortestText(double value, int maxDigits)
{
    if (value == 0) return " 0";
    char buffer[64];
    for (int digits = 1; digits <= maxDigits; ++digits) {
        std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
        double back = std::strtod(buffer, nullptr);
        bool same = maxDigits > 15 ? back == value
                                   : static_cast<float>(back) == static_cast<float>(value);
        if (same) break;
    }
    std::string text = buffer;
    std::string mantissa = text;
    std::string exponent;
    if (auto e = text.find('e'); e != std::string::npos) {
        mantissa = text.substr(0, e);
        int power = std::atoi(text.c_str() + e + 1);
        char expText[16];
        std::snprintf(expText, sizeof expText, "E%c%02d", power < 0 ? '-' : '+', std::abs(power));
        exponent = expText;
    }
    bool negative = mantissa[0] == '-';
    if (negative) mantissa.erase(0, 1);
    if (mantissa.rfind("0.", 0) == 0) mantissa.erase(0, 1);
    return (negative ? "-" : " ") + mantissa + exponent;
}

}  // namespace

int32_t toLong(double value) { return convertChecked<int32_t>(value); }
int16_t toInteger(double value) { return convertChecked<int16_t>(value); }
uint8_t toByte(double value) { return convertChecked<uint8_t>(value); }

int32_t addLong(int32_t a, int32_t b) { return checkedResult(static_cast<long long>(a) + b); }
int32_t subLong(int32_t a, int32_t b) { return checkedResult(static_cast<long long>(a) - b); }
int32_t mulLong(int32_t a, int32_t b) { return checkedResult(static_cast<long long>(a) * b); }

double val(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r')) ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
    bool digits = false;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) { number += text[i++]; digits = true; }
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) { number += text[i++]; digits = true; }
    }
    if (!digits) return 0.0;
    if (i + 1 < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (text[j] == '+' || text[j] == '-') exponent += text[j++];
        if (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) {
            while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) exponent += text[j++];
            number += exponent;
        }
    }
    double result = std::strtod(number.c_str(), nullptr);
    return std::isfinite(result) ? result : 0.0;
}

std::string numText(double value)
{
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15) {
        long long whole = static_cast<long long>(value);
        return (whole >= 0 ? " " : "") + std::to_string(whole);
    }
    return shortestText(value, 15);
}

std::string numText(float value)
{
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e7f)
        return numText(static_cast<double>(value));
    return shortestText(value, 7);
}

std::string numText(long long value) { return (value >= 0 ? " " : "") + std::to_string(value); }

std::string printZones(const std::vector<std::string>& items)
{
    std::string line;
    for (size_t k = 0; k < items.size(); ++k) {
        if (k > 0) {
            size_t next = (line.size() / 14 + 1) * 14;
            line.append(next - line.size(), ' ');
        }
        line += items[k];
    }
    return line;
}

}  // namespace qz
