// Windows-1252 <-> UTF-8. File contents are Windows-1252 bytes; the
// program's own messages are UTF-8. File text is converted where it is shown
// or quoted in a message, and a message is converted back where it is
// written into a generated file. Every byte round-trips: the five bytes Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the
// same number and back.
#pragma once

#include <string>
#include <string_view>

namespace korvalt {

std::string Cp1252ToUtf8(std::string_view bytes);
// File text for a message (UTF-8) within German quotes: „text“.
std::string QuotedForMessage(std::string_view cp1252);
// Characters Windows-1252 cannot hold become "?"; invalid UTF-8 bytes too.
std::string Utf8ToCp1252(std::string_view utf8);

} // namespace korvalt
