#pragma once
#include <stdexcept>
#include <string>

namespace qzedit {

namespace wad {

// A WAD that cannot be read as the format says: the message names the lump and the record.
class WadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace wad

}  // namespace qzedit
