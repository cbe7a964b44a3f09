// The self-checking testbench under GHDL: it passes against the machine it
// was written for, and it fails, naming the row, against generated VHDL with
// one output or one next state changed where the tour can see it.
#include <gtest/gtest.h>

#include <future>
#include <random>

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

struct TJob {
    std::string entity;
    std::string what;
    TRunResult run;
};

// Analyses the files in batches, then runs every entity's testbench, two at a time.
void AnalyseAndRun(const TTempDir& dir, const std::vector<std::string>& files,
                   std::vector<TJob>& jobs) {
    for (std::size_t start = 0; start < files.size(); start += 80) {
        std::vector<std::string> argv = {"ghdl", "-a"};
        argv.insert(argv.end(), GhdlFlags.begin(), GhdlFlags.end());
        argv.push_back("--workdir=" + dir.Path());
        argv.insert(argv.end(), files.begin() + static_cast<std::ptrdiff_t>(start),
                    files.begin() +
                        static_cast<std::ptrdiff_t>(std::min(files.size(), start + 80)));
        const auto r = Run(argv, dir.Path());
        ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
    }
    auto runOne = [&](TJob& job) {
        TStrings args = SimulationCommands(dir.Path(), job.entity).back();
        args[0] = "--elab-run";
        args.insert(args.begin(), "ghdl");
        job.run = Run(args, dir.Path());
    };
    for (std::size_t i = 0; i < jobs.size(); i += 2) {
        auto other = std::async(std::launch::async, [&, i] {
            if (i + 1 < jobs.size()) runOne(jobs[i + 1]);
        });
        runOne(jobs[i]);
        other.get();
    }
}

std::vector<TAutomat> Descriptions(int count) {
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
        const TAutomat a = RandomAutomat(rng, RandomShape(rng));
        if (CheckAutomat(a).Ok()) list.push_back(a);
    }
    return list;
}

// What the testbench compares at each step when it drives the tour of the
// original machine into machine a: the outputs, "open" where a Mealy machine
// has no row, empty where nothing is checked.
TStrings Observed(const TAutomat& original, const TTour& tour, const TAutomat& a) {
    const TMachineModel orig(original), m(a);
    TStrings seen;
    int state = -1;
    for (const auto& step : tour.steps) {
        const bool checked = step.reset ? orig.StateOutput(step.next).size() > 0 && a.Moore
                                        : !a.Moore || orig.StateOutput(step.next).size() > 0;
        if (step.reset) {
            state = m.ResetState();
            seen.push_back(checked ? m.StateOutput(state) : "");
            continue;
        }
        const int r = state < 0 ? -1 : m.RowTaken(state, orig.Row(step.row).input);
        if (a.Moore) {
            if (r >= 0) state = m.Row(r).next;
            seen.push_back(checked ? m.StateOutput(state) : "");
        } else {
            seen.push_back(r < 0 ? "open" : m.Row(r).output);
            state = r < 0 ? -1 : m.Row(r).next;
        }
    }
    return seen;
}

std::string Label(const TAutomat& a, const TTourStep& step) {
    return step.reset ? "Reset, Zustand"
                      : "Zeile " + std::to_string(step.row + 1) + " (" +
                            a.Automatentabelle[static_cast<std::size_t>(step.row)] + ")";
}

// Replaces the text after `after` up to the next ";" in the first line holding `key`.
bool Patch(TStrings& vhdl, const std::string& key, const std::string& after,
           const std::string& value, std::size_t from = 0) {
    for (std::size_t i = from; i < vhdl.size(); ++i) {
        const auto k = vhdl[i].find(key);
        if (k == std::string::npos) continue;
        const auto at = vhdl[i].find(after, k) + after.size();
        vhdl[i] = vhdl[i].substr(0, at) + value + vhdl[i].substr(vhdl[i].find(';', at));
        return true;
    }
    return false;
}

struct TMutant {
    TAutomat changed; // the description the mutated VHDL behaves as
    TStrings vhdl;
};

