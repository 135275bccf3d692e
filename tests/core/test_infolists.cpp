// The information lists that the information center reads from config.txt.
#include "model/globals.h"
#include "files/datafiles.h"
#include "files/infolists.h"

#include <gtest/gtest.h>

using namespace vesk;

namespace {

// The six built-in types and a seventh: entry 1 has two figures, entry 7 one
// loading model with two photo steps, the first file name on its
// convergence's line.
std::string InfoConfig(const std::string& entry7Models = "1\r\n3, 2\r\nlink.dat\r\nLink test\r\n"
                                                         "0.5, step1.bmp\r\n1.5\r\nstep2.bmp\r\n")
{
    std::string s = "7\r\n";
    for (int t = 0; t <= 7; ++t) {
        s += "Entry\r\n" + std::to_string(t == 0 ? 0 : t <= 2 ? 1 : t <= 6 ? 2 : 3) + ", \"Type\", \"\"\r\n";
        if (t == 1)
            s += "11, 12, 2, 0\r\nfig1.bmp\r\nFigure one\r\nfig2.bmp\r\nFigure two\r\n";
        else if (t == 7)
            s += "17, 18, 0, " + entry7Models;
        else
            s += "0, 0, 0, 0\r\n";
    }
    return s;
}

}  // namespace

// Entry 1's figures and entry 7's loading model with its photo steps reach the
// lists. A file that ends inside entry 7's model leaves the entries before it
// complete and entry 7 not, though its model count was read.
TEST(InfoLists, FiguresModelsAndPhotosAndTheEntriesReadWhole)
{
    ResetGlobals();
    ASSERT_FALSE(ReadConfigFrom(InfoConfig()));
    ASSERT_TRUE(ReadInfoListsFrom(InfoConfig()).ok);
    EXPECT_EQ(G.InfoTable(1, 0), 11);
    EXPECT_EQ(G.InfoTable(1, 2), 2);
    EXPECT_EQ(G.FigFile[1], "fig2.bmp");
    EXPECT_EQ(G.FigCaption[0], "Figure one");
    EXPECT_EQ(G.InfoTable(7, 4), 1);
    EXPECT_EQ(G.FotoCount(0, 0), 3);
    EXPECT_EQ(G.FotoCount(0, 1), 2);
    EXPECT_EQ(G.FailModelName[0], "Link test");
    EXPECT_EQ(G.FotoConv[1], 1.5f);
    EXPECT_EQ(G.FotoFile[0], "step1.bmp");
    EXPECT_EQ(G.FotoFile[1], "step2.bmp");

    ResetGlobals();
    ASSERT_FALSE(ReadConfigFrom(InfoConfig()));
    const InfoListsRead cut = ReadInfoListsFrom(InfoConfig("1\r\n3, 2\r\nlink.dat\r\n"));
    EXPECT_FALSE(cut.ok);
    EXPECT_TRUE(cut.complete(6));
    EXPECT_FALSE(cut.complete(7));
    EXPECT_EQ(G.InfoTable(7, 4), 1);
    ResetGlobals();
}
