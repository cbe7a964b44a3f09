// The self-checking testbench under GHDL: it passes against the machine it
// was written for, and it fails, naming the row, against generated VHDL with
// one output or one next state changed where the tour can see it. Every
// machine written synthesises without a latch.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "common/ascii.h"
#include "e2e/ghdl.h"
#include "fsm/automat_tb.h"
#include "fsm/checks.h"
#include "fsm/examples.h"
#include "fsm/random_automat.h"
#include "fsm/simulation.h"
#include "fsm/synthesis.h"
#include "fsm/workspace.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

namespace {

// The worked examples, the tour examples, then random machines, the last
// withDontCare of them with '-' in their patterns.
std::vector<TAutomat> Descriptions(int count, int withDontCare) {
    std::vector<TAutomat> list = {MooreExample(), MealyExample()};
    for (const char* file :
         {"fsm/tour/moore_vorrang.Moore.txt", "fsm/tour/mealy_senke.Mealy.txt"}) {
        TAutomat a;
        a.Moore = std::string(file).find("Moore") != std::string::npos;
        LoadWorkspaceFile(a, DataPath(file));
        list.push_back(a);
    }
    std::mt19937 rng(4711);
    while (static_cast<int>(list.size()) < count) {
        TMachineShape shape = RandomShape(rng);
        shape.dontCare = static_cast<int>(list.size()) >= count - withDontCare;
        const TAutomat a = RandomAutomat(rng, shape);
        if (CheckAutomat(ReadMachine(a)).Ok()) list.push_back(a);
    }
    return list;
}

// What the testbench compares at each step when it drives the tour of the
// original machine into machine a: the outputs, "open" where a Mealy machine
// has no row, empty where nothing is checked.
TStrings Observed(const TAutomat& original, const TTour& tour, const TAutomat& a) {
    const TMachineModel orig(ReadMachine(original)), m(ReadMachine(a));
    TStrings seen;
    int state = -1;
    for (const auto& step : tour.steps) {
        const int r = step.reset || state < 0 ? -1 : m.RowTaken(state, orig.Row(step.row).stimulus);
        if (step.reset) state = m.ResetState();
        if (a.Moore) {
            if (r >= 0) state = m.Row(r).next;
            seen.push_back(orig.StateOutput(step.next).empty() ? "" : m.StateOutput(state));
        } else if (!step.reset) {
            seen.push_back(r < 0 ? "open" : m.Row(r).output);
            state = r < 0 ? -1 : m.Row(r).next;
        } else {
            seen.push_back("");
        }
    }
    return seen;
}

std::string Label(const TAutomat& a, const TTourStep& step) {
    return step.reset ? "Reset, Zustand"
                      : "Zeile " + std::to_string(step.row + 1) + " (" +
                            a.Automatentabelle[static_cast<std::size_t>(step.row)] + ")";
}

// The description with one output (of a row the tour takes, or of a state it
// reaches) or one next state changed: its VHDL differs from the original's in
// that one line, and a constant more where a fresh output code is needed.
TAutomat Mutate(const TAutomat& a, const TTour& tour, bool output, std::mt19937& rng) {
    TAutomat mu = a;
    auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
    };
    // Another name of the list, one with a different pattern when there is one.
    auto other = [&](TStrings& list, const std::string& name) {
        std::string pattern;
        TStrings differ, same;
        for (const auto& e : list)
            if (SameText(WrittenName(e), name)) pattern = EntryBits(e);
        for (const auto& e : list)
            if (!SameText(WrittenName(e), name))
                (EntryBits(e) != pattern ? differ : same).push_back(WrittenName(e));
        // A single output, or patterns with '-' (another one may agree where
        // it counts): a fresh code with one bit flipped that the original fixes.
        if ((differ.empty() && same.empty()) || pattern.find('-') != std::string::npos) {
            const std::size_t bit = pattern.find_first_of("01");
            pattern[bit] = pattern[bit] == '1' ? '0' : '1';
            list.push_back("anders|" + pattern);
            return std::string("anders");
        }
        const TStrings& from = differ.empty() ? same : differ;
        return from[pick(from.size())];
    };
    const TTourStep* step = &tour.steps.front();
    while (step->reset)
        step = &tour.steps[pick(tour.steps.size())];
    const int r = step->row;
    const TMachine typed = ReadMachine(a);
    const TTransition& row = typed.Zeilen[static_cast<std::size_t>(r)];
    TStrings f = {row.Zustand.Name, row.Folgezustand.Name, row.Bedingung.Name, row.Ausgang.Name};
    const TMachineModel m(typed);
    const int reached = m.Row(r).next;
    if (a.Moore && output && !m.StateOutputName(reached).empty()) {
        const std::string out = other(mu.Ausgangsmatrix, m.StateOutputName(reached));
        for (auto& e : mu.Ausgangstabelle)
            if (SameText(WrittenName(e), m.StateName(reached))) {
                e = WrittenName(e) + "|" + out;
                return mu;
            }
    }
    output = output && !a.Moore;
    (output ? f[3] : f[1]) =
        output ? other(mu.Ausgangsmatrix, f[3]) : other(mu.Zustandsmatrix, f[1]);
    mu.Automatentabelle[static_cast<std::size_t>(r)] =
        f[0] + "|" + f[1] + "|" + f[2] + (a.Moore ? "" : "|" + f[3]);
    return mu;
}

} // namespace

