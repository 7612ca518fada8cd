#pragma once

#include <string_view>

// Decimal text read as the C library's atoi reads it: leading blanks, an optional sign,
// digits up to the first other character, 0 when there are none. Values beyond the
// range of int saturate instead of wrapping.
int ReadDecimal(std::string_view text);
