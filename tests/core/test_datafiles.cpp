// Species, type catalogue, bitmap folder and default name files.
#include "model/globals.h"
#include "shell/io/datafiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace vesk;
namespace fs = std::filesystem;

namespace {

class DataFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        dir_ = fs::temp_directory_path() / ("vesk-datafiles-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        G.AppPath = dir_.string();
    }
    void TearDown() override
    {
        fs::remove_all(dir_);
        ResetGlobals();
    }
    void write(const char* name, const std::string& bytes) { std::ofstream(dir_ / name, std::ios::binary) << bytes; }
    std::string read(const char* name)
    {
        std::ostringstream s;
        s << std::ifstream(dir_ / name, std::ios::binary).rdbuf();
        return s.str();
    }
    fs::path dir_;
};

// A catalogue of `types` types, each entry with one figure, but entry
// `special`, which holds `body` after its type line.
std::string Catalogue(int types, int special = -1, const std::string& body = "")
{
    const char* cats = "0112222";
    std::string s = std::to_string(types) + "\r\n";
    for (int t = 0; t <= types; ++t) {
        s += "Entry\r\n" + std::string(1, t <= 6 ? cats[t] : '3') + ", \"Type, " + std::to_string(t) + "\", t" +
             std::to_string(t) + ".dat\r\n";
        s += t == special ? body : "0, 0, 1, 0\r\nfig.bmp\r\nCaption, with a comma\r\n";
    }
    return s;
}

}  // namespace

TEST_F(DataFiles, WoodFileWithoutItsSecondCountGivesBothBuiltInLists)
{
    write(kWoodFile, "2\r\nAsh\r\n800, 900\r\nElm, rock\r\n1000, 1100\r\n1\r\nAsh\r\n3000, 1200, 6000, 1500\r\n");
    ASSERT_EQ(ReadWoodData(), 0);
    EXPECT_EQ(G.CribWoodName.size(), 3u);
    EXPECT_EQ(G.CribWoodName[2], "Elm, rock");  // a name line is taken whole
    EXPECT_EQ(G.CribWoodProp(2, 2), 1100);
    EXPECT_EQ(G.PostWoodProp.maxRow(), 1);

    for (const char* bad : {"1\r\nAsh\r\n800, 900\r\n", "-1\r\n0\r\n", "1\r\nAsh\r\n800, 900, 5\r\n0\r\n"}) {
        write(kWoodFile, bad);
        EXPECT_EQ(ReadWoodData(), -1) << bad;
        EXPECT_EQ(G.NumCribWoods, 15);
        EXPECT_EQ(G.NumPostWoods, 15);
        EXPECT_EQ(G.CribWoodName.size(), 21u);
        EXPECT_EQ(G.PostWoodProp.maxRow(), 20);
        EXPECT_EQ(G.CribWoodName[1], "Yellow Birch    ");
        EXPECT_EQ(G.CribWoodProp(3, 1), 1886);
        EXPECT_EQ(G.PostWoodProp(14, 4), 1290);
    }
}

TEST_F(DataFiles, CatalogueSizesItsTablesFromTheCounts)
{
    // Entry 8: 3 figures, 2 loading models of 4 and 5 photos, their files
    // after the comma or on the next line.
    std::string body = "8, 8, 3, 2\r\na.bmp\r\nA\r\nb.bmp\r\nB\r\nc.bmp\r\nC\r\n"
                       "1, 4\r\nm1.dat\r\nModel one\r\n0.5, p1.bmp\r\n1.5,p2.bmp\r\n2.5\r\np3.bmp\r\n3.5 , p4.bmp\r\n"
                       "2, 5\r\nm2.dat\r\nModel two\r\n1\r\nq1.bmp\r\n2, q2\r\n3, q3\r\n4, q4\r\n5, q5\r\n";
    write(kConfigFile, Catalogue(9, 8, body));
    ASSERT_FALSE(ReadConfig());
    EXPECT_EQ(G.NumTypes, 9);
    EXPECT_EQ(G.TypeCat[7], 3);
    EXPECT_EQ(G.SupTypeName[9], "Type, 9");
    EXPECT_EQ(G.TypeFile[9], "t9.dat");
    EXPECT_EQ(G.FigFile.size(), 1u + 3u + 9u);  // one figure in each of the nine other entries
    EXPECT_EQ(G.FigCaption.size(), 13u);
    EXPECT_EQ(G.FailModelName.size(), 3u);
    EXPECT_EQ(G.FotoCount.maxRow(), 2);
    EXPECT_EQ(G.FotoFile.size(), 10u);
    EXPECT_EQ(G.FotoConv.size(), 10u);
    EXPECT_EQ(G.ModelName.maxRow(), 9);
    EXPECT_EQ(G.ModelName.maxCol(), 20);
    EXPECT_EQ(G.NumModels.size(), 10u);
    EXPECT_EQ(G.InfoTable.maxCol(), 5);
}