TEST(FsmTestbenchSimulation, PassesForEveryDescriptionAndFailsNamingTheRowForVisibleMutants) {
    const std::vector<TAutomat> descriptions = Descriptions(148, 24);
    TTempDir dir;
    TStrings files;
    std::vector<TJob> jobs;
    std::vector<TTour> tours;
    std::vector<TMachineUnit> machines;
    auto add = [&](const std::string& entity, const std::string& what, const TAutomat& a) {
        machines.push_back({entity, !a.Moore && ReadMachine(a).Coded()});
        files.push_back(dir.File(entity + ".vhd"));
        files.push_back(dir.File(AutomatTestbenchFileName(entity)));
        jobs.push_back({entity, what});
    };
    for (std::size_t i = 0; i < descriptions.size(); ++i) {
        const TAutomat& a = descriptions[i];
        const std::string entity = "t" + std::to_string(i);
        const TMachine typed = ReadMachine(a);
        tours.push_back(PlanTour(typed, TMachineModel(typed)));
        ASSERT_TRUE(WriteSimulationFiles(typed, dir.Path(), entity));
        add(entity, "description " + std::to_string(i), a);
    }
    // A sample of mutants, one output and one next state of about every fourth description.
    std::mt19937 rng(99);
    struct TMutantJob {
        std::size_t description, job;
        TAutomat changed;
    };
    std::vector<TMutantJob> mutants;
    for (std::size_t i = 0; i < descriptions.size(); ++i) {
        if (mutants.size() >= i / 2 || tours[i].steps.size() < 2) continue; // no row taken
        for (bool output : {true, false}) {
            const std::string entity = "m" + std::to_string(mutants.size());
            const TAutomat changed = Mutate(descriptions[i], tours[i], output, rng);
            WriteBytes(dir.File(entity + ".vhd"),
                       CrLf(BuildAutomatVhdl(ReadMachine(changed), entity)));
            WriteBytes(dir.File(AutomatTestbenchFileName(entity)),
                       CrLf(BuildAutomatTestbench(ReadMachine(descriptions[i]), entity, tours[i])));
            mutants.push_back({i, jobs.size(), changed});
            add(entity, (output ? "output of " : "next state of ") + std::to_string(i), changed);
        }
    }
    AnalyseAndRun(dir.Path(), files, jobs);
    const auto synth = GhdlSynthMachines(machines, dir.Path());
    EXPECT_TRUE(synth.Ok()) << synth.output;

    for (std::size_t i = 0; i < descriptions.size(); ++i) {
        const auto outcome =
            ReadSimulationOutput(jobs[i].run.out + jobs[i].run.err, jobs[i].run.exitCode);
        EXPECT_TRUE(outcome.passed) << jobs[i].what << "\n" << jobs[i].run.out << jobs[i].run.err;
        // The run counts the checks the header announces ("-- hier N: ...").
        const TStrings tb = BuildAutomatTestbench(ReadMachine(descriptions[i]), "e", tours[i]);
        const auto hier = std::find_if(
            tb.begin(), tb.end(), [](const std::string& l) { return StartsWith(l, "-- hier "); });
        ASSERT_NE(hier, tb.end());
        EXPECT_EQ(outcome.summary.substr(0, outcome.summary.find(' ')),
                  hier->substr(8, hier->find(':') - 8))
            << jobs[i].what;
    }
    int visible = 0, others = 0, othersKilled = 0;
    for (const auto& mu : mutants) {
        const TAutomat& a = descriptions[mu.description];
        const TTour& tour = tours[mu.description];
        const TJob& job = jobs[mu.job];
        const auto outcome = ReadSimulationOutput(job.run.out + job.run.err, job.run.exitCode);
        const TStrings expected = Observed(a, tour, a), seen = Observed(a, tour, mu.changed);
        const auto differ = std::mismatch(expected.begin(), expected.end(), seen.begin());
        if (differ.first == expected.end()) {
            ++others;
            othersKilled += job.run.exitCode != 0;
            continue;
        }
        ++visible;
        const std::string label =
            Label(a, tour.steps[static_cast<std::size_t>(differ.first - expected.begin())]);
        EXPECT_EQ(job.run.exitCode, 1) << job.what;
        ASSERT_FALSE(outcome.failures.empty()) << job.what << "\n" << job.run.out;
        EXPECT_EQ(outcome.failures[0].rfind(label, 0), 0u)
            << job.what << ": " << outcome.failures[0] << " should name " << label;
    }
    std::cout << "[ mutants  ] " << visible << " visible on the tour, all must fail; " << others
              << " others, " << othersKilled << " of them killed\n";
    EXPECT_GE(visible, static_cast<int>(mutants.size()) / 2);
}
