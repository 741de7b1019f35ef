#include "platform/automation_strings.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr size_t kPrefixBytes = sizeof(uint32_t);

char* blockOf(char* string) { return string - kPrefixBytes; }

}  // namespace

extern "C" {

char* SysAllocStringByteLen(const char* text, uint32_t length)
{
    auto* block = static_cast<char*>(std::malloc(kPrefixBytes + size_t(length) + 1));
    if (!block) return nullptr;
    std::memcpy(block, &length, kPrefixBytes);
    char* string = block + kPrefixBytes;
    if (text)
        std::memcpy(string, text, length);
    else
        std::memset(string, 0, length);
    string[length] = '\0';
    return string;
}

uint32_t SysStringByteLen(const char* string)
{
    if (!string) return 0;
    uint32_t length;
    std::memcpy(&length, string - kPrefixBytes, kPrefixBytes);
    return length;
}

void SysFreeString(char* string)
{
    if (string) std::free(blockOf(string));
}

}  // extern "C"

namespace qz {

std::string automationText(const char* string) { return std::string(string ? string : "", SysStringByteLen(string)); }

char* newAutomationString(std::string_view text)
{
    return SysAllocStringByteLen(text.data(), static_cast<uint32_t>(text.size()));
}

}  // namespace qz
