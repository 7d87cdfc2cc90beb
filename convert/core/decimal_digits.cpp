#include "convert/core/decimal_digits.h"

#include <charconv>
#include <cstdlib>

namespace convert {

DecimalDigits SignificantDigits(double magnitude)
{
    // "d.dddddddddddddde±XX"; to_chars is much faster than printf here, which counts
    // when a 101-unit file is written.
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14).ptr;
    *end = '\0';
    return {buffer[0] + std::string(buffer + 2, 14), std::atoi(buffer + 17)};
}

} // namespace convert
