#pragma once
#include <cstdint>

namespace qzedit {

namespace bsp {

// A record index after the compiled list's root has exchanged places with record 0.
inline int32_t afterRootExchange(int32_t index, int32_t root)
{
    if (index == 0) return root;
    if (index == root) return 0;
    return index;
}

}  // namespace bsp

}  // namespace qzedit
