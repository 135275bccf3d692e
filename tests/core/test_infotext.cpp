// The information texts: sections of consider.txt and mfg.txt, and the wrapping of the considerations.
#include "core_helpers.h"
#include "files/infotext.h"

using namespace vesk;

namespace {

using Lines = std::vector<std::string>;

std::string Chars(std::size_t n, char c = 'x') { return std::string(n, c); }

}  // namespace

TEST(InfoText, WrapsAtFiftyAfterTheLastBlankThatFits)
{
    const std::string fifty = Chars(49) + ".";
    EXPECT_EQ(WrapInfoLine(fifty), Lines({fifty}));
    // 51 characters: the 51st goes to the second line, whether the first piece ends at a blank or is cut.
    EXPECT_EQ(WrapInfoLine(Chars(51)), Lines({Chars(50), "x"}));
    EXPECT_EQ(WrapInfoLine(Chars(49) + " y"), Lines({Chars(49) + " ", "y"}));
    // The blank stays at the end of its piece; a line starting with a letter gets no indent.
    EXPECT_EQ(WrapInfoLine("Crib " + Chars(40) + " " + Chars(10)), Lines({"Crib " + Chars(40) + " ", Chars(10)}));
    // A line starting with anything but a letter: continuations indented by three blanks, 47 characters of
    // the line each, cut hard inside a word without blanks.
    const Lines dash = WrapInfoLine("- " + Chars(40) + " " + Chars(60, 'y'));
    EXPECT_EQ(dash, Lines({"- " + Chars(40) + " ", "   " + Chars(47, 'y'), "   " + Chars(13, 'y')}));
    const Lines digits = WrapInfoLine("1 " + Chars(45) + " " + Chars(20, 'z') + " " + Chars(30, 'w'));
    EXPECT_EQ(digits, Lines({"1 " + Chars(45) + " ", "   " + Chars(20, 'z') + " ", "   " + Chars(30, 'w')}));
    // Characters, not bytes, are counted.
    const std::string accented = "\xC3\xA9" + Chars(50);  // é and 50 x: 51 characters
    EXPECT_EQ(WrapInfoLine(accented), Lines({"\xC3\xA9" + Chars(49), "   x"}));
}

TEST(InfoText, TheFirstSectionOfTheWantedNumber)
{
    const std::string consider = "Preface\r\n~1 Wood\r\none\r\n\r\n~\r\n~ 2x Posts\r\ntwo\r\n~2\r\nagain\r\n~ab\r\nzero\r\n";
    EXPECT_EQ(InfoSection(consider, 1, HeadingNumber::Leading), Lines({"one", "", "~"}));
    EXPECT_EQ(InfoSection(consider, 2, HeadingNumber::Leading), Lines({"two"}));
    EXPECT_EQ(InfoSection(consider, 0, HeadingNumber::Leading), Lines({"zero"}));  // no number reads as 0
    EXPECT_TRUE(InfoSection(consider, 3, HeadingNumber::Leading).empty());
    // Only the three characters after "~" count; 2.5 rounds to even.
    EXPECT_EQ(InfoSection("~1234\nA\n~2.5\nB\n", 123, HeadingNumber::Leading), Lines({"A"}));
    EXPECT_EQ(InfoSection("~1234\nA\n~2.5\nB\n", 2, HeadingNumber::Leading), Lines({"B"}));
    // Windows-1252 text comes back as UTF-8.
    EXPECT_EQ(InfoSection("~1\n\xB0 F\n", 1, HeadingNumber::Leading), Lines({"\xC2\xB0 F"}));
}

// In mfg.txt a heading must be a number: one that is not is skipped with its body, and the reading goes on
// to the wanted section.
TEST(InfoText, ManufacturerHeadingsThatAreNoNumberAreSkipped)
{
    const std::string mfg = "~x1\r\nnot this\r\n~7a\r\nnor this\r\n~ 7 \r\nSupplier\r\n\r\n  contact\r\n~8\r\nnext\r\n";
    EXPECT_EQ(InfoSection(mfg, 7, HeadingNumber::Whole), Lines({"Supplier", "", "  contact"}));
    EXPECT_EQ(InfoSection(mfg, 8, HeadingNumber::Whole), Lines({"next"}));
    // The same heading in consider.txt is section 7.
    EXPECT_EQ(InfoSection(mfg, 7, HeadingNumber::Leading), Lines({"nor this"}));
}

class InfoFiles : public ScratchFolder {};

TEST_F(InfoFiles, SectionsOfTheProgramFolderAndMissingFilesGiveNothing)
{
    EXPECT_TRUE(ReadConsiderations(1).empty());
    EXPECT_TRUE(ReadManufacturers(1).empty());
    Put(at("consider.txt"), "~1\r\n- " + Chars(30) + " " + Chars(30) + "\r\n~2\r\n");
    Put(at("mfg.txt"), "~1\r\nSupplier\r\n");
    EXPECT_EQ(ReadConsiderations(1), Lines({"- " + Chars(30) + " ", "   " + Chars(30)}));
    EXPECT_EQ(ReadManufacturers(1), Lines({"Supplier"}));
}
