#pragma once
#include <cstdint>
#include <string>
#include <utility>

namespace qzedit {

class clsMap;

// The value of a wizard's text box: its leading number, 0 when it has none.
double fieldValue(const std::string& text);
// That value rounded to a whole number, halves to even (2.5 -> 2, 3.5 -> 4).
double roundedField(const std::string& text);

constexpr int32_t kIntegerMin = -32768;
constexpr int32_t kIntegerMax = 32767;

// Checks a dialog's fields before anything is built. The first field that does not fit is kept
// as one message naming the field and its range; later checks add nothing to it.
class FieldCheck {
public:
    explicit FieldCheck(std::string title) : title_(std::move(title)) {}

    // The rounded value of text when it lies from lo to hi; otherwise the field is reported and
    // lo is given, so that the caller's arithmetic stays in range.
    int16_t integer(const std::string& text, const std::string& label, int32_t lo = kIntegerMin,
                    int32_t hi = kIntegerMax);
    // Reports label with the range from lo to hi unless holds.
    void inRange(bool holds, const std::string& label, double lo, double hi, const std::string& why = "");
    // Reports the text unless holds.
    void require(bool holds, const std::string& message);
    // Room in the map's tables for walls and areas more (2001 walls and 201 areas at most);
    // `fields` names the fields that decide how many.
    void tableRoom(const clsMap& map, int64_t walls, int64_t areas, const std::string& fields, bool emptyMap = false);

    bool ok() const { return message_.empty(); }
    const std::string& message() const { return message_; }
    // Shows the message with the dialog's title when a field failed; true when none did.
    bool report() const;

private:
    std::string title_;
    std::string message_;
};

// "\"Side length\" must be a number from 1 to 32767."
std::string rangeMessage(const std::string& label, double lo, double hi);

}  // namespace qzedit
