#include "app/shell/config.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "app/shell/publics.h"
#include "tests/shell/program_folder.h"
#include "tests/support/layers.h"

namespace {

using pixa::shell::G;

using ConfigFile = pixa::test::ProgramFolder;

TEST_F(ConfigFile, FirstStartUsesDefaultsAndWritesOnlyTheIdentificationKeys) {
    ASSERT_TRUE(pixa::shell::LoadPublics());
    EXPECT_EQ(G().cMyPath, dir_.str());
    EXPECT_EQ(G().cIniFile, dir_.str() + "\\PIXAPORT.INI");
    EXPECT_EQ(G().cRelease, "Qor Pixaport v1.05");
    EXPECT_FALSE(G().lS_Konvert);
    EXPECT_EQ(G().cExtens, "   ");
    EXPECT_EQ(G().cDFBeg, "Sony");
    EXPECT_EQ(G().cQuelle, "");
    EXPECT_EQ(G().nSpeicher, 8);
    EXPECT_EQ(G().aDFBeg, (std::vector<std::string>{"Canon", "Olympus", "Sony"}));

    std::string ini = Ini();
    auto product = ini.find("Product=Qor Pixaport v1.05");
    auto copyright = ini.find("Copyright=");
    auto mypath = ini.find("MyPath=" + dir_.str());
    ASSERT_NE(product, std::string::npos) << ini;
    ASSERT_NE(copyright, std::string::npos) << ini;
    ASSERT_NE(mypath, std::string::npos) << ini;
    EXPECT_LT(product, copyright);
    EXPECT_LT(copyright, mypath);
    EXPECT_EQ(ini.find("[Data]"), std::string::npos) << ini;

    long top, left, bottom, right;
    pixa::shell::GetCoords(top, left, bottom, right);
    EXPECT_EQ(std::vector<long>({top, left, bottom, right}), std::vector<long>({0, 0, 480, 640}));

    pixa::shell::CheckIni();
    EXPECT_NE(Ini().find("[Data]\r\nQuelle=\r\nZiel="), std::string::npos) << Ini();
}

TEST_F(ConfigFile, ValueRulesForLogicalsNumbersAndTheFileType) {
    struct Case {
        std::string konvert, extens, speicher;
        bool lKonvert;
        std::string cExtens;
        long nSpeicher;
    };
    for (const Case& c : {Case{"10", "JP", "16MB", true, "JP ", 16}, Case{"", "JPEG", "abc", false, "JPE", 0},
                          // A card size its field cannot hold (negative, over seven digits) reads as the default.
                          Case{"2", "*", "-12", false, "*  ", 8}, Case{"1", "JPG", "99999999999", true, "JPG", 8},
                          Case{"0", "", "9999999", false, "   ", 9999999}}) {
        WriteIni("[Data]\r\nKonvert=" + c.konvert + "\r\nExtens=" + c.extens + "\r\nSpeicher=" + c.speicher +
                 "\r\nBeginn=Nikon\r\n");
        pixa::shell::LoadPublics();
        EXPECT_EQ(G().lS_Konvert, c.lKonvert) << c.konvert;
        EXPECT_EQ(G().cExtens, c.cExtens) << c.extens;
        EXPECT_EQ(G().nSpeicher, c.nSpeicher) << c.speicher;
        EXPECT_EQ(G().cDFBeg, "Nikon");  // not validated at load time
    }
}

TEST_F(ConfigFile, EmptyKeyBeatsDefaultAndNonNumberReadsZero) {
    WriteIni("[Data]\r\nBeginn=\r\nSpeicher=\r\n[Pixaport]\r\nBottom=abc\r\nTop=-5\r\n");
    pixa::shell::LoadPublics();
    EXPECT_EQ(G().cDFBeg, "");
    EXPECT_EQ(G().nSpeicher, 0);
    long top, left, bottom, right;
    pixa::shell::GetCoords(top, left, bottom, right);
    EXPECT_EQ(top, -5);
    EXPECT_EQ(bottom, 0);
    EXPECT_EQ(right, 640);
}

TEST_F(ConfigFile, LongValuesAreCutTo1022Characters) {
    std::string longFolder = "C:\\" + std::string(1500, 'x');
    WriteIni("[Data]\r\nQuelle=" + longFolder + "\r\n");
    pixa::shell::LoadPublics();
    EXPECT_EQ(G().cQuelle, longFolder.substr(0, 1022));
}

TEST_F(ConfigFile, CheckIniStoresTheFoldersChangedDuringTheRun) {
    WriteIni("[Data]\r\nQuelle=C:\\old\r\nZiel=E:\\DCIM\r\nSubOrd=1\r\n");
    pixa::shell::LoadPublics();
    EXPECT_TRUE(G().lSubOrd);
    G().cQuelle = "C:\\Bilder";
    pixa::shell::CheckIni();
    pixa::shell::LoadPublics();
    EXPECT_EQ(G().cQuelle, "C:\\Bilder");
    EXPECT_EQ(G().cZiel, "E:\\DCIM");
    EXPECT_TRUE(G().lSubOrd);
}

}  // namespace
