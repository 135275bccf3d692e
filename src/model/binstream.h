// Little-endian binary streams for the program's binary files (project,
// support and curve files). Every count and length is checked against what
// remains; a short or malformed input raises ReadError, never a crash.
//
// BinReader and BinWriter share their method names, so one field list
// (a template over the stream) serves both reading and writing a record.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vesk {

class ReadError : public std::runtime_error {
public:
    explicit ReadError(const std::string& what) : std::runtime_error(what) {}
};

// A text that cannot be written in the file's code page.
class WriteError : public std::runtime_error {
public:
    explicit WriteError(const std::string& what) : std::runtime_error(what) {}
};

class BinReader {
public:
    explicit BinReader(std::string_view data) : data_(data) {}

    static constexpr bool reading = true;

    void i16(int16_t& v);
    void f32(float& v);
    // Fixed text of n bytes, decoded to UTF-8, padding kept.
    void fixedStr(std::string& v, std::size_t n);
    // 16-bit byte count followed by that many bytes, decoded to UTF-8.
    void countedStr(std::string& v);
    template <std::size_t N>
    void raw(std::array<uint8_t, N>& v) { rawBytes(v.data(), N); }
    template <std::size_t N>
    void i16(std::array<int16_t, N>& a) { for (auto& v : a) i16(v); }
    template <std::size_t N>
    void f32(std::array<float, N>& a) { for (auto& v : a) f32(v); }

    int16_t readI16() { int16_t v; i16(v); return v; }
    float readF32() { float v; f32(v); return v; }

    std::size_t pos() const { return pos_; }
    std::size_t remaining() const { return data_.size() - pos_; }
    bool atEnd() const { return pos_ == data_.size(); }

private:
    void need(std::size_t n) const;
    void rawBytes(void* dst, std::size_t n);

    std::string_view data_;
    std::size_t pos_ = 0;
};

class BinWriter {
public:
    static constexpr bool reading = false;

    void i16(const int16_t& v);
    void f32(const float& v);
    // Encodes v in Windows-1252, cut or padded with blanks to n bytes.
    void fixedStr(const std::string& v, std::size_t n);
    void countedStr(const std::string& v);
    template <std::size_t N>
    void raw(const std::array<uint8_t, N>& v) { buf_.append(reinterpret_cast<const char*>(v.data()), N); }
    template <std::size_t N>
    void i16(const std::array<int16_t, N>& a) { for (auto v : a) i16(v); }
    template <std::size_t N>
    void f32(const std::array<float, N>& a) { for (auto v : a) f32(v); }

    // Room for n bytes in all, so that a writer that knows its size allocates once.
    void reserve(std::size_t n) { buf_.reserve(n); }
    const std::string& data() const { return buf_; }
    std::string take() { return std::move(buf_); }

private:
    std::string buf_;
};

}  // namespace vesk
