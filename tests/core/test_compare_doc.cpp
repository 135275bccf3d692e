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

namespace vesk {
namespace {

const fs::path kGolden = fs::path(__FILE__).parent_path() / "golden";

// A locale that writes numbers with a decimal comma, in force while it lives.
class CommaLocale {
public:
    CommaLocale() : old_(std::locale::global(std::locale(std::locale::classic(), new Comma))) {}
    ~CommaLocale() { std::locale::global(old_); }

private:
    struct Comma : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    std::locale old_;
};

// The clipboard text that a text file stands for: fields unquoted and joined
// by tabs, the header's empty line left out.
std::string ClipFromFile(const std::string& bytes)
{
    std::string clip;
    std::size_t line = 0, pos = 0;
    while (pos < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", pos);
        const std::string text = Cp1252ToUtf8(bytes.substr(pos, end - pos));
        pos = end + 2;
        if (line++ == 2 && text.empty())
            continue;
        std::string fields;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == ',') {
                fields += '\t';
            } else if (text[i] == '"') {
                for (++i; i < text.size() && !(text[i] == '"' && (i + 1 == text.size() || text[i + 1] != '"')); ++i)
                    fields += text[i] == '"' ? text[++i] : text[i];
            } else {
                fields += text[i];
            }
        }
        clip += fields + "\r\n";
    }
    return clip;
}

TEST_F(CompareProject, TextFilesAndClipboardMatchTheCheckedFilesInBothUnitSystems)
{
    CommaLocale comma;
    for (const char* units : {"english", "metric"}) {
        SCOPED_TRACE(units);
        G.MetricUnits = std::string(units) == "metric" ? -1 : 0;
        const CompareDoc table = BuildTableDoc(1), summary = BuildSummaryDoc(1);
        const std::string wantTable = Slurp(kGolden / ("compare_table_" + std::string(units) + ".txt"));
        const std::string wantSummary = Slurp(kGolden / ("compare_summary_" + std::string(units) + ".txt"));
        ASSERT_FALSE(wantTable.empty());
        EXPECT_EQ(CompareTextBytes(table), wantTable);
        EXPECT_EQ(CompareTextBytes(summary), wantSummary);
        EXPECT_EQ(CompareClipText(table), ClipFromFile(wantTable));
        EXPECT_EQ(CompareClipText(summary), ClipFromFile(wantSummary));
        EXPECT_TRUE(summary.notices.empty());
    }
}

TEST_F(CompareProject, BaseSupportLeadsAndTiesAndBoldAreJudgedAgain)
{
    const CompareDoc first = BuildTableDoc(1);
    // Install time 30 min and 16 supports/shift: supports 2 and 3 tie; the leftmost wins.
    EXPECT_EQ(first.bestCol[14], 2);
    EXPECT_EQ(first.bestCol[15], 2);
    EXPECT_EQ(first.bestCol[2], 3);  // the fewest rows
    EXPECT_EQ(first.bestCol[3], 3);  // the largest unit load
    EXPECT_EQ(first.bestCol[6], 2);  // the cheapest

    const CompareDoc d = BuildTableDoc(3);
    EXPECT_EQ(d.colCase, (ColumnOrder{0, 3, 1, 2, 4, 5, 6, 7, 0, 0, 0}));
    EXPECT_EQ(d.text[0][1], "Base support");
    EXPECT_EQ(d.text[0][2], "Support 1");
    EXPECT_EQ(d.text[1][1], "72.0");
    EXPECT_EQ(d.text[1][2], "60.0");
    EXPECT_TRUE(d.isBest(14, 1));
    EXPECT_TRUE(d.isBest(15, 1));
    EXPECT_FALSE(d.isBest(14, 3));
    EXPECT_TRUE(d.isBest(6, 3));
    EXPECT_EQ(d.items[3].text, "Base support - Donut crib");
    EXPECT_EQ(d.items[4].text, "Support 1 - Wood crib 6x6");
    EXPECT_TRUE(d.items[4].rightHalf);
    EXPECT_FALSE(d.items[5].rightHalf);
    EXPECT_EQ(BuildSummaryDoc(3).items[16].text, "Base support - Donut crib");

    // One support: no bold anywhere.
    G.NumCases = 1;
    const CompareDoc one = BuildTableDoc(1);
    for (int row = 0; row <= kTableRows; ++row)
        EXPECT_FALSE(one.isBest(row, 1)) << row;
    EXPECT_EQ(one.numColumns, 1);
}

