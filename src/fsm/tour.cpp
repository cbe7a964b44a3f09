#include "fsm/tour.h"

#include <deque>
#include <unordered_map>

#include "common/cp1252.h"
#include "fsm/cube.h"
#include "fsm/synthesis.h"

namespace korvalt {

namespace {

// A pattern as the generated constant holds it: empty bits are zeros.
std::string Pattern(const TNamed& entry, int high) {
    std::string bits = entry.Bits;
    if (bits.empty()) bits.assign(static_cast<std::size_t>(high) + 1, '0');
    return bits;
}

// The earlier rows of one state as far as covering goes: the first row of
// each pattern, and those of them whose pattern holds a don't-care bit.
struct TEarlier {
    std::unordered_map<std::string, int> first;
    std::vector<int> distinct, loose;
};

// Sets the row's stimulus, or the earlier rows of its state that cover it;
// neither when that cannot be decided.
void Stimulus(const std::vector<TMachineModel::TRow>& rows, TMachineModel::TRow& row,
              TEarlier& earlier, int index, long long& work) {
    const auto [same, fresh] = earlier.first.try_emplace(row.input, index);
    if (!fresh) {
        row.coveredBy = {same->second};
        return;
    }
    // A pattern without '-' meets only earlier patterns with '-' (an equal one
    // was found above), so a machine without them needs no search at all.
    const bool loose = HasDontCare(row.input);
    const std::vector<int> candidates = loose ? earlier.distinct : earlier.loose;
    earlier.distinct.push_back(index);
    if (loose) earlier.loose.push_back(index);
    if (work < 0) return; // undecided: no description may make the model hang
    std::vector<std::string> patterns;
    for (const int c : candidates)
        patterns.push_back(rows[static_cast<std::size_t>(c)].input);
    const TCover cover = FindUncovered(row.input, patterns, row.stimulus, work);
    if (cover == TCover::Free) return;
    row.stimulus.clear();
    if (cover == TCover::Undecided) return;
    // Name as few rows as tell the story: the first whose pattern holds all
    // of it, else every earlier row that shares an input with it.
    for (const int c : candidates)
        if (CubeContains(rows[static_cast<std::size_t>(c)].input, row.input)) {
            row.coveredBy = {c};
            return;
        }
    for (const int c : candidates)
        if (CubesIntersect(rows[static_cast<std::size_t>(c)].input, row.input))
            row.coveredBy.push_back(c);
}

// Why earlier rows of its state take every input of row r.
std::string CoveredReason(const TMachineModel& m, int r) {
    const auto& by = m.Row(r).coveredBy;
    const auto& first = m.Row(by.front());
    if (by.size() == 1)
        return "Zeile " + std::to_string(by.front() + 1) +
               (first.input == m.Row(r).input
                    ? " desselben Zustands mit demselben Eingangsmuster hat Vorrang."
                    : " desselben Zustands deckt ihr ganzes Eingangsmuster ab und hat Vorrang.");
    std::string rows;
    for (std::size_t i = 0; i < by.size(); ++i)
        rows += (i == 0 ? "" : i + 1 == by.size() ? " und " : ", ") + std::to_string(by[i] + 1);
    return "die Zeilen " + rows + " desselben Zustands decken ihr ganzes Eingangsmuster ab.";
}

} // namespace

TMachineModel::TMachineModel(const TMachine& a) : moore_(a.Moore) {
    const TBounds b = VectorBounds(a);
    for (const auto& s : a.Zustaende)
        states_.push_back(s.Written());
    if (!states_.empty()) reset_ = FindNamed(a.Zustaende, a.ResetName(), TMatch::IgnoreCase);

    // The row's state and input as the generator looks them up; the next
    // state and the output as VHDL finds them, ignoring case.
    rowsOfState_.resize(states_.size());
    std::vector<TEarlier> earlier(states_.size());
    long long work = CoverWork; // for the whole machine: no description may make it hang
    for (const auto& t : a.Zeilen) {
        TRow row;
        const int state = t.Complete ? t.Zustand.Index : -1;
        const int next =
            FindNamed(a.Zustaende, t.Complete ? t.Folgezustand.Name : "", TMatch::IgnoreCase);
        const int input = t.Complete ? t.Bedingung.Index : -1;
        if (state >= 0 && next >= 0 && input >= 0) {
            row.state = state;
            row.next = next;
            row.input = Pattern(a.Eingaenge[static_cast<std::size_t>(input)], b.xh);
            if (!moore_) {
                const int out = FindNamed(a.Ausgaenge, t.Ausgang.Name, TMatch::IgnoreCase);
                if (out >= 0)
                    row.output = Pattern(a.Ausgaenge[static_cast<std::size_t>(out)], b.yh);
                row.outputName = t.Ausgang.Name;
            }
            const int index = static_cast<int>(rows_.size());
            Stimulus(rows_, row, earlier[static_cast<std::size_t>(state)], index, work);
            rowsOfState_[static_cast<std::size_t>(state)].push_back(index);
        }
        rows_.push_back(row);
    }

    // Moore: the output chain tests the rows of the output table in order.
    stateOutput_.resize(states_.size());
    stateOutputName_.resize(states_.size());
    if (!moore_) return;
    for (const auto& row : a.Ausgangszeilen) {
        const int s = row.Zustand.Index;
        if (s < 0 || !stateOutputName_[static_cast<std::size_t>(s)].empty()) continue;
        const std::string outName = a.OutputOf(row.Entry.Written());
        const int out = FindNamed(a.Ausgaenge, outName, TMatch::IgnoreCase);
        if (out < 0) continue;
        stateOutputName_[static_cast<std::size_t>(s)] = outName;
        stateOutput_[static_cast<std::size_t>(s)] =
            Pattern(a.Ausgaenge[static_cast<std::size_t>(out)], b.yh);
    }
}

int TMachineModel::RowTaken(int s, const std::string& value) const {
    if (s < 0 || s >= StateCount()) return -1;
    for (const int r : rowsOfState_[static_cast<std::size_t>(s)])
        if (CubeMatches(rows_[static_cast<std::size_t>(r)].input, value)) return r;
    return -1;
}

TReach FindReachable(const TMachine& a, const TMachineModel& m) {
    TReach reach;
    const int rowCount = static_cast<int>(a.Zeilen.size());
    const int n = m.StateCount();
    reach.winner.assign(static_cast<std::size_t>(rowCount), -1);
    reach.edges.resize(static_cast<std::size_t>(n));
    for (int r = 0; r < rowCount; ++r) {
        const auto& row = m.Row(r);
        if (row.state < 0) continue;
        reach.winner[static_cast<std::size_t>(r)] = !row.coveredBy.empty() ? row.coveredBy.front()
                                                    : row.stimulus.empty() ? -1
                                                                           : r;
        if (reach.winner[static_cast<std::size_t>(r)] == r)
            reach.edges[static_cast<std::size_t>(row.state)].push_back(r);
    }
    reach.reached.assign(static_cast<std::size_t>(n), false);
    if (m.ResetState() < 0) return reach;
    std::deque<int> queue = {m.ResetState()};
    reach.reached[static_cast<std::size_t>(m.ResetState())] = true;
    while (!queue.empty()) {
        const int s = queue.front();
        queue.pop_front();
        for (const int r : reach.edges[static_cast<std::size_t>(s)])
            if (!reach.reached[static_cast<std::size_t>(m.Row(r).next)]) {
                reach.reached[static_cast<std::size_t>(m.Row(r).next)] = true;
                queue.push_back(m.Row(r).next);
            }
    }
    return reach;
}

TTour PlanTour(const TMachine& a, const TMachineModel& m) {
    TTour tour;
    const int rowCount = static_cast<int>(a.Zeilen.size());
    const int n = m.StateCount();
    const TReach reach = FindReachable(a, m);
    const auto& winner = reach.winner;
    const auto& edges = reach.edges;
    const auto& reached = reach.reached;
    for (int r = 0; r < rowCount; ++r) {
        const auto& row = m.Row(r);
        const int w = winner[static_cast<std::size_t>(r)];
        if (row.state < 0)
            tour.skipped.push_back(
                {r, "sie nennt einen unbekannten Namen oder ist unvollständig."});
        else if (w < 0)
            tour.skipped.push_back({r,
                                    "ob frühere Zeilen desselben Zustands ihr ganzes "
                                    "Eingangsmuster abdecken, ist zu aufwendig zu entscheiden."});
        else if (w != r)
            tour.skipped.push_back({r, CoveredReason(m, r)});
        else if (!reached[static_cast<std::size_t>(row.state)])
            tour.skipped.push_back({r, "der Zustand " + Cp1252ToUtf8(m.StateName(row.state)) +
                                           " ist vom Resetzustand aus nicht erreichbar."});
        else
            ++tour.takeable;
    }
    for (int s = 0; s < n; ++s)
        if (a.Moore && reached[static_cast<std::size_t>(s)] && m.StateOutput(s).empty())
            tour.unchecked.push_back(s);
    if (m.ResetState() < 0) return tour;

    // Rows still to take, per state, in table order.
    std::vector<std::deque<int>> open(static_cast<std::size_t>(n));
    for (int s = 0; s < n; ++s)
        if (reached[static_cast<std::size_t>(s)])
            open[static_cast<std::size_t>(s)].assign(edges[static_cast<std::size_t>(s)].begin(),
                                                     edges[static_cast<std::size_t>(s)].end());
    std::vector<bool> taken(static_cast<std::size_t>(rowCount), false);
    int remaining = tour.takeable;
    int current = m.ResetState();
    tour.steps.push_back({true, -1, current, current});
    auto take = [&](int r) {
        tour.steps.push_back({false, r, current, m.Row(r).next});
        if (!taken[static_cast<std::size_t>(r)]) {
            taken[static_cast<std::size_t>(r)] = true;
            --remaining;
        }
        current = m.Row(r).next;
    };
    auto hasOpen = [&](int s) {
        auto& q = open[static_cast<std::size_t>(s)];
        while (!q.empty() && taken[static_cast<std::size_t>(q.front())])
            q.pop_front();
        return !q.empty();
    };
    std::vector<int> via(static_cast<std::size_t>(n));
    while (remaining > 0) {
        if (hasOpen(current)) {
            // Self-loops first (they cost no way back), then a row that leads
            // where more rows wait, so fewer steps are walked.
            auto& q = open[static_cast<std::size_t>(current)];
            auto rank = [&](int r) {
                if (taken[static_cast<std::size_t>(r)]) return 3;
                const int next = m.Row(r).next;
                return next == current ? 0 : hasOpen(next) ? 1 : 2;
            };
            std::size_t pick = 0;
            for (std::size_t i = 1; i < q.size() && rank(q[pick]) > 0; ++i)
                if (rank(q[i]) < rank(q[pick])) pick = i;
            const int r = q[pick];
            q.erase(q.begin() + static_cast<std::ptrdiff_t>(pick));
            take(r);
            continue;
        }
        // Breadth-first search for the nearest state with an open row.
        std::fill(via.begin(), via.end(), -2);
        via[static_cast<std::size_t>(current)] = -1;
        std::deque<int> queue = {current};
        int target = -1;
        while (!queue.empty() && target < 0) {
            const int s = queue.front();
            queue.pop_front();
            for (const int r : edges[static_cast<std::size_t>(s)]) {
                const int t = m.Row(r).next;
                if (via[static_cast<std::size_t>(t)] != -2) continue;
                via[static_cast<std::size_t>(t)] = r;
                if (hasOpen(t)) {
                    target = t;
                    break;
                }
                queue.push_back(t);
            }
        }
        if (target < 0) {
            if (current == m.ResetState()) break; // cannot happen: every open row is reachable
            current = m.ResetState();
            tour.steps.push_back({true, -1, current, current});
            continue;
        }
        std::vector<int> path;
        for (int s = target; s != current; s = m.Row(via[static_cast<std::size_t>(s)]).state)
            path.push_back(via[static_cast<std::size_t>(s)]);
        for (auto it = path.rbegin(); it != path.rend(); ++it)
            take(*it);
    }
    return tour;
}

} // namespace korvalt
