#include <gtest/gtest.h>

#include <chrono>
#include <iterator>
#include <random>
#include <sstream>

#include "fsm/checks.h"
#include "fsm/cube.h"
#include "fsm/examples.h"
#include "fsm/tour.h"
#include "support/testsupport.h"

using namespace korvalt;

namespace {

// The Moore example with one input per pattern and a row S0|S1|E<i> for each,
// in order, and S1|S0|E0 to return.
TAutomat OneStateRows(const TStrings& patterns) {
    TAutomat a = test::MooreExample();
    a.Eingangsbitbreite = static_cast<std::int32_t>(patterns.at(0).size());
    a.Eingangsmatrix.clear();
    a.Automatentabelle.clear();
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        a.Eingangsmatrix.push_back("E" + std::to_string(i) + "|" + patterns[i]);
        a.Automatentabelle.push_back("S0|S1|E" + std::to_string(i));
    }
    a.Automatentabelle.push_back("S1|S0|E0");
    return a;
}

} // namespace

// tests/data/fsm/shadowed.txt. A row that can be taken is driven with an input
// that takes it; one that cannot names the rows that take its inputs, in the
// testbench's list and, where a don't-care bit is involved, in the checks.
TEST(Cube, ShadowedRowsAsTheDataFileSays) {
    const auto rows = test::DataRows("fsm/shadowed.txt", '\t');
    EXPECT_GE(rows.size(), 15u);
    for (const auto& c : rows) {
        std::istringstream words(c.at(0));
        const TStrings patterns(std::istream_iterator<std::string>(words), {});
        const TMachine a = ReadMachine(OneStateRows(patterns));
        const TMachineModel m(a);
        const TStrings further = CheckVhdlRules(a);
        std::string found;
        std::size_t reported = 0;
        for (int r = 0; r < static_cast<int>(patterns.size()); ++r) {
            const auto& row = m.Row(r);
            if (row.coveredBy.empty()) {
                EXPECT_EQ(m.RowTaken(0, row.stimulus), r) << c[0] << " row " << r + 1;
                continue;
            }
            const std::string quoted = "„" + a.Zeilen[static_cast<std::size_t>(r)].Stored() + "“";
            const std::string* message = nullptr;
            for (const auto& line : further)
                if (line.starts_with("Die Zeile " + quoted)) message = &line;
            reported += message != nullptr;
            found += (found.empty() ? "" : " ") + std::to_string(r + 1) + (message ? "<" : "=");
            for (std::size_t i = 0; i < row.coveredBy.size(); ++i) {
                const int by = row.coveredBy[i];
                found += (i == 0 ? "" : ",") + std::to_string(by + 1);
                if (message) {
                    EXPECT_NE(message->find("„" + a.Zeilen[static_cast<std::size_t>(by)].Stored()),
                              std::string::npos)
                        << *message;
                }
            }
        }
        EXPECT_EQ(found.empty() ? "-" : found, c.at(1)) << c[0];
        EXPECT_EQ(further.size(), reported) << c[0] << ": " << (further.empty() ? "" : further[0]);
        const TTour tour = PlanTour(a, m);
        EXPECT_EQ(tour.skipped.size(),
                  static_cast<std::size_t>(std::count(c[1].begin(), c[1].end(), ' ')) +
                      (c[1] == "-" ? 0 : 1))
            << c[0];
    }
}

// Covering is decided on the patterns, never by listing the 2^27 inputs.
TEST(Cube, MachineOf27InputBitsChecksWellUnderASecond) {
    TStrings patterns;
    for (int bit = 0; bit < 27; ++bit) { // each bit alone, then nothing set: all inputs
        std::string p(27, '-');
        p[static_cast<std::size_t>(bit)] = '1';
        patterns.push_back(p);
    }
    patterns.push_back(std::string(27, '0'));
    std::mt19937 rng(27);
    for (int i = 0; i < 300; ++i) { // four bits fixed each
        std::string p(27, '-');
        for (int k = 0; k < 4; ++k)
            p[rng() % 27] = rng() % 2 ? '1' : '0';
        patterns.push_back(p);
    }
    patterns.push_back(std::string(27, '-'));
    const auto start = std::chrono::steady_clock::now();
    const TMachine a = ReadMachine(OneStateRows(patterns));
    const TAutomatReport report = CheckAutomat(a);
    const TTour tour = PlanTour(a, TMachineModel(a));
    const auto took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
    std::cout << "[ 27 bits  ] " << patterns.size() << " rows checked and planned in "
              << took.count() << " s\n";
    EXPECT_LT(took.count(), 1.0);
    EXPECT_EQ(report.further.size(), patterns.size() - 28) << report.further.at(0);
    EXPECT_EQ(tour.takeable, 29);
}

// The search gives up, rather than hang, when its work runs out.
TEST(Cube, UncoveredInputWithinTheWorkGiven) {
    const std::vector<std::string> others = {"1--", "-1-", "--1"};
    std::string input;
    long long plenty = CoverWork, little = 20;
    EXPECT_EQ(FindUncovered("---", others, input, plenty), TCover::Free);
    EXPECT_EQ(input, "000");
    EXPECT_EQ(FindUncovered("---", others, input, little), TCover::Undecided);
    EXPECT_EQ(FindUncovered("--1", others, input, plenty), TCover::Covered);
}
