// Input and output patterns as cubes: each character is one bit, '0' or '1',
// or '-' for "either" (a don't-care bit). An input pattern matches every input
// whose other bits agree; among the rows of a state the first matching row wins.
//
// Everything here works bit by bit on the patterns and never lists the 2^n
// inputs a pattern stands for: machines have up to 27 input bits. All
// patterns handed in are of one length and hold only '0', '1' and '-'.
#pragma once

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
// Whether the others cover all of a cube. Deciding it can take exponential
// work on crafted patterns (it is the tautology problem), so the search
// spends at most work bit comparisons (taken off work, which the caller may
// share between calls) and is Undecided when they run out. Real machines
// need a tiny part of CoverWork.
enum class TCover { Free, Covered, Undecided };
inline constexpr long long CoverWork = 200'000'000;
// Free: input is set to a concrete input that cube matches and none of the
// others does (don't-care bits tried as 0 first).
TCover FindUncovered(std::string_view cube, const std::vector<std::string>& others,
                     std::string& input, long long& work);

} // namespace korvalt
