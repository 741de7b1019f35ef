#include "engine/settings.h"

#include "engine/engine_state.h"
#include "engine/header_file.h"
#include "engine/saturating.h"
#include "platform/files.h"
#include "platform/numbers.h"

namespace engine {

namespace {

constexpr const char* kSection = "init";

bool isAbsolute(const std::string& path) { return path.find(":\\") != std::string::npos || path.starts_with('/'); }

void readFlag(const std::string& settingsText, const char* key, int32_t& flag)
{
    std::string value = readProfileValue(settingsText, kSection, key);
    if (!value.empty()) flag = saturatingLong(qz::val(value));
}

}  // namespace

std::string chooseHeaderPath(const std::string& callerName, const std::string& settingsText)
{
    if (!callerName.empty()) {
        // Made absolute first: a relative name must still find the header after the change.
        std::string path = isAbsolute(callerName) ? callerName : qz::inCurrentDirectory(callerName);
        size_t lastSeparator = callerName.find_last_of("\\/");
        if (lastSeparator != std::string::npos) qz::setCurrentDirectory(callerName.substr(0, lastSeparator + 1));
        return path;
    }
    std::string value = readProfileValue(settingsText, kSection, "default");
    return isAbsolute(value) ? value : qz::inCurrentDirectory(value);
}

void readDisplayFlags(const std::string& settingsText)
{
    EngineState& s = state();
    readFlag(settingsText, "showObject", s.showObject);
    readFlag(settingsText, "showCompass", s.showCompass);
    readFlag(settingsText, "showSnow", s.showSnow);
}

}  // namespace engine
