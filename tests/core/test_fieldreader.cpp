// The sequential field reader and the text file writer under every data file.
#include "shell/io/fieldreader.h"
#include "shell/io/textfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace vesk;
namespace fs = std::filesystem;

TEST(FieldReader, FieldsEndAtCommasBlanksAndAnyLineEnd)
{
    FieldReader rd("1, 2 3\r\n4,5\n  6\r7");
    for (double want : {1, 2, 3, 4, 5, 6})
        EXPECT_EQ(rd.number(), want);
    EXPECT_EQ(rd.lineNo(), 4);
    EXPECT_EQ(rd.number(), 7);  // the last line needs no line end
    EXPECT_TRUE(rd.atEnd());
    EXPECT_THROW(rd.number(), ReadError);
}

TEST(FieldReader, LinesAreWholeDecodedAndFollowTheLastField)
{
    // 0x80 is the euro sign and 0xE9 e-acute in Windows-1252.
    FieldReader rd(std::string("Caf\xE9, \"a\" \r\n\r\n2.5,pic1.bmp\r\n3.5\r\npic2.bmp\r\n"));
    EXPECT_EQ(rd.line(), "Caf\xC3\xA9, \"a\" ");
    EXPECT_EQ(rd.line(), "");
    // A photo step: its file stands after the comma, or on the next line.
    EXPECT_EQ(rd.number(), 2.5);
    EXPECT_EQ(rd.line(), "pic1.bmp");
    EXPECT_EQ(rd.number(), 3.5);
    EXPECT_EQ(rd.line(), "pic2.bmp");
    EXPECT_THROW(rd.line(), ReadError);  // no phantom line after the last line end
}

TEST(FieldReader, TextsQuotedOrNot)
{
    FieldReader rd("7, \"Cribs, wood\" , plain text  ,\"\"\r\n\"open\r\nx");
    EXPECT_EQ(rd.integer(), 7);
    EXPECT_EQ(rd.text(), "Cribs, wood");
    EXPECT_EQ(rd.text(), "plain text");
    EXPECT_EQ(rd.text(), "");
    EXPECT_EQ(rd.text(), "open");  // an unclosed quote ends with its line
    EXPECT_EQ(rd.text(), "x");
    FieldReader bad("\"quoted\" tail\r\n");
    EXPECT_THROW(bad.text(), ReadError);
}

TEST(FieldReader, NumbersAreStrictAndWithinTheirTypes)
{
    for (const char* text : {"", "\r\n", ",1", "abc", "12a", "inf", "0x10", "\"5\"", "1e999"}) {
        FieldReader rd(text);
        EXPECT_THROW(rd.number(), ReadError) << '"' << text << '"';
    }
    FieldReader rd("32767, -32768, 2.5, 3.5, 3.4e38,,");
    EXPECT_EQ(rd.integer(), 32767);
    EXPECT_EQ(rd.integer(), -32768);
    EXPECT_EQ(rd.integer(), 2);  // halves to even
    EXPECT_EQ(rd.integer(), 4);
    EXPECT_EQ(rd.single(), 3.4e38f);
    EXPECT_THROW(rd.number(), ReadError);  // an empty field is no number
    for (const char* text : {"32768", "-32769", "1e10"}) {
        FieldReader r(text);
        EXPECT_THROW(r.integer(), ReadError) << text;
    }
    FieldReader big("3.5e38");
    EXPECT_THROW(big.single(), ReadError);
}

TEST(FieldReader, EndLineRefusesLeftoverValues)
{
    FieldReader ok("1, 2,  \r\n3\r\n");
    ok.number();
    ok.number();
    ok.endLine();  // a trailing comma and blanks
    EXPECT_EQ(ok.number(), 3);
    ok.endLine();  // the line end went with the field: nothing to do
    EXPECT_TRUE(ok.atEnd());
    for (const char* text : {"1, 2, 3\r\n", "1 2 3\r\n"}) {
        FieldReader rd(text);
        rd.number();
        rd.number();
        EXPECT_THROW(rd.endLine(), ReadError) << text;
    }
}

TEST(TextFile, WritesWindows1252WithCrLfAndKeepsTheOldFileOnFailure)
{
    fs::path dir = fs::temp_directory_path() / ("vesk-textfile-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string path = (dir / "a.txt").string();
    auto bytes = [&] {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    };
    EXPECT_EQ(WriteTextFile(path, {"Caf\xC3\xA9 5 \xE2\x82\xAC", ""}), "");
    EXPECT_EQ(bytes(), "Caf\xE9 5 \x80\r\n\r\n");
    EXPECT_NE(WriteTextFile(path, {"\xE4\xB8\xAD"}), "");  // no such character in the code page
    EXPECT_NE(WriteTextFile((dir / "none" / "a.txt").string(), {"x"}), "");
    EXPECT_EQ(bytes(), "Caf\xE9 5 \x80\r\n\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1) << "a temporary file was left";
    EXPECT_EQ(ReadFileBytes((dir / "none.txt").string()).status, FileStatus::NotFound);
    EXPECT_EQ(ReadFileBytes(dir.string()).status, FileStatus::Error);
    fs::remove_all(dir);
}
