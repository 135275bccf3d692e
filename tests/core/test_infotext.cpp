// The information texts: sections of consider.txt and mfg.txt, and the wrapping of the considerations.
#include "core_helpers.h"
#include "files/infotext.h"

using namespace vesk;

namespace {
using Lines = std::vector<std::string>;
std::string X(std::size_t n, char c = 'x') { return std::string(n, c); }
}  // namespace

TEST(InfoText, WrapsAtFiftyAfterTheLastBlankThatFits)
{
    EXPECT_EQ(WrapInfoLine(X(50)), Lines({X(50)}));
    EXPECT_EQ(WrapInfoLine(X(51)), Lines({X(50), "x"}));
    // A line starting with a letter: no indent, the blank ending its piece.
    EXPECT_EQ(WrapInfoLine("Crib " + X(40) + " " + X(10)), Lines({"Crib " + X(40) + " ", X(10)}));
    // Else continuations indented by three blanks, 47 characters of the line each, cut hard without a blank.
    EXPECT_EQ(WrapInfoLine("1 " + X(40) + " " + X(60, 'y')),
              Lines({"1 " + X(40) + " ", "   " + X(47, 'y'), "   " + X(13, 'y')}));
    // Characters, not bytes, are counted: é and 50 x.
    EXPECT_EQ(WrapInfoLine("\xC3\xA9" + X(50)), Lines({"\xC3\xA9" + X(49), "   x"}));
}

TEST(InfoText, TheFirstSectionOfTheWantedNumber)
{
    const std::string consider = "Top\r\n~1 Wood\r\none\r\n\r\n~\r\n~ 2x Posts\r\ntwo\r\n~2\r\nagain\r\n~ab\nzero\n";
    EXPECT_EQ(InfoSection(consider, 1, HeadingNumber::Leading), Lines({"one", "", "~"}));
    EXPECT_EQ(InfoSection(consider, 2, HeadingNumber::Leading), Lines({"two"}));
    EXPECT_EQ(InfoSection(consider, 0, HeadingNumber::Leading), Lines({"zero"}));  // no number reads as 0
    EXPECT_TRUE(InfoSection(consider, 3, HeadingNumber::Leading).empty());
    // Only the three characters after "~" count; 2.5 rounds to even; Windows-1252 comes back as UTF-8.
    const std::string digits = "~1234\nA\n~2.5\n\xB0 F\n";
    EXPECT_EQ(InfoSection(digits, 123, HeadingNumber::Leading), Lines({"A"}));
    EXPECT_EQ(InfoSection(digits, 2, HeadingNumber::Leading), Lines({"\xC2\xB0 F"}));
}

// In mfg.txt a heading that is no number is skipped with its body, and the reading goes on.
TEST(InfoText, ManufacturerHeadingsThatAreNoNumberAreSkipped)
{
    const std::string mfg = "~x1\r\nnot this\r\n~7a\r\nnor this\r\n~ 7 \r\nSupplier\r\n\r\n  contact\r\n~8\r\nnext\r\n";
    EXPECT_EQ(InfoSection(mfg, 7, HeadingNumber::Whole), Lines({"Supplier", "", "  contact"}));
    EXPECT_EQ(InfoSection(mfg, 7, HeadingNumber::Leading), Lines({"nor this"}));  // as consider.txt reads it
}

class InfoFiles : public ScratchFolder {};

TEST_F(InfoFiles, SectionsOfTheProgramFolderAndMissingFilesGiveNothing)
{
    EXPECT_TRUE(ReadConsiderations(1).empty());
    EXPECT_TRUE(ReadManufacturers(1).empty());
    Put(at("consider.txt"), "~1\r\n- " + X(30) + " " + X(30) + "\r\n~2\r\n");
    Put(at("mfg.txt"), "~1\r\nSupplier\r\n");
    EXPECT_EQ(ReadConsiderations(1), Lines({"- " + X(30) + " ", "   " + X(30)}));
    EXPECT_EQ(ReadManufacturers(1), Lines({"Supplier"}));
}
