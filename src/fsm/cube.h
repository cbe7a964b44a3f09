// Input and output patterns as cubes: each character is one bit, '0' or '1',
// or '-' for "either" (a don't-care bit). An input pattern matches every input
// whose other bits agree; among the rows of a state the first matching row wins.
//
// Everything here works bit by bit on the patterns and never lists the 2^n
// inputs a pattern stands for: machines have up to 27 input bits. All
// patterns handed in are of one length and hold only '0', '1' and '-'.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvalt {

// The don't-care bit of input and output patterns.
inline constexpr char DontCare = '-';

// True when the pattern holds a don't-care bit.
bool HasDontCare(std::string_view pattern);
// True when some pattern of the list holds a don't-care bit.
bool AnyDontCare(const std::vector<std::string>& patterns);
// True when the cube matches the concrete input value.
bool CubeMatches(std::string_view cube, std::string_view value);
// True when some input matches both cubes.
bool CubesIntersect(std::string_view a, std::string_view b);
// True when every input inner matches also matches outer.
bool CubeContains(std::string_view outer, std::string_view inner);
// A concrete input that cube matches and none of the others does; nothing
// when the others cover all of cube. Don't-care bits are tried as 0 first.
std::optional<std::string> UncoveredInput(std::string_view cube,
                                          const std::vector<std::string>& others);

} // namespace korvalt
