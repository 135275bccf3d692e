// The comparison's table and summary: the text files byte for byte against
// hand-checked files, the clipboard text with the same content, the column
// order and the best values, the warnings section, the renderings that stop,
// and values from damaged records.
#include "compare_fixture.h"
#include "core_helpers.h"
#include "files/comparetext.h"
#include "model/compare/comparedoc.h"
#include "model/encoding.h"

#include <locale>
#include <sstream>

namespace vesk {
namespace {

const fs::path kGolden = fs::path(__FILE__).parent_path() / "golden";

// Numbers written with a decimal comma by the global locale while it lives.
struct CommaLocale {
    struct Comma : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    std::locale old = std::locale::global(std::locale(std::locale::classic(), new Comma));
    ~CommaLocale() { std::locale::global(old); }
};

// The clipboard text that a text file stands for: fields unquoted and joined
// by tabs, the header's empty line (the third) left out.
std::string ClipFromFile(const std::string& bytes)
{
    std::istringstream in(Cp1252ToUtf8(bytes));
    std::string clip, line;
    for (int n = 0; std::getline(in, line); ++n) {
        line.pop_back();  // the CR
        if (n == 2 && line.empty())
            continue;
        bool quoted = false;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"')
                clip += line[++i];
            else if (line[i] == '"')
                quoted = !quoted;
            else
                clip += line[i] == ',' && !quoted ? '\t' : line[i];
        }
        clip += "\r\n";
    }
    return clip;
}

TEST_F(CompareProject, TextFilesAndClipboardMatchTheCheckedFilesInBothUnitSystems)
{
    CommaLocale comma;
    for (const std::string units : {"english", "metric"}) {
        G.MetricUnits = units == "metric" ? -1 : 0;
        for (const auto& [kind, doc] : {std::pair{"table", BuildTableDoc(1)}, {"summary", BuildSummaryDoc(1)}}) {
            SCOPED_TRACE(kind + (" " + units));
            const std::string want = Slurp(kGolden / ("compare_" + std::string(kind) + "_" + units + ".txt"));
            ASSERT_FALSE(want.empty());
            EXPECT_EQ(CompareTextBytes(doc), want);
            EXPECT_EQ(CompareClipText(doc), ClipFromFile(want));
        }
    }
}

TEST_F(CompareProject, BaseSupportLeadsAndTiesAndBoldAreJudgedAgain)
{
    // The fewest rows, the largest unit load, the cheapest; install time and
    // rate tie between supports 2 and 3, and the leftmost wins.
    const auto best = [](const CompareDoc& d) {
        return std::vector<int>{d.bestCol[2], d.bestCol[3], d.bestCol[6], d.bestCol[14], d.bestCol[15]};
    };
    EXPECT_EQ(best(BuildTableDoc(1)), (std::vector<int>{3, 3, 2, 2, 2}));
    // The highest safety factor is best: the donut crib's 2.1, not the engineered crib's 1.05.
    EXPECT_EQ(BuildTableDoc(1).bestCol[31], 3);
    // The most supports a car is best: the post's 40, not the donut crib's 6.
    EXPECT_EQ(BuildTableDoc(1).bestCol[22], 2);

    const CompareDoc d = BuildTableDoc(3);
    EXPECT_EQ(d.colCase, (ColumnOrder{0, 3, 1, 2, 4, 5, 6, 7, 0, 0, 0}));
    EXPECT_EQ(d.text[0][1], "Base support");
    EXPECT_EQ(d.text[0][2], "Support 1");
    EXPECT_EQ(d.text[1][1], "72.0");
    EXPECT_EQ(best(d), (std::vector<int>{1, 1, 3, 1, 1}));
    EXPECT_EQ(d.items[4].text, "Support 1 - Wood crib 6x6");
    EXPECT_TRUE(d.items[4].rightHalf && !d.items[5].rightHalf);

    // One support: no bold anywhere.
    G.NumCases = 1;
    const CompareDoc one = BuildTableDoc(1);
    for (int row = 0; row <= kTableRows; ++row)
        EXPECT_FALSE(one.isBest(row, 1)) << row;
}

// The lines of the table's Warnings section.
std::vector<std::string> WarningsSection()
{
    const std::vector<std::string> lines = CompareTextLines(BuildTableDoc(1));
    const auto from = std::find(lines.begin(), lines.end(), "\"Warnings\"") + 1;
    return {from, std::find(from, lines.end(), "")};
}

TEST_F(CompareProject, WarningsSectionShowsNoneOrOnlyTheRowsOfWarningsThatOccur)
{
    for (int k = 1; k <= G.NumCases; ++k)
        G.Cases[k].Warn = {};
    EXPECT_EQ(WarningsSection(), std::vector<std::string>{"\"None\""});
    // A post failing by buckling has no warning row, and it is not "None" either.
    G.Cases[2].Warn[7] = -1;
    EXPECT_TRUE(WarningsSection().empty());
    // Only a cable bolt unavailable in the region: its row, with X for it alone.
    G.Cases[6].Warn[10] = -1;
    EXPECT_EQ(WarningsSection(), std::vector<std::string>{"\"Not available in eastern U.S.\",-,-,-,-,-,X,-"});
    // Too much displacement, on a cable bolt alone: its row counts every support.
    G.Cases[6].Warn[10] = 0;
    G.Cases[5].Warn[4] = -1;
    EXPECT_EQ(WarningsSection(), std::vector<std::string>{"\"Exceeds design conv/disp\",-,-,-,-,X,-,-"});
}

TEST_F(CompareProject, InvalidSpacingOrRowsStopTheTableAndTheSummaryResetsRows)
{
    G.Cases[2].Spacing = 0;
    G.Cases[3].Rows = 0;
    CompareDoc d = BuildTableDoc(1);
    EXPECT_EQ(d.abortMessage, "Support 1 spacing invalid");
    EXPECT_TRUE(d.items.empty());
    EXPECT_EQ(BuildTableDoc(3).abortMessage, "No. rows for support 0 are invalid");

    G.Cases[2].Spacing = 48;
    G.Cases[5].Rows = -2;
    d = BuildSummaryDoc(3);
    EXPECT_EQ(d.notices, (std::vector<std::string>{"Invalid no. rows for base support\nNo. rows reset to 1",
                                                   "Invalid no. rows for support 4\nNo. rows reset to 1"}));
    EXPECT_EQ(d.items[17].text, "Spacing: 72.0 in, No. rows: 1, Convergence: 1.60 in, Load: 67.5 tons, Cost: $ 210, "
                                "Time: 30.0 min");
    EXPECT_EQ(G.Cases[3].Rows, 0);
}

TEST_F(CompareProject, DamagedCodesShowNothingAfterTheLabel)
{
    G.Cases[3].Interlayer = 5;
    G.Cases[4].SizeIdx = 2;   // the type has two models
    G.Cases[6].SizeIdx = 25;  // beyond the arrangement texts too
    G.Cases[7].Interlayer = -1;
    EXPECT_EQ(BuildTableDoc(1).text[2][6], "");
    const std::vector<std::string> lines = CompareTextLines(BuildSummaryDoc(1));
    auto has = [&](const std::string& s) { return std::count(lines.begin(), lines.end(), "\"" + s + "\""); };
    EXPECT_EQ(has("Wood interlayer condition: "), 2);
    EXPECT_EQ(has("Model: "), 1);
    EXPECT_EQ(has("Model: , uncoated, 8-in plate, Preload: 8.00 tons"), 1);
}

TEST_F(CompareProject, CriteriaShowOnlyTheGroupsDefined)
{
    G.DesignCrit.Basis = 0;
    G.DesignCrit.UncontrolledConv = 0;
    G.NumCases = 4;  // standing supports only: their group under a plain heading
    std::vector<std::string> lines = CompareTextLines(BuildSummaryDoc(1));
    EXPECT_EQ(lines[3], "\"Design Criteria\"");
    EXPECT_EQ(lines[5], "\"Load basis: Detached block\"");
    EXPECT_EQ(lines[6], "\"Failure height: 0 ft, Roof density: 0 lb/ft³, Failure type: shear, Yield zone width: 0 ft\"");
    EXPECT_EQ(lines[8], "\"Uncontrolled convergence: 0 in\"");
    EXPECT_EQ(lines[9].substr(0, 14), "\"Entry height:");

    G.Cases[1] = G.Cases[5];
    G.CaseType[1] = 8;
    G.NumCases = 1;  // one cable bolt
    lines = CompareTextLines(BuildSummaryDoc(1));
    EXPECT_EQ(lines[3], "\"Design Criteria\"");
    EXPECT_EQ(lines[4], "\"Required support load density: 8.50 tons/ft of entry at design displacement: 0.750 in\"");
}

TEST_F(CompareProject, TextFileIsSavedWholeOrNotAtAll)
{
    char tmpl[] = "/tmp/vesk-compare-XXXXXX";
    const fs::path file = fs::path(::mkdtemp(tmpl)) / "t.txt";
    const CompareDoc d = BuildTableDoc(1);
    std::string why;
    ASSERT_TRUE(SaveCompareText(file.string(), d, &why)) << why;

    // A name the file's character set cannot hold: nothing is written.
    G.CaseName[2] = "Post \u2713";
    const CompareDoc bad = BuildTableDoc(1);
    EXPECT_EQ(CompareTextBytes(bad), "");
    EXPECT_FALSE(SaveCompareText(file.string(), bad, &why));
    EXPECT_FALSE(why.empty());
    EXPECT_EQ(Slurp(file), CompareTextBytes(d));
    fs::remove_all(file.parent_path());
}

}  // namespace
}  // namespace vesk
