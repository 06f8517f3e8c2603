#pragma once
// A horse that cannot be generated: the drop that asked for it fails, and the gate keeps its horse.

#include <stdexcept>

namespace kestrova {

struct GenerationError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace kestrova
