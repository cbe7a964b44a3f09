#include <gtest/gtest.h>

#include <filesystem>

#include "app/catalogue.h"
#include "support/testsupport.h"

using namespace korvalt;

TEST(Catalogue, WhichFilesQualifyAndHowTheyAreShown) {
    const struct {
        const char* file;
        const char* entry; // "" when not listed
    } cases[] = {
        {"Zaehler_mit-Reset.vhd", "Zaehler mit,Reset#Zaehler_mit-Reset.vhd"},
        {"alu.VHD", "alu#alu.VHD"},
        {"counter.vhdl", "counter#counter.vhdl"},
        {"notes.txt", ""},
        {"x.v.vhd", ""},
        {"a.b.vhd", ""},
        {"counter", ""},
        {".vhd", ""},
        {"vhd", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CatalogueEntry(c.file), c.entry) << c.file;
}

TEST(Catalogue, SortsIgnoringCaseAndTrimsCaptionsOnly) {
    const auto entries = BuildCatalogue(
        {"Zaehler_mit-Reset.vhd", "notes.txt", "alu.VHD", "x.v.vhd", " b .vhd", "Beta.vhd"});
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0], " b # b .vhd");
    EXPECT_EQ(entries[1], "alu#alu.VHD");
    EXPECT_EQ(entries[2], "Beta#Beta.vhd");
    EXPECT_EQ(CatalogueCaption(entries[0]), "b");
    EXPECT_EQ(CatalogueFile(entries[0]), " b .vhd");
    EXPECT_EQ(CatalogueCaption(entries[3]), "Zaehler mit,Reset");
}

TEST(Catalogue, ScansPlainFilesOfTheFolderAndToleratesAMissingOne) {
    test::TTempDir dir;
    test::WriteBytes(dir.File("ZAEHLER.VHD"), "");
    std::filesystem::create_directory(dir.File("ordner.vhd"));
    EXPECT_EQ(ScanTemplates(dir.Path()), (TStrings{"ZAEHLER#ZAEHLER.VHD"}));
    EXPECT_TRUE(ScanTemplates(dir.File("missing/")).empty());
}
