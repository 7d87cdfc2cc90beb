#pragma once
// A double as the 15 significant decimal digits that both the data files and the
// displays work from.
#include <string>

namespace convert {

// A positive number as d0.d1d2...d14 × 10^exponent.
struct DecimalDigits {
    std::string digits; // 15 digits, d0 not 0
    int exponent = 0;
};

// `magnitude` must be positive and finite; correctly rounded to 15 digits.
DecimalDigits SignificantDigits(double magnitude);

} // namespace convert
