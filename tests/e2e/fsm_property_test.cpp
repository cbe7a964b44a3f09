// Property: with a fixed seed, hundreds of random descriptions, valid and
// broken. Each one that passes the checks gives VHDL that GHDL analyses; each
// broken one fails the checks with a message that names its problem; all valid
// ones together synthesise without a latch. The last of them hold don't-care
// bits in their input and output patterns. Entity
// names the file itself uses are refused; the others serve as entities.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "common/textfile.h"
#include "e2e/ghdl.h"
#include "fsm/checks.h"
#include "fsm/random_automat.h"
#include "fsm/synthesis.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

namespace {

std::string& At(TStrings& list, std::mt19937& rng) {
    return list[std::uniform_int_distribution<std::size_t>(0, list.size() - 1)(rng)];
}
void Rename(std::string& entry, const std::string& name) {
    entry = name + entry.substr(std::min(entry.find('|'), entry.size()));
}

// A way to break a description, and the text its report must then hold.
struct TBreak {
    const char* what;
    std::function<std::string(TAutomat&, std::mt19937&)> apply;
};

// clang-format off
const std::vector<TBreak> Breaks = {
    {"reserved word", [](TAutomat& a, std::mt19937& r) { Rename(At(a.Eingangsmatrix, r), "signal"); return std::string("signal"); }},
    {"generated name", [](TAutomat& a, std::mt19937& r) { Rename(At(a.Zustandsmatrix, r), "Clk"); return std::string("Clk"); }},
    {"digit first", [](TAutomat& a, std::mt19937& r) { Rename(At(a.Ausgangsmatrix, r), "9ab"); return std::string("9ab"); }},
    {"trailing underscore", [](TAutomat& a, std::mt19937& r) { Rename(At(a.Zustandsmatrix, r), "ab_"); return std::string("ab_"); }},
    // The state comes later in the lists, so its spelling is the one reported.
    {"name in two lists", [](TAutomat& a, std::mt19937& r) { const std::string n = EntryName(At(a.Zustandsmatrix, r)); Rename(At(a.Ausgangsmatrix, r), UpperCase(n)); return n; }},
    {"input pattern too long", [](TAutomat& a, std::mt19937& r) { At(a.Eingangsmatrix, r) += "1"; return std::string("statt"); }},
    {"output pattern not binary", [](TAutomat& a, std::mt19937& r) { At(a.Ausgangsmatrix, r) += "2"; return std::string("nur 0, 1 und -"); }},
    // A first row of all don't-care bits takes every input of its state's other rows.
    {"row taken away", [](TAutomat& a, std::mt19937&) { TStrings f = Fields(a.Automatentabelle[0]); a.Eingangsmatrix.push_back("alles|" + std::string(static_cast<std::size_t>(a.Eingangsbitbreite), '-')); f[2] = "alles"; std::string row; for (const auto& field : f) row += (row.empty() ? "" : "|") + field; a.Automatentabelle.insert(a.Automatentabelle.begin(), row); return std::string("wird nie genommen"); }},
    {"unknown next state", [](TAutomat& a, std::mt19937& r) { auto& row = At(a.Automatentabelle, r); const auto b = row.find('|'); row = row.substr(0, b) + "|zUnbekannt" + row.substr(row.find('|', b + 1)); return std::string("zUnbekannt"); }},
    {"row without state", [](TAutomat& a, std::mt19937& r) { auto& row = At(a.Automatentabelle, r); row = row.substr(row.find('|')); return std::string("keinen Zustand"); }},
    {"empty condition", [](TAutomat& a, std::mt19937& r) { auto& row = At(a.Automatentabelle, r); const auto b2 = row.find('|', row.find('|') + 1), b3 = row.find('|', b2 + 1); row = row.substr(0, b2 + 1) + (b3 == std::string::npos ? "" : row.substr(b3)); return std::string("unvollständig"); }},
    {"reset level", [](TAutomat& a, std::mt19937&) { a.ResetAktiv = "2"; return std::string("Resets"); }},
    {"clock level", [](TAutomat& a, std::mt19937&) { a.TaktAktiv = ""; return std::string("Takts"); }},
    {"no inputs", [](TAutomat& a, std::mt19937&) { a.Eingangsmatrix.clear(); return std::string("keine Eingänge"); }},
    {"one state", [](TAutomat& a, std::mt19937&) { a.Zustandsmatrix.resize(1); return std::string("weniger als 2"); }},
    // Duplicate choices for Mealy inputs, duplicate codes for coded states.
    {"same pattern twice", [](TAutomat& a, std::mt19937&) { TStrings& l = !a.Moore ? a.Eingangsmatrix : a.Zustandsmatrix; l[1] = EntryName(l[1]) + "|" + EntryBits(l[0]); return std::string(!a.Moore || ReadMachine(a).Coded() ? "denselben Code" : ""); }},
};
// clang-format on

} // namespace

