// KISS2 import and export on the files of tests/data/fsm/kiss2: the work file,
// the import report and the file written back, each compared byte for byte,
// and the machine read back from that file behaves as the one imported.
#include <gtest/gtest.h>

#include <optional>

#include "fsm/kiss2.h"
#include "fsm/workspace.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

namespace {

struct TStep {
    std::string next, output;
    bool operator==(const TStep&) const = default;
};

// What the machine does in a state on a concrete input: the first row of the
// state whose pattern matches decides ("-" matches both values); nothing when none does.
std::optional<TStep> StepOf(const TMachine& m, int state, const std::string& input) {
    for (const auto& t : m.Zeilen) {
        if (t.Zustand.Index != state) continue;
        const std::string& bits = m.Eingaenge.at(t.Bedingung.Index).Bits;
        bool match = bits.size() == input.size();
        for (std::size_t i = 0; match && i < bits.size(); ++i)
            match = bits[i] == '-' || bits[i] == input[i];
        if (!match) continue;
        const int out = m.Moore ? FindNamed(m.Ausgaenge, m.OutputOf(m.Zustaende[state].Name),
                                            TMatch::IgnoreCase)
                                : t.Ausgang.Index;
        return TStep{m.Zustaende.at(t.Folgezustand.Index).Name, m.Ausgaenge.at(out).Bits};
    }
    return std::nullopt;
}

} // namespace

TEST(Kiss2, ImportsExportsAndImportsAgainWithTheSameBehaviour) {
    const auto rows = DataRows("fsm/kiss2/imports.txt");
    EXPECT_GE(rows.size(), 9u);
    for (const auto& c : rows) {
        const bool moore = c.at(1) == "moore";
        const std::string stem = "fsm/kiss2/" + c.at(2);
        const auto r = ReadKiss2(ReadBytes(DataPath("fsm/kiss2/" + c[0])), moore);
        ASSERT_TRUE(r) << c[0] << ": " << r.error;
        EXPECT_TRUE(MatchesExpected(CrLf(WorkspaceLines(r.value.automat)),
                                    stem + (moore ? ".Moore.txt" : ".Mealy.txt")));
        EXPECT_TRUE(MatchesExpected(CrLf(r.value.report), stem + "." + c[1] + ".bericht.txt"));
        const TMachine m = ReadMachine(r.value.automat);
        const auto exported = WriteKiss2(m);
        ASSERT_TRUE(exported) << c[0] << ": " << exported.error;
        EXPECT_TRUE(MatchesExpected(CrLf(exported.value), stem + "." + c[1] + ".kiss2"));
        const auto again = ReadKiss2(CrLf(exported.value), moore);
        ASSERT_TRUE(again) << c[0] << ": " << again.error;
        const TMachine m2 = ReadMachine(again.value.automat);
        EXPECT_EQ(m2.ResetName(), m.ResetName()) << c[0];
        int specified = 0;
        for (int s = 0; s < static_cast<int>(m.Zustaende.size()); ++s) {
            const int s2 = FindNamed(m2.Zustaende, m.Zustaende[s].Name, TMatch::Exact);
            for (int v = 0; v < (1 << m.Eingangsbitbreite); ++v) {
                std::string in;
                for (int b = m.Eingangsbitbreite - 1; b >= 0; --b)
                    in += (v >> b) & 1 ? '1' : '0';
                const auto want = StepOf(m, s, in);
                if (!want) continue;
                ++specified;
                EXPECT_EQ(StepOf(m2, s2, in), want)
                    << c[0] << " " << m.Zustaende[s].Name << " " << in;
            }
        }
        EXPECT_GT(specified, 0) << c[0];
    }
}
