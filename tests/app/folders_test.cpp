#include <gtest/gtest.h>

#include <filesystem>

#include "app/catalogue.h"
#include "app/folders.h"
#include "common/paths.h"
#include "support/testsupport.h"

using namespace korvalt;
using namespace korvalt::test;

TEST(Folders, TemplatesBesideTheProgramMeanPortableUnderShareMeanInstalledWithTheUsersFilesWinning) {
    TTempDir root;
    const std::string bin = root.File("usr/bin/"), shipped = root.File("usr/share/korvalt/Template/");
    std::filesystem::create_directories(bin);
    EXPECT_FALSE(DecideFolders(bin, "c/", "d/", "h/").installed); // no templates anywhere

    std::filesystem::create_directories(shipped);
    const TFolders f = DecideFolders(bin, root.File("cfg"), root.File("data/"), root.File("home"));
    ASSERT_TRUE(f.installed);
    const std::string own = root.File("data/Template/");
    EXPECT_EQ(f.templateDirs, (TStrings{shipped, own}));
    EXPECT_EQ(f.settingsDir + "|" + f.dataDir + "|" + f.workingDir,
              root.File("cfg/|") + root.File("data/|") + root.File("home/"));
    ASSERT_TRUE(PrepareUserFolders(f));
    EXPECT_TRUE(IsDirectory(f.settingsDir));
    EXPECT_NE(ReadBytes(own + UserTemplateNote).find(shipped), std::string::npos);
    std::filesystem::remove(own + UserTemplateNote); // made on the first start only
    ASSERT_TRUE(PrepareUserFolders(f));
    EXPECT_FALSE(FileExists(own + UserTemplateNote));

    for (const auto& file : {shipped + "zaehler.vhd", shipped + "alu.vhd", own + "zaehler.vhd",
                             own + "eigen.vhd"})
        WriteBytes(file, "");
    const TStrings entries = ScanTemplateFolders(f.templateDirs);
    EXPECT_EQ(entries, (TStrings{"alu#alu.vhd", "eigen#eigen.vhd", "zaehler#zaehler.vhd"}));
    EXPECT_EQ(TemplatePath(f.templateDirs, entries[0]), shipped + "alu.vhd");
    EXPECT_EQ(TemplatePath(f.templateDirs, entries[2]), own + "zaehler.vhd");

    std::filesystem::create_directories(bin + "Template"); // an unpacked copy stays portable
    const TFolders p = DecideFolders(bin, "c/", "d/", "h/");
    EXPECT_FALSE(p.installed);
    EXPECT_EQ(p.settingsDir + "|" + p.dataDir + "|" + p.templateDirs.at(0), bin + "|" + bin + "|" + bin + "Template/");
}
