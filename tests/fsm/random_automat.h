// Random state-machine descriptions for the simulation, property and speed
// tests, and a reference model that says what the generated VHDL must do.
#pragma once

#include <algorithm>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "common/ascii.h"
#include "fsm/automat.h"

namespace korvalt::test {

struct TMachineShape {
    bool moore = true;
    bool coded = true;
    int inputs = 3, outputs = 3, states = 4;
    int inputWidth = 2, outputWidth = 2;
    std::string resetLevel = "1", clockLevel = "1";
    bool fullySpecified = true; // Mealy: a row for every state and input
    bool dontCare = false;      // '-' bits in input and output patterns
};

// True when pattern p (which may hold '-') matches the concrete input x.
inline bool PatternMatches(const std::string& p, const std::string& x) {
    if (p.size() != x.size()) return false;
    for (std::size_t i = 0; i < p.size(); ++i)
        if (p[i] != '-' && p[i] != x[i]) return false;
    return true;
}

// About a third of the bits made '-'; keep: a bit that stays as it is.
inline std::string WithDontCares(std::mt19937& rng, std::string bits, std::size_t keep) {
    for (std::size_t i = 0; i < bits.size(); ++i)
        if (i != keep && rng() % 3 == 0) bits[i] = '-';
    return bits;
}

inline std::string Bits(unsigned value, int width) {
    std::string s;
    for (int i = width - 1; i >= 0; --i)
        s += ((value >> i) & 1u) ? '1' : '0';
    return s;
}

// Distinct legal identifiers with a prefix per list, in mixed case.
inline std::string RandomName(std::mt19937& rng, const std::string& prefix, int index) {
    static const char* const stems[] = {"go", "Stop", "an", "AUS", "lauf", "Warte", "s", "q_v"};
    std::uniform_int_distribution<int> stem(0, 7);
    return prefix + stems[stem(rng)] + std::to_string(index);
}

// The fields of a "|"-joined list entry or table row, read here rather than
// through the program's own parsers so the model below does not share their faults.
inline TStrings Fields(const std::string& row) {
    TStrings f(1);
    for (char c : row)
        c == '|' ? f.emplace_back() : f.back() += c;
    return f;
}

inline TAutomat RandomAutomat(std::mt19937& rng, const TMachineShape& m) {
    TAutomat a;
    a.Moore = m.moore;
    a.Eingangsbitbreite = m.inputWidth;
    a.Ausgangsbitbreite = m.outputWidth;
    a.ResetAktiv = m.resetLevel;
    a.TaktAktiv = m.clockLevel;
    // Inputs get distinct patterns (Mealy case choices must be); outputs may repeat.
    std::vector<unsigned> codes((1u << m.inputWidth));
    for (unsigned i = 0; i < codes.size(); ++i)
        codes[i] = i;
    std::shuffle(codes.begin(), codes.end(), rng);
    std::set<std::string> written; // with '-', still distinct as written
    for (int i = 0; i < m.inputs; ++i) {
        std::string bits = Bits(codes[static_cast<std::size_t>(i) % codes.size()], m.inputWidth);
        if (m.dontCare) {
            const std::string loose = WithDontCares(rng, bits, bits.size());
            if (!written.count(loose)) bits = loose;
        }
        written.insert(bits);
        a.Eingangsmatrix.push_back(RandomName(rng, "e", i) + "|" + bits);
    }
    std::uniform_int_distribution<unsigned> outCode(0, (1u << m.outputWidth) - 1);
    for (int i = 0; i < m.outputs; ++i) {
        std::string bits = Bits(i == 0 ? 1u : outCode(rng), m.outputWidth);
        // Every output keeps a bit that a testbench can see flipped.
        if (m.dontCare) bits = WithDontCares(rng, bits, rng() % bits.size());
        a.Ausgangsmatrix.push_back(RandomName(rng, "a", i) + "|" + bits);
    }
    const int zw = std::max(1, BitsNeeded(m.states));
    for (int i = 0; i < m.states; ++i)
        a.Zustandsmatrix.push_back(
            RandomName(rng, "z", i) + "|" +
            (m.coded ? Bits(static_cast<unsigned>(i), zw) : std::string(zw, '0')));
    if (m.coded && m.states == 1) a.Zustandsmatrix[0].back() = '1';

    std::uniform_int_distribution<int> pickState(0, m.states - 1), pickInput(0, m.inputs - 1),
        pickOutput(0, m.outputs - 1);
    auto name = [](const std::string& entry) { return Fields(entry)[0]; };
    for (int s = 0; s < m.states; ++s) {
        for (int x = 0; x < m.inputs; ++x) {
            if (!m.fullySpecified && rng() % 3 == 0) continue;
            std::string row = name(a.Zustandsmatrix[static_cast<std::size_t>(s)]) + "|" +
                              name(a.Zustandsmatrix[static_cast<std::size_t>(pickState(rng))]) +
                              "|" + name(a.Eingangsmatrix[static_cast<std::size_t>(x)]);
            if (!m.moore)
                row += "|" + name(a.Ausgangsmatrix[static_cast<std::size_t>(pickOutput(rng))]);
            a.Automatentabelle.push_back(row);
        }
        if (m.moore)
            a.Ausgangstabelle.push_back(
                name(a.Zustandsmatrix[static_cast<std::size_t>(s)]) + "|" +
                name(a.Ausgangsmatrix[static_cast<std::size_t>(pickOutput(rng))]));
    }
    std::shuffle(a.Automatentabelle.begin(), a.Automatentabelle.end(), rng);
    if (m.dontCare) { // a row no input can take is refused by the checks: leave it out
        auto pattern = [&](const std::string& input) {
            for (const auto& e : a.Eingangsmatrix)
                if (Fields(e)[0] == input) return Fields(e)[1];
            return std::string();
        };
        TStrings kept;
        for (const auto& row : a.Automatentabelle) {
            bool taken = false;
            for (unsigned v = 0; v < (1u << m.inputWidth) && !taken; ++v) {
                const std::string x = Bits(v, m.inputWidth);
                taken = PatternMatches(pattern(Fields(row)[2]), x);
                for (const auto& earlier : kept)
                    if (taken && Fields(earlier)[0] == Fields(row)[0])
                        taken = !PatternMatches(pattern(Fields(earlier)[2]), x);
            }
            if (taken) kept.push_back(row);
        }
        a.Automatentabelle = std::move(kept);
    }
    a.Resetzustand = name(a.Zustandsmatrix[static_cast<std::size_t>(pickState(rng))]);
    return a;
}

// The shapes the property tests draw: both kinds and forms, levels and edges,
// fully and partly specified tables.
inline TMachineShape RandomShape(std::mt19937& rng) {
    TMachineShape shape;
    shape.moore = rng() % 2 == 0;
    shape.coded = rng() % 3 != 0;
    shape.inputs = 2 + static_cast<int>(rng() % 4);
    shape.inputWidth = std::max(BitsNeeded(shape.inputs), 1 + static_cast<int>(rng() % 3));
    shape.outputs = 1 + static_cast<int>(rng() % 4);
    shape.outputWidth = 1 + static_cast<int>(rng() % 4);
    shape.states = 2 + static_cast<int>(rng() % 6);
    shape.resetLevel = rng() % 2 ? "1" : "0";
    shape.clockLevel = rng() % 2 ? "1" : "0";
    shape.fullySpecified = rng() % 2 == 0;
    return shape;
}

// What the machine does, cycle by cycle, as the tables say: the named reset
// state (or the first state when none is named), the first matching row.
class TReferenceMachine {
  public:
    explicit TReferenceMachine(const TAutomat& a)
        : a_(a),
          state_(a.Resetzustand.empty() ? Fields(a.Zustandsmatrix.at(0))[0] : a.Resetzustand) {}