TEST(FsmProperty, RandomDescriptionsEitherAnalyseOrNameTheirProblem) {
    std::mt19937 rng(4711);
    TTempDir dir;
    std::vector<std::string> files;
    std::vector<TMachineUnit> machines;
    int valid = 0, broken = 0;
    TStrings entities; // "+ name" allowed, "- name" refused
    for (const auto& line : SplitLines(ReadBytes(DataPath("fsm/entity_names.txt")))) {
        EXPECT_EQ(EntityNameProblem(line.substr(2)).empty(), line[0] == '+') << line;
        if (line[0] == '+') entities.push_back(line.substr(2));
    }
    for (int i = 0; i < 600; ++i) {
        TMachineShape shape = RandomShape(rng);
        shape.dontCare = i >= 520; // the last ones with '-' in their patterns
        TAutomat a = RandomAutomat(rng, shape);
        std::string expected;
        const char* what = "random";
        if (i % 2 == 1 && !a.Automatentabelle.empty()) {
            const TBreak& b = Breaks[static_cast<std::size_t>(i / 2) % Breaks.size()];
            what = b.what;
            expected = b.apply(a, rng);
        }
        const TAutomatReport report = CheckAutomat(ReadMachine(a));
        if (!expected.empty()) {
            ++broken;
            ASSERT_FALSE(report.Ok()) << what;
            std::string text;
            for (const auto& l : ErrorReportLines(report))
                text += l + "\n";
            EXPECT_NE(text.find(expected), std::string::npos) << what << ":\n" << text;
            continue;
        }
        ASSERT_TRUE(report.Ok()) << what << " #" << i << ": "
                                 << (report.further.empty() ? "" : report.further[0]);
        const auto k = static_cast<std::size_t>(valid++);
        const std::string entity = k < entities.size() ? entities[k] : "p" + std::to_string(i);
        machines.push_back({entity, !a.Moore && ReadMachine(a).Coded()});
        files.push_back(dir.File("f" + std::to_string(i) + ".vhd"));
        WriteBytes(files.back(), CrLf(BuildAutomatVhdl(ReadMachine(a), entity)));
    }
    EXPECT_GE(valid + broken, 500);
    EXPECT_GE(broken, 200);

    // Analysed in batches; a failing batch is analysed file by file to name the culprit.
    for (std::size_t start = 0; start < files.size(); start += 60) {
        std::vector<std::string> argv = {"ghdl", "-a"};
        argv.insert(argv.end(), StrictGhdlFlags.begin(), StrictGhdlFlags.end());
        argv.push_back("--workdir=" + dir.Path());
        const std::size_t end = std::min(files.size(), start + 60);
        argv.insert(argv.end(), files.begin() + static_cast<std::ptrdiff_t>(start),
                    files.begin() + static_cast<std::ptrdiff_t>(end));
        const auto batch = korvalt::test::Run(argv, dir.Path());
        if (batch.exitCode == 0) continue;
        for (std::size_t f = start; f < end; ++f) {
            const auto r = GhdlAnalyse(files[f], dir.Path());
            EXPECT_TRUE(r.Ok()) << files[f] << "\n" << r.output << ReadBytes(files[f]);
        }
    }
    const auto synth = GhdlSynthMachines(machines, dir.Path());
    EXPECT_TRUE(synth.Ok()) << synth.output;
}
