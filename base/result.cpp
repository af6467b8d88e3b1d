#include "base/result.h"

namespace vx {

std::string Error::describe() const {
    if (!offset) return detail;
    return detail + " (at byte " + std::to_string(*offset) + ")";
}

}  // namespace vx
