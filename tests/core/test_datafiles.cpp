// Species, type catalogue, bitmap folder and default name files.
#include "core_helpers.h"
#include "files/datafiles.h"

using namespace vesk;

namespace {

using DataFiles = ScratchFolder;

// A catalogue of `types` types, each entry with one figure, but entry `special`, which holds `body` after its
// type line.
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
    Put(at(kWoodFile), "2\r\nAsh\r\n800, 900\r\nElm, rock\r\n1000, 1100\r\n1\r\nAsh\r\n3000, 1200, 6000, 1500\r\n");
    ASSERT_EQ(ReadWoodData(), 0);
    EXPECT_EQ(G.CribWoodName.size(), 3u);
    EXPECT_EQ(G.CribWoodName[2], "Elm, rock");  // a name line is taken whole
    EXPECT_EQ(G.CribWoodProp(2, 2), 1100);
    EXPECT_EQ(G.PostWoodProp.maxRow(), 1);
    for (const char* bad : {"1\r\nAsh\r\n800, 900\r\n", "-1\r\n0\r\n", "1\r\nAsh\r\n800, 900, 5\r\n0\r\n"}) {
        Put(at(kWoodFile), bad);
        EXPECT_EQ(ReadWoodData(), -1) << bad;
        EXPECT_EQ(std::tie(G.NumCribWoods, G.NumPostWoods), std::make_tuple(int16_t(15), int16_t(15)));
        EXPECT_EQ(std::make_pair(G.CribWoodName.size(), G.PostWoodProp.maxRow()), std::make_pair(std::size_t(21), 20));
        EXPECT_EQ(G.CribWoodName[1], "Yellow Birch    ");
        EXPECT_EQ(std::make_pair(G.CribWoodProp(3, 1), G.PostWoodProp(14, 4)), std::make_pair(1886.f, 1290.f));
    }
}

TEST_F(DataFiles, CatalogueSizesItsTablesFromTheCountsUnusableOnesGiveTheBuiltInTypes)
{
    // Entry 8: 3 figures, 2 loading models of 4 and 5 photos, their files after the comma or on the next line.
    std::string body = "8, 8, 3, 2\r\na.bmp\r\nA\r\nb.bmp\r\nB\r\nc.bmp\r\nC\r\n"
                       "1, 4\r\nm1.dat\r\nModel one\r\n0.5, p1.bmp\r\n1.5,p2.bmp\r\n2.5\r\np3.bmp\r\n3.5 , p4.bmp\r\n"
                       "2, 5\r\nm2.dat\r\nModel two\r\n1\r\nq1.bmp\r\n2, q2\r\n3, q3\r\n4, q4\r\n5, q5\r\n";
    Put(at(kConfigFile), Catalogue(9, 8, body));
    ASSERT_FALSE(ReadConfig());
    EXPECT_EQ(std::tie(G.NumTypes, G.TypeCat[7]), std::make_tuple(int16_t(9), int16_t(3)));
    EXPECT_EQ(G.SupTypeName[9] + "|" + G.TypeFile[9], "Type, 9|t9.dat");
    EXPECT_EQ(G.FigFile.size(), 1u + 3u + 9u);  // one figure in each of the nine other entries
    EXPECT_EQ(std::make_tuple(G.FigCaption.size(), G.FailModelName.size(), G.FotoFile.size(), G.NumModels.size()),
              std::make_tuple(13u, 3u, 10u, 10u));
    EXPECT_EQ(std::make_tuple(G.FotoCount.maxRow(), G.ModelName.maxRow(), G.ModelName.maxCol(), G.InfoTable.maxCol()),
              std::make_tuple(2, 9, 20, 5));

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
        G.AppPath = dir;
        Put(at(kConfigFile), bad);
        EXPECT_TRUE(ReadConfig()) << bad;
        EXPECT_EQ(G.TypeCat, (std::vector<int16_t>{0, 1, 1, 2, 2, 2, 2}));
        EXPECT_EQ(G.SupTypeName[4], "4-point concrete crib");
        EXPECT_EQ(std::make_tuple(G.NumTypes, G.ModelName.maxRow(), G.InfoTable.maxRow(), G.FotoCount.maxRow()),
                  std::make_tuple(int16_t(6), 6, 6, 200));
        EXPECT_EQ(std::make_tuple(G.NumModels.size(), G.FigFile.size(), G.FotoFile.size()),
                  std::make_tuple(7u, 101u, 201u));
    }
    Put(at(kConfigFile), good);
    EXPECT_FALSE(ReadConfig());
}

TEST_F(DataFiles, BitmapPathFile)
{
    // Missing: created with the program's folder and region 0, no message.
    G.BmpPath = "/elsewhere";
    EXPECT_EQ(ReadBmpPath(), 0);
    EXPECT_EQ(G.BmpPath, G.AppPath);
    EXPECT_EQ(Slurp(at(kBmpPathFile)), G.AppPath + "\r\n0,0\r\n");
    Put(at(kBmpPathFile), "/pictures, too\r\n1\r\n");  // no unit code: English
    EXPECT_EQ(ReadBmpPath(), 0);
    EXPECT_EQ(G.BmpPath, "/pictures, too");
    EXPECT_FALSE(ReadBmpPathSettings().units.has_value());
    Put(at(kBmpPathFile), "/pictures\r\nWest\r\n");
    EXPECT_EQ(ReadBmpPath(), -1);
    EXPECT_EQ(G.BmpPath, G.AppPath);

    // Saving keeps the region and the units; a failed save is reported and leaves the file.
    G.BmpPath = "/pics";
    G.EasternMines = 0;
    G.MetricUnits = -1;
    EXPECT_EQ(SaveBmpPath(), "");
    EXPECT_EQ(Slurp(at(kBmpPathFile)), "/pics\r\n1,1\r\n");
    G.BmpPath = "/pics/\xE4\xB8\xAD";
    EXPECT_NE(SaveBmpPath(), "");
    EXPECT_EQ(Slurp(at(kBmpPathFile)), "/pics\r\n1,1\r\n");
    G.AppPath = at("missing");
    EXPECT_EQ(ReadBmpPath(), -1);  // the missing file cannot be created
}

TEST_F(DataFiles, DefaultNameIsTheWholeLineAndAMissingOneBecomesABlank)
{
    Put(at(kDefNameFile), "  Mine No. 4, North Portal  \r\nsecond line\r\n");
    ReadDefName();
    EXPECT_EQ(G.DefProjName, "  Mine No. 4, North Portal  ");
    EXPECT_EQ(G.ProjName, G.DefProjName);
    EXPECT_EQ(SaveDefName("Test Mine"), "");
    EXPECT_EQ(Slurp(at(kDefNameFile)), "Test Mine\r\n");

    for (bool exists : {true, false}) {
        fs::remove(at(kDefNameFile));
        if (exists)
            Put(at(kDefNameFile), "");
        G.ProjName = "old";
        ReadDefName();
        EXPECT_EQ(std::make_pair(G.DefProjName, G.ProjName), std::make_pair(std::string(" "), std::string(" ")));
        EXPECT_EQ(Slurp(at(kDefNameFile)), " \r\n");
    }
}