TEST_F(DataFiles, UnusableCataloguesGiveTheBuiltInTypesWithEveryList)
{
    const std::string good = Catalogue(7);
    auto with = [&](const std::string& from, const std::string& to) {
        std::string s = good;
        return s.replace(s.find(from), from.size(), to);
    };
    for (const std::string& bad : {Catalogue(5), with("7\r\n", "-1\r\n"),  // too few types, or a negative count
                                   with("3, \"Type, 7", "8, \"Type, 7"),   // no such category
                                   with("2, \"Type, 3", "7, \"Type, 3"),   // a built-in type in another category
                                   with("0, 0, 1, 0\r\nfig.bmp\r\nCaption, with a comma\r\n", "0, 0, -1, 0\r\n"),
                                   good.substr(0, good.size() - 30)}) {
        ResetGlobals();
        G.AppPath = dir_.string();
        write(kConfigFile, bad);
        EXPECT_TRUE(ReadConfig()) << bad;
        EXPECT_EQ(G.NumTypes, 6);
        EXPECT_EQ(G.TypeCat, (std::vector<int16_t>{0, 1, 1, 2, 2, 2, 2}));
        EXPECT_EQ(G.SupTypeName[4], "4-point concrete crib");
        EXPECT_EQ(G.NumModels.size(), 7u);
        EXPECT_EQ(G.ModelName.maxRow(), 6);
        EXPECT_EQ(G.InfoTable.maxRow(), 6);
        EXPECT_EQ(G.FigFile.size(), 101u);
        EXPECT_EQ(G.FotoCount.maxRow(), 200);
        EXPECT_EQ(G.FotoFile.size(), 201u);
    }
    write(kConfigFile, good);
    EXPECT_FALSE(ReadConfig());
}

TEST_F(DataFiles, BitmapPathFile)
{
    // Missing: created with the program's folder and region 0, no message.
    G.BmpPath = "/elsewhere";
    EXPECT_EQ(ReadBmpPath(), 0);
    EXPECT_EQ(G.BmpPath, G.AppPath);
    EXPECT_EQ(read(kBmpPathFile), G.AppPath + "\r\n0,0\r\n");

    write(kBmpPathFile, "/pictures, too\r\n1\r\n");  // no unit code: English
    EXPECT_EQ(ReadBmpPath(), 0);
    EXPECT_EQ(G.BmpPath, "/pictures, too");
    EXPECT_FALSE(ReadBmpPathSettings().units.has_value());
    write(kBmpPathFile, "/pictures\r\nWest\r\n");
    EXPECT_EQ(ReadBmpPath(), -1);
    EXPECT_EQ(G.BmpPath, G.AppPath);

    // Saving keeps the region and the units.
    G.BmpPath = "/pics";
    G.EasternMines = 0;
    G.MetricUnits = -1;
    EXPECT_EQ(SaveBmpPath(), "");
    EXPECT_EQ(read(kBmpPathFile), "/pics\r\n1,1\r\n");
    // A failed save is reported and leaves the file.
    G.BmpPath = "/pics/\xE4\xB8\xAD";
    EXPECT_NE(SaveBmpPath(), "");
    EXPECT_EQ(read(kBmpPathFile), "/pics\r\n1,1\r\n");
    G.AppPath = (dir_ / "missing").string();
    EXPECT_EQ(ReadBmpPath(), -1);  // the missing file cannot be created
}

TEST_F(DataFiles, DefaultNameIsTheWholeLine)
{
    write(kDefNameFile, "  Mine No. 4, North Portal  \r\nsecond line\r\n");
    ReadDefName();
    EXPECT_EQ(G.DefProjName, "  Mine No. 4, North Portal  ");
    EXPECT_EQ(G.ProjName, G.DefProjName);

    EXPECT_EQ(SaveDefName("Test Mine"), "");
    EXPECT_EQ(read(kDefNameFile), "Test Mine\r\n");
    ReadDefName();
    EXPECT_EQ(G.ProjName, "Test Mine");
}

TEST_F(DataFiles, MissingDefaultNameBecomesABlankAndIsWritten)
{
    for (const char* bytes : {(const char*)nullptr, ""}) {
        if (bytes)
            write(kDefNameFile, bytes);
        G.ProjName = "old";
        ReadDefName();
        EXPECT_EQ(G.DefProjName, " ");
        EXPECT_EQ(G.ProjName, " ");
        EXPECT_EQ(read(kDefNameFile), " \r\n");
    }
}
