// The report the error window shows (and korvalt-cli prints) for a description
// that failed its checks: the fixed checks' messages in bit order, then the
// further messages, each table message followed by the rows it is about,
// numbered as the editor's grid shows them.
#include <array>

#include "common/cp1252.h"
#include "fsm/checks.h"

namespace korvalt {

namespace {

// "  Zeile 3: „S0|S1|“"; a row the grid shows no line for is named by its text only.
TReportLine RowLine(const TTableRow& row) {
    const std::string text = QuotedForMessage(row.Text);
    return {row.GridRow > 0 ? "  Zeile " + std::to_string(row.GridRow) + ": " + text
                            : "  Zeile ohne Zustand: " + text,
            row};
}

void AddRows(std::vector<TReportLine>& lines, const std::vector<TTableRow>& rows) {
    for (std::size_t i = 0; i < rows.size() && i < ReportRowsShown; ++i)
        lines.push_back(RowLine(rows[i]));
    if (rows.size() > ReportRowsShown)
        lines.push_back(
            {"  und " + std::to_string(rows.size() - ReportRowsShown) + " weitere", {}});
}

} // namespace

std::vector<TReportLine> ErrorReport(const TAutomatReport& report) {
    static const std::array<const char*, 7> messages = {
        "Es wurden keine Eingänge definiert!",
        "Es wurden keine Ausgänge definiert!",
        "Es wurden weniger als 2 Zustände definiert!",
        "Die Eingangsmatrix ist ungültig!",
        "Die Ausgangsmatrix ist ungültig!",
        "Die Automatenbeschreibung ist unvollständig!",
        "Es wurden nicht allen Zuständen eine Ausgangsbelegung zugeordnet!"};
    std::vector<TReportLine> lines = {
        {"Es sind Fehler in der Automatenbeschreibung vorhanden!", {}},
        {"Es konnte kein VHDL-Code erzeugt werden.", {}},
        {"", {}}};
    for (std::size_t i = 0; i < messages.size(); ++i) {
        if (!(report.errors & (1 << i))) continue;
        lines.push_back({messages[i], {}});
        if ((1 << i) == ErrTableIncomplete) AddRows(lines, report.incomplete);
        if ((1 << i) == ErrOutputsMissing) AddRows(lines, report.outputsMissing);
    }
    auto row = report.furtherRows.begin();
    for (std::size_t i = 0; i < report.further.size(); ++i) {
        lines.push_back({report.further[i], {}});
        for (; row != report.furtherRows.end() && row->first == i; ++row)
            lines.push_back(RowLine(row->second));
    }
    return lines;
}

TStrings ErrorReportLines(const TAutomatReport& report) {
    TStrings texts;
    for (const auto& line : ErrorReport(report))
        texts.push_back(line.Text);
    return texts;
}

} // namespace korvalt
