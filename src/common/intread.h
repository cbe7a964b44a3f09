// Reading a whole text as a 32-bit signed integer, the way template values,
// ranges and counts are read everywhere in Korvalt.
#pragma once

#include <cstdint>
#include <string_view>

namespace korvalt {

// Leading blanks are skipped; then "+"/"-" and decimal digits, decimal digits
// alone, or unsigned hexadecimal after "$", "x", "X", "0x" or "0X". Anything
// else (trailing blanks included), an empty text or a value outside the 32-bit
// range gives 0.
std::int32_t IntOf(std::string_view text);
// What IntOf read: the value, or that the text is written as such a number
// but lies outside the 32-bit range (IntOf gives 0 for it as for text that is no number).
struct TIntRead {
    std::int32_t value = 0;
    bool outOfRange = false;
};
TIntRead ReadInt(std::string_view text);
// The same for decimal numbers only: hexadecimal prefixes give 0.
std::int32_t DecimalOf(std::string_view text);

} // namespace korvalt
