#include <gtest/gtest.h>

#include <filesystem>

#include "common/cp1252.h"
#include "common/textfile.h"
#include "support/testsupport.h"
#include "template/lint.h"

using namespace korvalt;

// Each file of tests/data/template/lint is a small template whose leading
// commentary lists the findings expected of it, one per line after "= "; its
// file name is checked as the template's.
TEST(CheckTemplate, ReportsWhatEachCaseFileExpects) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(test::DataPath("template/lint"))) {
        TStrings lines, expected, found;
        ASSERT_TRUE(ReadLines(entry.path().string(), lines));
        for (const auto& line : lines)
            if (line.starts_with("= ")) expected.push_back(Cp1252ToUtf8(line.substr(2)));
        for (const auto& finding :
             CheckTemplate(Tsrctemp(lines).Sections(), entry.path().filename().string()))
            found.push_back(FindingText(finding));
        EXPECT_EQ(found, expected) << entry.path();
        ++files;
    }
    EXPECT_GE(files, 11);
}

TEST(CheckTemplate, TrialValuesCoverDefaultsAndBothEnds) {
    std::string values;
    const std::vector<TTemplateDecl> decls{ReadDecl("N[2..8]"), ReadDecl("W[4]"),
                                           ReadDecl("M[3,1]")};
    for (const auto& set : TrialValues(decls))
        for (const auto& row : set)
            values += row.value + (&row == &set.back() ? ";" : ",");
    EXPECT_EQ(values, "2,4,3;2,4,1;8,4,3;");
    EXPECT_EQ(TrialValues({ReadDecl("W[4]")}).size(), 1u);
}
