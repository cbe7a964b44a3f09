// The shipped templates: every section, expanded as the main window expands it,
// must give VHDL that GHDL analyses without a warning, elaborates and
// synthesises, with the grid's defaults and with every ranged parameter at
// either end of its range.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "common/textfile.h"
#include "ghdl.h"
#include "support/testsupport.h"
#include "template/expand.h"
#include "template/params.h"
#include "template/reader.h"

using namespace korvalt;
using namespace korvalt::test;

namespace {

const std::string TemplateDir = KORVALT_SOURCE_DIR "resources/Template/";

// The files the menu offers, as it finds them.
std::vector<std::string> TemplateFiles() {
    std::vector<std::string> files;
    for (const auto& entry : ScanTemplates(TemplateDir))
        files.push_back(CatalogueFile(entry));
    return files;
}

enum class TBound { Defaults, Lower, Upper };

const char* BoundText(TBound b) {
    return b == TBound::Defaults ? "defaults"
           : b == TBound::Lower  ? "lower bounds"
                                 : "upper bounds";
}

// The grid rows of a section with every ranged parameter set to the bound;
// parameters without a range keep their defaults.
std::vector<TParamRow> RowsAt(const std::vector<TTemplateDecl>& decls, TBound bound) {
    auto rows = BuildParamRows(decls);
    if (bound == TBound::Defaults) return rows;
    for (auto& row : rows)
        if (const auto range = DeclRange(row.decl))
            row.value = std::to_string(bound == TBound::Lower ? range->lo : range->hi);
    return rows;
}

std::string ValuesText(const std::vector<TParamRow>& rows) {
    std::string text;
    for (const auto& row : rows)
        text += " " + DeclName(row.decl) + "=" + row.value;
    return text;
}

// Expands a section the way the main window does and writes the file.
TResult<> ExpandToFile(const std::string& templatePath, const std::string& section,
                       const std::vector<TParamRow>& rows, const std::string& outPath) {
    TStrings body = Tsrctemp(templatePath).Find(section)->BodyText();
    ExpandTemplate(outPath, body, ParamsFromRows(rows));
    return SaveLines(outPath, body);
}

std::string ParamName(const ::testing::TestParamInfo<std::string>& info) {
    std::string name = info.param.substr(0, info.param.find('.'));
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

// A bit-string literal compared with or assigned to a vector of numeric bounds
// must be as wide as the vector (a longer one compares unequal without a warning).
std::string LiteralWidthMismatch(const std::string& vhdl) {
    const std::regex decl(R"((\w+)\s*:\s*(?:in\s+|out\s+)?std_logic_vector\((\d+) downto 0\))",
                          std::regex::icase);
    const std::regex use(R"re((\w+)\s*<?=\s*"([01]*)")re");
    std::map<std::string, long> widths;
    for (std::sregex_iterator m(vhdl.begin(), vhdl.end(), decl), end; m != end; ++m)
        widths[(*m)[1]] = std::stol((*m)[2]) + 1;
    for (std::sregex_iterator m(vhdl.begin(), vhdl.end(), use), end; m != end; ++m)
        if (widths.contains((*m)[1]) && widths[(*m)[1]] != (*m)[2].length()) return m->str();
    return "";
}

} // namespace

// Shifted declarations and missing bodies are found by the lint run over every
// shipped template (ShippedTemplates.LintFindsNothingIn_*).
TEST(ShippedTemplates, AtLeastSixFilesWithSeveralSectionsAndRanges) {
    const auto files = TemplateFiles();
    EXPECT_GE(files.size(), 6u);
    for (const auto& file : files) {
        SCOPED_TRACE(file);
        const std::string bytes = ReadBytes(TemplateDir + file);
        EXPECT_TRUE(bytes == CrLf(SplitLines(bytes))) << "a line does not end with CR LF";
        const Tsrctemp reader(TemplateDir + file);
        const auto& sections = reader.Sections();
        EXPECT_GE(sections.size(), 2u);
        bool ranged = false;
        for (const auto& section : reader.Sections())
            for (const auto& decl : section.decls)
                ranged = ranged || decl.range;
        EXPECT_TRUE(ranged) << "no parameter with a range";
    }
}

class TemplateFile : public ::testing::TestWithParam<std::string> {};

TEST_P(TemplateFile, EverySectionBuildsAtDefaultsAndAtBothBounds) {
    const std::string path = TemplateDir + GetParam();
    const Tsrctemp reader(path);
    int n = 0;
    for (const auto& typed : reader.Sections()) {
        const std::string& section = typed.name;
        for (TBound bound : {TBound::Defaults, TBound::Lower, TBound::Upper}) {
            const auto rows = RowsAt(typed.decls, bound);
            const std::string unit = "t_" + std::to_string(++n);
            const std::string what = GetParam() + ", section \"" + section + "\", " +
                                     BoundText(bound) + ValuesText(rows) + " (" + unit + ")";
            TTempDir dir;
            const std::string out = dir.File(unit + ".vhd");
            ASSERT_TRUE(ExpandToFile(path, section, rows, out)) << what;
            const std::string vhdl = ReadBytes(out);
            // A marker left over names no parameter of its section.
            EXPECT_EQ(vhdl.find('|'), std::string::npos) << what << ":\n" << vhdl;
            EXPECT_EQ(LiteralWidthMismatch(vhdl), "") << what;
            EXPECT_NE(vhdl.find("entity " + unit + " is"), std::string::npos)
                << what << ": the entity is not named after the file";
            const auto analysed = GhdlAnalyse(out, dir.Path());
            if (!analysed.Ok()) {
                ADD_FAILURE() << what << ":\n" << analysed.output << "\n" << vhdl;
                continue;
            }
            EXPECT_EQ(analysed.output, "") << what << ": GHDL warns\n" << vhdl;
            // Running catches index and range errors that only show with real values.
            const auto run = GhdlRun(unit, dir.Path(), "100ns");
            EXPECT_TRUE(run.Ok()) << what << ":\n" << run.output << "\n" << vhdl;
            const auto synth = GhdlSynth(unit, dir.Path());
            EXPECT_TRUE(synth.Ok()) << what << ": no hardware\n" << synth.output << "\n" << vhdl;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedTemplates, TemplateFile, ::testing::ValuesIn(TemplateFiles()),
                         ParamName);

TEST(ShippedTemplates, KorvaltCliWritesWhatTheWindowWrites) {
    bool analysed = false;
    for (const auto& file : TemplateFiles()) {
        const std::string path = TemplateDir + file;
        const Tsrctemp reader(path);
        for (const auto& typed : reader.Sections()) {
            const std::string& section = typed.name;
            const auto rows = RowsAt(typed.decls, TBound::Upper);
            std::vector<std::string> argv = {KORVALT_CLI, "expand", path, section};
            for (const auto& row : rows)
                if (DeclRange(row.decl)) argv.push_back(DeclName(row.decl) + "=" + row.value);
            TTempDir core, cli;
            argv.insert(argv.end(), {"-o", cli.File("t_cli.vhd")});
            ASSERT_TRUE(ExpandToFile(path, section, rows, core.File("t_cli.vhd")));
            const auto r = korvalt::test::Run(argv);
            const std::string what = file + ", section \"" + section + "\"" + ValuesText(rows);
            ASSERT_EQ(r.exitCode, 0) << what << ": " << r.err;
            EXPECT_EQ(r.out + r.err, "") << what;
            const std::string written = ReadBytes(cli.File("t_cli.vhd"));
            EXPECT_TRUE(written == ReadBytes(core.File("t_cli.vhd"))) << what;
            if (!analysed) {
                const auto result = GhdlAnalyse(cli.File("t_cli.vhd"), cli.Path());
                EXPECT_TRUE(result.Ok()) << what << ":\n" << result.output;
                analysed = true;
            }
        }
    }
    EXPECT_TRUE(analysed);
}

// tests/data/template/zaehler_tb.vhd drives a 4 bit up counter through reset,
// hold, counting, terminal count, wrap-around and a load that wins over enable.
TEST(ShippedTemplates, UpCounterCountsLoadsAndSignalsTerminalCount) {
    const std::string path = TemplateDir + "zaehler.vhd";
    TTempDir dir;
    auto rows = BuildParamRows(Tsrctemp(path).Sections().at(0).decls);
    ASSERT_EQ(rows.size(), 1u);
    rows[0].value = "4";
    ASSERT_TRUE(ExpandToFile(path, "Aufwaertszaehler", rows, dir.File("t_zaehler.vhd")));
    WriteBytes(dir.File("tb.vhd"), ReadBytes(DataPath("template/zaehler_tb.vhd")));
    for (const char* file : {"t_zaehler.vhd", "tb.vhd"}) {
        const auto analysed = GhdlAnalyse(dir.File(file), dir.Path());
        ASSERT_TRUE(analysed.Ok()) << file << ":\n" << analysed.output;
    }
    const auto run = GhdlRun("tb", dir.Path(), "10us");
    EXPECT_TRUE(run.Ok()) << run.output;
    EXPECT_NE(run.output.find("Zaehler geprueft"), std::string::npos) << run.output;
}

// korvalt-cli lint --ghdl gives GHDL's complaint at the template line it comes from.
TEST(ShippedTemplates, LintWithGhdlPointsAtTheTemplateLine) {
    TTempDir dir;
    WriteBytes(dir.File("t.vhd"), "#A\r\n-N[0..3]\r\n<\r\nentity |NAME| is end;\r\n"
                                  "architecture a of |NAME| is\r\n"
                                  "  signal v : bit_vector(1 downto 0) := |$0,N|;\r\n"
                                  "begin end;\r\n>\r\n");
    const auto r = Cli({"lint", "--ghdl", dir.File("t.vhd")});
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_NE(r.out.find(dir.File("t.vhd") + ":6: Abschnitt \"A\": GHDL bei N=0: "),
              std::string::npos)
        << r.out;
}