// The lines of the Warnings section, up to the empty line that ends it.
std::vector<std::string> WarningsSection(const CompareDoc& d)
{
    std::vector<std::string> out;
    auto it = std::find_if(d.items.begin(), d.items.end(), [](const DocItem& i) { return i.text == "Warnings"; });
    for (++it; it != d.items.end() && !(it->kind == DocItem::Line && it->text.empty()); ++it)
        out.push_back(it->kind == DocItem::Row ? d.text[static_cast<std::size_t>(it->row)][0] : it->text);
    return out;
}

TEST_F(CompareProject, WarningsSectionShowsNoneOrOnlyTheRowsOfWarningsThatOccur)
{
    for (int k = 1; k <= G.NumCases; ++k)
        G.Cases[k].Warn = {};
    EXPECT_EQ(WarningsSection(BuildTableDoc(1)), std::vector<std::string>{"None"});

    // A post failing by buckling has no warning row, and it is not "None" either.
    G.Cases[2].Warn[7] = -1;
    EXPECT_TRUE(WarningsSection(BuildTableDoc(1)).empty());

    // Only a cable bolt unavailable in the region: its row, with X for it alone.
    G.Cases[2].Warn[7] = 0;
    G.Cases[6].Warn[10] = -1;
    const CompareDoc d = BuildTableDoc(1);
    EXPECT_EQ(WarningsSection(d), std::vector<std::string>{"Not available in eastern U.S."});
    EXPECT_EQ(d.text[33][6], "X");
    EXPECT_EQ(d.text[33][3], "-");
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
    const CompareDoc table = BuildTableDoc(1);
    EXPECT_EQ(table.text[2][6], "");
    const std::vector<std::string> lines = CompareTextLines(BuildSummaryDoc(1));
    auto has = [&](const std::string& s) { return std::count(lines.begin(), lines.end(), "\"" + s + "\""); };
    EXPECT_EQ(has("Wood interlayer condition: "), 2);
    EXPECT_EQ(has("Model: "), 1);
    EXPECT_EQ(has("Model: , uncoated, 8-in plate, Preload: 8.00 tons"), 1);
    EXPECT_EQ(has("No. cable bolts: 4 , No. cable sets/bolt set: 2, Bolt spacing: 5.00 ft"), 1);
}

TEST_F(CompareProject, CriteriaHeadingsFollowTheGroupsDefined)
{
    auto headings = [] {
        std::vector<std::string> out;
        for (const DocItem& i : BuildSummaryDoc(1).items)
            if (i.style == kHeading)
                out.push_back(i.text);
        return out;
    };
    G.DesignCrit.Basis = 0;
    G.DesignCrit.UncontrolledConv = 0;
    G.NumCases = 4;  // standing supports only
    EXPECT_EQ(headings(), std::vector<std::string>{"Design Criteria"});
    const std::vector<std::string> lines = CompareTextLines(BuildSummaryDoc(1));
    EXPECT_EQ(lines[5], "\"Load basis: Detached block\"");
    EXPECT_EQ(lines[6], "\"Failure height: 0 ft, Roof density: 0 lb/ft³, Failure type: shear, Yield zone width: 0 ft\"");
    EXPECT_EQ(lines[8], "\"Uncontrolled convergence: 0 in\"");

    G.Cases[1] = G.Cases[5];
    G.CaseType[1] = 8;
    G.NumCases = 1;  // one cable bolt
    EXPECT_EQ(headings(), std::vector<std::string>{"Design Criteria"});
    EXPECT_EQ(CompareTextLines(BuildSummaryDoc(1))[4], "\"Required support load density: 8.50 tons/ft of entry at "
                                                       "design displacement: 0.750 in\"");
}

TEST_F(CompareProject, TextFileIsSavedWholeOrNotAtAll)
{
    char tmpl[] = "/tmp/vesk-compare-XXXXXX";
    const fs::path dir = ::mkdtemp(tmpl);
    const CompareDoc d = BuildTableDoc(1);
    std::string why;
    ASSERT_TRUE(SaveCompareText((dir / "t.txt").string(), d, &why)) << why;
    EXPECT_EQ(Slurp(dir / "t.txt"), CompareTextBytes(d));
    EXPECT_FALSE(SaveCompareText((dir / "no" / "t.txt").string(), d, &why));
    EXPECT_FALSE(why.empty());

    // A name the file's character set cannot hold: nothing is written.
    G.CaseName[2] = "Post \u2713";
    const CompareDoc bad = BuildTableDoc(1);
    EXPECT_EQ(CompareTextBytes(bad), "");
    EXPECT_FALSE(SaveCompareText((dir / "t.txt").string(), bad, &why));
    EXPECT_EQ(Slurp(dir / "t.txt"), CompareTextBytes(d));
    fs::remove_all(dir);
}

}  // namespace
}  // namespace vesk
