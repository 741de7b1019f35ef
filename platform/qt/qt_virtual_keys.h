#pragma once
#include <cstdint>
#include <optional>

namespace qz {

// The Windows virtual key of a Qt key (Qt::Key), or nothing for keys without one here.
std::optional<uint32_t> virtualKeyOf(int qtKey);

}  // namespace qz
