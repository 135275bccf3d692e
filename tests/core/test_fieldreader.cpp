// The sequential field reader and the text file writer under every data file.
#include "core_helpers.h"
#include "files/fieldreader.h"
#include "files/textfile.h"

using namespace vesk;

TEST(FieldReader, FieldsEndAtCommasBlanksAndAnyLineEndLinesAreWholeAndDecoded)
{
    FieldReader rd("1, 2 3\r\n4,5\n  6\r7");
    for (double want : {1, 2, 3, 4, 5, 6})
        EXPECT_EQ(rd.number(), want);
    EXPECT_EQ(rd.lineNo(), 4);
    EXPECT_EQ(rd.number(), 7);  // the last line needs no line end
    EXPECT_TRUE(rd.atEnd());
    EXPECT_THROW(rd.number(), ReadError);

    // 0xE9 is e-acute in Windows-1252. A photo step's file stands after the comma, or on the next line.
    FieldReader lines(std::string("Caf\xE9, \"a\" \r\n\r\n2.5,pic1.bmp\r\n3.5\r\npic2.bmp\r\n"));
    EXPECT_EQ(lines.line(), "Caf\xC3\xA9, \"a\" ");
    EXPECT_EQ(lines.line(), "");
    EXPECT_EQ(lines.number(), 2.5);
    EXPECT_EQ(lines.line(), "pic1.bmp");
    EXPECT_EQ(lines.number(), 3.5);
    EXPECT_EQ(lines.line(), "pic2.bmp");
    EXPECT_THROW(lines.line(), ReadError);  // no phantom line after the last line end

    // A byte-order mark before the first field or line is no part of it.
    EXPECT_EQ(FieldReader("\xEF\xBB\xBFNorth Portal\r\n").line(), "North Portal");
    EXPECT_EQ(FieldReader("\xEF\xBB\xBF" "12,3").integer(), 12);
}

TEST(FieldReader, TextsQuotedOrNot)
{
    FieldReader rd("7, \"Cribs, wood\" , plain text  ,\"\"\r\n\"open\r\nx");
    EXPECT_EQ(rd.integer(), 7);
    for (const char* want : {"Cribs, wood", "plain text", "", "open", "x"})  // an unclosed quote ends with its line
        EXPECT_EQ(rd.text(), want);
    FieldReader bad("\"quoted\" tail\r\n");
    EXPECT_THROW(bad.text(), ReadError);
}

TEST(FieldReader, NumbersAreStrictAndWithinTheirTypesEndLineRefusesLeftovers)
{
    for (const char* text : {"", "\r\n", ",1", "abc", "12a", "inf", "0x10", "\"5\"", "1e999"}) {
        FieldReader rd(text);
        EXPECT_THROW(rd.number(), ReadError) << '"' << text << '"';
    }
    FieldReader rd("32767, -32768, 2.5, 3.5, 3.4e38,,");
    for (int want : {32767, -32768, 2, 4})  // halves to even
        EXPECT_EQ(rd.integer(), want);
    EXPECT_EQ(rd.single(), 3.4e38f);
    EXPECT_THROW(rd.number(), ReadError);  // an empty field is no number
    for (const char* text : {"32768", "-32769", "1e10"}) {
        FieldReader r(text);
        EXPECT_THROW(r.integer(), ReadError) << text;
    }
    FieldReader big("3.5e38");
    EXPECT_THROW(big.single(), ReadError);

    FieldReader ok("1, 2,  \r\n3\r\n");
    ok.number();
    ok.number();
    ok.endLine();  // a trailing comma and blanks
    EXPECT_EQ(ok.number(), 3);
    ok.endLine();  // the line end went with the field: nothing to do
    EXPECT_TRUE(ok.atEnd());
    for (const char* text : {"1, 2, 3\r\n", "1 2 3\r\n"}) {
        FieldReader r(text);
        r.number();
        r.number();
        EXPECT_THROW(r.endLine(), ReadError) << text;
    }
}

using TextFile = ScratchFolder;

TEST_F(TextFile, WritesWindows1252WithCrLfAndKeepsTheOldFileOnFailure)
{
    const std::string path = at("a.txt");
    EXPECT_EQ(WriteTextFile(path, {"Caf\xC3\xA9 5 \xE2\x82\xAC", ""}), "");
    EXPECT_EQ(Slurp(path), "Caf\xE9 5 \x80\r\n\r\n");
    EXPECT_NE(WriteTextFile(path, {"\xE4\xB8\xAD"}), "");  // no such character in the code page
    EXPECT_NE(WriteTextFile(at("none/a.txt"), {"x"}), "");
    EXPECT_EQ(Slurp(path), "Caf\xE9 5 \x80\r\n\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1) << "a temporary file was left";
    EXPECT_EQ(ReadFileBytes(at("none.txt")).status, FileStatus::NotFound);
    EXPECT_EQ(ReadFileBytes(dir).status, FileStatus::Error);
}
