#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qz {

// Conversions to Long and Integer: nearest with halves to even; out of range (or NaN) raises overflow.
int32_t toLong(double value);
int16_t toInteger(double value);
uint8_t toByte(double value);

// Long arithmetic that raises overflow instead of wrapping.
int32_t addLong(int32_t a, int32_t b);
int32_t subLong(int32_t a, int32_t b);
int32_t mulLong(int32_t a, int32_t b);

// The largest leading decimal number of the text (optional sign, digits, point, exponent);
// leading blanks are skipped; no number gives 0. "12.5abc" -> 12.5, "abc" -> 0.
double val(std::string_view text);

// Number to text: a leading space for non-negative numbers, the shortest decimal form,
// no leading zero before the point (" .5"), exponent form from 10^15 on ("1E+15").
std::string numText(double value);
std::string numText(float value);
std::string numText(long long value);
inline std::string numText(int value) { return numText(static_cast<long long>(value)); }
inline std::string numText(short value) { return numText(static_cast<long long>(value)); }

// Decimal digits of an integer without the sign space ("12", "-3").
inline std::string decimal(long long value) { return std::to_string(value); }

// One line of items in print zones: every item after the first starts at the next multiple of 14.
std::string printZones(const std::vector<std::string>& items);

}  // namespace qz