// One output swapped (of a reachable state, or of a row the tour takes) or
// one next state changed, in the generated VHDL and in the reference.
TMutant Mutate(const TAutomat& a, const TTour& tour, const std::string& entity, bool output,
               std::mt19937& rng) {
    TMutant mu{a, BuildAutomatVhdl(a, entity)};
    const TMachineModel m(a);
    auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
    };
    // Another name of the list, one with a different pattern when there is one.
    auto other = [&](const TStrings& list, const std::string& name, const std::string& pattern) {
        TStrings differ, same;
        for (const auto& e : list)
            if (!SameText(WrittenName(e), name))
                (EntryBits(e) != pattern ? differ : same).push_back(WrittenName(e));
        const TStrings& from = differ.empty() ? same : differ;
        return from.empty() ? std::string() : from[pick(from.size())];
    };
    // Another output for the VHDL and the name the reference knows it by; with
    // a single output, a literal with one bit flipped.
    auto otherOutput = [&](const std::string& name, std::string pattern) {
        const std::string o = other(a.Ausgangsmatrix, name, pattern);
        if (!o.empty()) return std::pair(o, o);
        pattern[0] = pattern[0] == '1' ? '0' : '1';
        mu.changed.Ausgangsmatrix.push_back("anders|" + pattern);
        return std::pair("\"" + pattern + "\"", std::string("anders"));
    };
    std::vector<const TTourStep*> steps;
    for (const auto& s : tour.steps)
        if (!s.reset) steps.push_back(&s);
    const TTourStep& step = *steps[pick(steps.size())];
    std::string& row = mu.changed.Automatentabelle[static_cast<std::size_t>(step.row)];
    const TStrings f = SplitTableRow(row, a.Moore ? 3 : 4);
    std::string next = f[1];
    if (!output) {
        const std::string code = a.Zustandsmatrix[static_cast<std::size_t>(m.Row(step.row).next)];
        next = other(a.Zustandsmatrix, f[1], EntryBits(code));
    }
    if (a.Moore && output) {
        const std::string state = m.StateName(step.next);
        const auto [vhdl, out] =
            otherOutput(m.StateOutputName(step.next), m.StateOutput(step.next));
        EXPECT_TRUE(Patch(mu.vhdl, " z = " + state + " then y <= ", "then y <= ", vhdl));
        for (auto& r : mu.changed.Ausgangstabelle)
            if (SameText(WrittenName(r), state)) {
                r = WrittenName(r) + "|" + out;
                break;
            }
    } else if (a.Moore) {
        std::size_t line = 0;
        for (int seen = -1; seen < step.row; ++line)
            if (mu.vhdl[line].find(" and x = ") != std::string::npos) ++seen;
        EXPECT_TRUE(Patch(mu.vhdl, " and x = ", "then z <= ", next, line - 1));
        row = f[0] + "|" + next + "|" + f[2];
    } else {
        const auto head = std::find(mu.vhdl.begin(), mu.vhdl.end(),
                                    "              when " + f[0] + " => case x is ");
        const std::string key = "  when " + f[2] + " => y <= ";
        const std::size_t from = static_cast<std::size_t>(head - mu.vhdl.begin());
        const auto [vhdl, out] =
            output ? otherOutput(f[3], m.Row(step.row).output) : std::pair(f[3], f[3]);
        EXPECT_TRUE(output ? Patch(mu.vhdl, key, "y <= ", vhdl, from)
                           : Patch(mu.vhdl, key, "zn <= ", next, from));
        row = f[0] + "|" + next + "|" + f[2] + "|" + out;
    }
    return mu;
}

std::string SummaryNumber(const std::string& summary) {
    return summary.substr(0, summary.find(' '));
}

} // namespace

TEST(FsmTestbenchSimulation, PassesForEveryDescriptionAndFailsNamingTheRowForVisibleMutants) {
    const std::vector<TAutomat> descriptions = Descriptions(124);
    TTempDir dir;
    std::vector<std::string> files;
    std::vector<TJob> jobs;
    std::vector<TTour> tours;
    for (std::size_t i = 0; i < descriptions.size(); ++i) {
        const TAutomat& a = descriptions[i];
        const std::string entity = "t" + std::to_string(i);
        tours.push_back(PlanTour(a, TMachineModel(a)));
        ASSERT_TRUE(WriteSimulationFiles(a, dir.Path(), entity));
        files.push_back(dir.File(entity + ".vhd"));
        files.push_back(dir.File(AutomatTestbenchFileName(entity)));
        jobs.push_back({entity, "description " + std::to_string(i), {}});
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
            TMutant mu = Mutate(descriptions[i], tours[i], entity, output, rng);
            WriteBytes(dir.File(entity + ".vhd"), CrLf(mu.vhdl));
            WriteBytes(dir.File(AutomatTestbenchFileName(entity)),
                       CrLf(BuildAutomatTestbench(descriptions[i], entity, tours[i])));
            files.push_back(dir.File(entity + ".vhd"));
            files.push_back(dir.File(AutomatTestbenchFileName(entity)));
            mutants.push_back({i, jobs.size(), mu.changed});
            jobs.push_back(
                {entity,
                 (output ? "output mutant of " : "next-state mutant of ") + std::to_string(i),
                 {}});
        }
    }
    AnalyseAndRun(dir, files, jobs);

    for (std::size_t i = 0; i < descriptions.size(); ++i) {
        const auto outcome =
            ReadSimulationOutput(jobs[i].run.out + jobs[i].run.err, jobs[i].run.exitCode);
        EXPECT_TRUE(outcome.passed) << jobs[i].what << "\n" << jobs[i].run.out << jobs[i].run.err;
        // Steps into a Moore state without outputs are walked but not checked.
        if (tours[i].unchecked.empty()) {
            EXPECT_GE(std::stoi("0" + SummaryNumber(outcome.summary)), tours[i].takeable)
                << jobs[i].what;
        }
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
