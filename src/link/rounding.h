#pragma once

#include <cmath>

namespace qavi {

// Rounds to the nearest integer, exact halves to the even neighbour (2.5 -> 2,
// 3.5 -> 4). Every value that goes into a command payload is rounded this way.
inline long long roundHalfEven(double value) {
    const double floorValue = std::floor(value);
    const double fraction = value - floorValue;
    long long result = static_cast<long long>(floorValue);
    if (fraction > 0.5 || (fraction == 0.5 && (result % 2 != 0))) {
        ++result;
    }
    return result;
}

}  // namespace qavi
