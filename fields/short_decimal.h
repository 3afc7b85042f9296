#pragma once

#include <cstddef>
#include <string_view>

// The common number text, read in one pass: a sign, at most 19 digits with
// an optional point, and no exponent after them. As a whole number of at
// most 2^53 the digits are exact, and so is a power of ten up to 10^22: the
// one division rounds the value once, to the nearest double. Returns the
// number of bytes read, 0 for any other text, which needs the full reading.
size_t ReadShortDecimal(std::string_view text, double& dValue);