    // The output while input pattern x is applied in the current state; empty
    // when the tables leave it open (the VHDL then gives don't-cares).
    std::string Output(const std::string& x) const {
        std::string out;
        if (a_.Moore) {
            for (const auto& r : a_.Ausgangstabelle)
                if (SameText(Fields(r)[0], state_)) {
                    out = Fields(r)[1];
                    break;
                }
        } else {
            if (const auto row = Row(x)) out = (*row)[3];
        }
        return Pattern(a_.Ausgangsmatrix, out);
    }
    // The active clock edge with input pattern x applied; false when the next state is open.
    bool Clock(const std::string& x) {
        const auto row = Row(x);
        if (row) state_ = (*row)[1];
        return row || a_.Moore;
    }

  private:
    static std::string Pattern(const TStrings& list, const std::string& name) {
        for (const auto& e : list)
            if (!name.empty() && SameText(Fields(e)[0], name)) return Fields(e)[1];
        return {};
    }
    std::optional<TStrings> Row(const std::string& x) const {
        for (const auto& r : a_.Automatentabelle) {
            TStrings f = Fields(r);
            if (SameText(f[0], state_) && PatternMatches(Pattern(a_.Eingangsmatrix, f[2]), x))
                return f;
        }
        return std::nullopt;
    }

    const TAutomat& a_;
    std::string state_;
};

} // namespace korvalt::test
