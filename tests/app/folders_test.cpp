#include <gtest/gtest.h>

#include <filesystem>

#include "app/folders.h"
#include "common/paths.h"
#include "support/testsupport.h"

using namespace korvalt;

TEST(Folders, TemplatesBesideTheProgramMeanPortableUnderShareMeanInstalled) {
    test::TTempDir root;
    const std::string bin = root.File("usr/bin/"), own = root.File("data/Template/");
    std::filesystem::create_directories(bin);
    EXPECT_FALSE(DecideFolders(bin, "c/", "d/", "h/").installed); // no templates anywhere
    std::filesystem::create_directories(root.File("usr/share/korvalt/Template"));
    const TFolders f = DecideFolders(bin, root.File("cfg"), root.File("data/"), "h");
    ASSERT_TRUE(f.installed);
    EXPECT_EQ(f.templateDirs, (TStrings{root.File("usr/share/korvalt/Template/"), own}));
    EXPECT_EQ(f.settingsDir + "|" + f.workingDir, root.File("cfg/|h/"));
    ASSERT_TRUE(PrepareUserFolders(f));
    std::filesystem::remove(own + UserTemplateNote); // made on the first start only
    ASSERT_TRUE(PrepareUserFolders(f));
    EXPECT_FALSE(FileExists(own + UserTemplateNote));
    std::filesystem::create_directories(bin + "Template"); // an unpacked copy stays portable
    EXPECT_EQ(DecideFolders(bin, "c/", "d/", "h/").settingsDir, bin);
}
