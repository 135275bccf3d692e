#include "model/binstream.h"

#include "model/encoding.h"

#include <bit>

namespace vesk {

static_assert(std::endian::native == std::endian::little, "files are little-endian");

void BinReader::need(std::size_t n) const
{
    if (n > remaining())
        throw ReadError("The file ends too soon: it is cut short or not a file of this kind.");
}

void BinReader::rawBytes(void* dst, std::size_t n)
{
    need(n);
    std::memcpy(dst, data_.data() + pos_, n);
    pos_ += n;
}

void BinReader::i16(int16_t& v) { rawBytes(&v, 2); }

void BinReader::f32(float& v) { rawBytes(&v, 4); }

void BinReader::fixedStr(std::string& v, std::size_t n)
{
    need(n);
    v = Cp1252ToUtf8(data_.substr(pos_, n));
    pos_ += n;
}

void BinReader::countedStr(std::string& v)
{
    int16_t len;
    i16(len);
    if (len < 0)
        throw ReadError("A text in the file has a negative length: the file is damaged.");
    need(static_cast<std::size_t>(len));
    v = Cp1252ToUtf8(data_.substr(pos_, static_cast<std::size_t>(len)));
    pos_ += static_cast<std::size_t>(len);
}

void BinWriter::i16(const int16_t& v) { buf_.append(reinterpret_cast<const char*>(&v), 2); }

void BinWriter::f32(const float& v) { buf_.append(reinterpret_cast<const char*>(&v), 4); }

static std::string encode(const std::string& v)
{
    auto bytes = Utf8ToCp1252(v);
    if (!bytes)
        throw WriteError("The text \"" + v + "\" holds characters that the file's character set cannot store.");
    return *bytes;
}

void BinWriter::fixedStr(const std::string& v, std::size_t n)
{
    std::string b = encode(v);
    b.resize(n, ' ');
    buf_ += b;
}

void BinWriter::countedStr(const std::string& v)
{
    std::string b = encode(v);
    if (b.size() > 32767)
        throw WriteError("A text is longer than the file can hold.");
    i16(static_cast<int16_t>(b.size()));
    buf_ += b;
}

}  // namespace vesk
