#include "fsm/cube.h"

#include <algorithm>

namespace korvalt {

bool HasDontCare(std::string_view pattern) {
    return pattern.find(DontCare) != std::string_view::npos;
}

bool AnyDontCare(const std::vector<std::string>& patterns) {
    return std::any_of(patterns.begin(), patterns.end(),
                       [](const std::string& p) { return HasDontCare(p); });
}

bool CubeMatches(std::string_view cube, std::string_view value) {
    if (cube.size() != value.size()) return false;
    for (std::size_t i = 0; i < cube.size(); ++i)
        if (cube[i] != DontCare && cube[i] != value[i]) return false;
    return true;
}

bool CubesIntersect(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != DontCare && b[i] != DontCare && a[i] != b[i]) return false;
    return true;
}

bool CubeContains(std::string_view outer, std::string_view inner) {
    if (outer.size() != inner.size()) return false;
    for (std::size_t i = 0; i < outer.size(); ++i)
        if (outer[i] != DontCare && outer[i] != inner[i]) return false;
    return true;
}

namespace {

// Splits cube on one don't-care bit at a time until a part meets none of the
// others (its first input is the answer) or lies inside one of them (covered).
TCover Uncovered(std::string& cube, std::vector<const std::string*> others, long long& work,
                 std::string& input) {
    work -= static_cast<long long>((others.size() + 1) * cube.size());
    if (work < 0) return TCover::Undecided;
    std::erase_if(others, [&](const std::string* o) { return !CubesIntersect(cube, *o); });
    for (const std::string* o : others)
        if (CubeContains(*o, cube)) return TCover::Covered;
    if (others.empty()) {
        input = cube;
        std::replace(input.begin(), input.end(), DontCare, '0');
        return TCover::Free;
    }
    // The bit most of the others fix: each half then meets the fewest of them.
    // Some other fixes a don't-care bit of cube, or it would contain cube.
    std::size_t split = 0;
    std::size_t most = 0;
    for (std::size_t i = 0; i < cube.size(); ++i) {
        if (cube[i] != DontCare) continue;
        const auto fixing = static_cast<std::size_t>(
            std::count_if(others.begin(), others.end(),
                          [i](const std::string* o) { return (*o)[i] != DontCare; }));
        if (fixing > most) {
            most = fixing;
            split = i;
        }
    }
    TCover result = TCover::Covered;
    for (const char bit : {'0', '1'}) {
        cube[split] = bit;
        const TCover half = Uncovered(cube, others, work, input);
        if (half == TCover::Free) {
            result = half;
            break;
        }
        if (half == TCover::Undecided) result = half;
    }
    cube[split] = DontCare;
    return result;
}

} // namespace

TCover FindUncovered(std::string_view cube, const std::vector<std::string>& others,
                     std::string& input, long long& work) {
    std::string part(cube);
    std::vector<const std::string*> list;
    for (const auto& o : others)
        list.push_back(&o);
    return Uncovered(part, std::move(list), work, input);
}

} // namespace korvalt
