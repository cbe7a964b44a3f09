// Windows-1252 <-> UTF-8, used where 8-bit file text meets the windows and
// the terminal. Every byte round-trips: the five bytes Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the
// same number and back.
#pragma once

#include <string>
#include <string_view>

namespace korvalt {

std::string Cp1252ToUtf8(std::string_view bytes);
// Characters Windows-1252 cannot hold become "?"; invalid UTF-8 bytes too.
std::string Utf8ToCp1252(std::string_view utf8);

} // namespace korvalt
