// The one-number settings files and the search for the files shipped with
// the program.

#include <string>
#include <vector>

#include "settings/settings_files.h"
#include "shell/data_folders.h"
#include "shell_test_support.h"
#include "support/case_names.h"

namespace calorvia::shell::testing {

using settings::readIntegerSetting;
using settings::writeIntegerSetting;

namespace {

// ----------------------------------------------------------- settings files

struct ReadCase {
    const char* content;
    std::optional<std::int32_t> value;
};

class IntegerSettingTest : public ProgramDirectoryTest,
                           public ::testing::WithParamInterface<ReadCase> {};

TEST_P(IntegerSettingTest, OneIntegerInFreeFormOrNothing) {
    writeFile(file("setting"), GetParam().content);
    EXPECT_EQ(readIntegerSetting(file("setting")), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, IntegerSettingTest,
    ::testing::Values(ReadCase{"", std::nullopt}, ReadCase{"   \n\n", std::nullopt},
                      ReadCase{"           2\n", 2}, ReadCase{"\n \n  1  \n", 1},
                      ReadCase{"-7\r\n", -7}, ReadCase{"3,4\n", 3}, ReadCase{"3 4\n", 3},
                      ReadCase{"2.5\n", std::nullopt}, ReadCase{"1e3\n", std::nullopt},
                      ReadCase{"12abc\n", std::nullopt}, ReadCase{"two\n2\n", std::nullopt},
                      ReadCase{"99999999999\n", std::nullopt}),
    [](const auto& row) { return calorvia::testing::textName(row.param.content); });

TEST_F(ProgramDirectoryTest, AMissingFileOrAFolderIsUnreadable) {
    EXPECT_EQ(readIntegerSetting(file("missing")), std::nullopt);
    std::filesystem::create_directory(file("folder"));
    EXPECT_EQ(readIntegerSetting(file("folder")), std::nullopt);
}

TEST_F(ProgramDirectoryTest, AWrittenSettingReadsBackAndReplacesTheOldFile) {
    writeFile(file("cor"), "garbage that is longer than the new record\n");
    ASSERT_TRUE(writeIntegerSetting(file("cor"), 13));
    EXPECT_EQ(readIntegerSetting(file("cor")), 13);
    const auto content = readFile(file("cor"));
    ASSERT_TRUE(content);
    EXPECT_EQ(content->front(), ' ');
    EXPECT_EQ(content->back(), '\n');
    EXPECT_EQ(content->find("garbage"), std::string::npos);
}

TEST_F(ProgramDirectoryTest, AFailedWriteLeavesNothingBehind) {
    EXPECT_FALSE(writeIntegerSetting(file("no such folder") / "idioma", 1));
    std::filesystem::create_directory(file("idioma"));
    EXPECT_FALSE(writeIntegerSetting(file("idioma"), 1));
    EXPECT_TRUE(std::filesystem::is_directory(file("idioma")));
    // No temporary file is left in the folder.
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory())) {
        names.push_back(utf8(entry.path().filename()));
    }
    EXPECT_EQ(names, std::vector<std::string>{"idioma"});
}

// ------------------------------------------------------------- data folders

struct HelpCase {
    const char* requested;
    const char* document;  // nullptr: returned unchanged
};

class HelpDocumentTest : public ProgramDirectoryTest,
                         public ::testing::WithParamInterface<HelpCase> {};

TEST_P(HelpDocumentTest, TheOldHelpNamesLeadToTheShippedDocuments) {
    const DataFolders folders({directory() / "empty", buildDataFolder()});
    const std::filesystem::path requested = directory() / GetParam().requested;
    const std::filesystem::path shown = helpDocumentPath(requested, folders);
    if (GetParam().document == nullptr) {
        EXPECT_EQ(shown, requested);
    } else {
        EXPECT_EQ(shown, buildDataFolder() / "help" / GetParam().document);
        EXPECT_TRUE(fileExists(shown));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, HelpDocumentTest,
    ::testing::Values(HelpCase{"Help.hlp", "Help.html"}, HelpCase{"Ajuda.hlp", "Ajuda.html"},
                      HelpCase{"Syntax.hlp", "Syntax.html"},
                      HelpCase{"Sintaxe.hlp", "Sintaxe.html"},
                      HelpCase{"Window.hlp", "Window.html"}, HelpCase{"janela.hlp", "Janela.html"},
                      HelpCase{"SYNTAX.HLP", "Syntax.html"},
                      HelpCase{"Tutorial_inexistente.pdf", nullptr}, HelpCase{"Help.html", nullptr},
                      HelpCase{"MyHelp.hlp", nullptr}),
    [](const auto& row) { return calorvia::testing::textName(row.param.requested); });

TEST_F(ProgramDirectoryTest, AHelpDocumentNoFolderHasIsLeftAsAsked) {
    const DataFolders folders({directory() / "empty"});
    EXPECT_EQ(helpDocumentPath("Help.hlp", folders), std::filesystem::path("Help.hlp"));
}

TEST_F(ProgramDirectoryTest, PicturesComeFromTheProgramDirectoryThenTheInstalledFolders) {
    const std::filesystem::path first = directory() / "first";
    const std::filesystem::path second = directory() / "second";
    writeFile(second / "Bitmap" / "Esfera.bmp", "sphere");
    writeFile(first / "Bitmap" / "Parede.bmp", "wall");
    writeFile(second / "Bitmap" / "Parede.bmp", "another wall");
    writeFile(directory() / "Bitmap" / "Cilindro.bmp", "user's cylinder");
    writeFile(second / "Bitmap" / "Cilindro.bmp", "cylinder");

    DataFolders folders({first, second});
    folders.setProgramDirectory(directory());
    EXPECT_EQ(folders.picture(SpherePicture), second / "Bitmap" / "Esfera.bmp");
    EXPECT_EQ(folders.picture(WallPicture), first / "Bitmap" / "Parede.bmp");
    EXPECT_EQ(folders.picture(CylinderPicture), directory() / "Bitmap" / "Cilindro.bmp");
    EXPECT_EQ(folders.picture(EquationPicture), directory() / "Bitmap" / "Equation.bmp");
    // Shipped files never come from the program directory.
    EXPECT_EQ(folders.shipped("Bitmap/Cilindro.bmp"), second / "Bitmap" / "Cilindro.bmp");
    EXPECT_EQ(folders.shipped("README.md"), std::nullopt);
}

TEST(FileAddressTest, BytesOutsideThePlainCharactersArePercentEncoded) {
    EXPECT_EQ(fileAddress("/tmp/Calorvia/README.md"), "file:///tmp/Calorvia/README.md");
    EXPECT_EQ(fileAddress(pathOf("/home/ana maria/Média#1.md")),
              "file:///home/ana%20maria/M%C3%A9dia%231.md");
}

TEST(ShippedDataTest, TheBuildDataFolderHoldsEverythingTheProgramAsksFor) {
    for (const char* name :
         {"Bitmap/Equation.bmp", "Bitmap/Parede.bmp", "Bitmap/Cilindro.bmp", "Bitmap/Esfera.bmp",
          "help/Help.html", "help/Ajuda.html", "help/Syntax.html", "help/Sintaxe.html",
          "help/Window.html", "help/Janela.html", "help/Home.html", "help/Inicio.html",
          "help/help.css", "README.md"}) {
        EXPECT_TRUE(fileExists(buildDataFolder() / name)) << name;
    }
    // The README says what Home Page and Send Email show.
    const auto readme = readFile(buildDataFolder() / "README.md");
    ASSERT_TRUE(readme);
    EXPECT_NE(readme->find("Home Page"), std::string::npos);
}

}  // namespace
}  // namespace calorvia::shell::testing
