#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Automation strings: length-prefixed 8-bit strings, the form in which the engine takes and gives
// text. The handle points at the first character; the 32-bit byte length sits just before it and
// a zero byte follows the text. A null handle is the empty string. Exported with C linkage so a
// host in any language can make and free them.
extern "C" {

// A new string of length bytes copied from text (zeros when text is null); null when out of memory.
char* SysAllocStringByteLen(const char* text, uint32_t length);
uint32_t SysStringByteLen(const char* string);
void SysFreeString(char* string);

}  // extern "C"

namespace qz {

std::string automationText(const char* string);
char* newAutomationString(std::string_view text);

}  // namespace qz
