// The program's files are written in the Windows ANSI code page (Windows-1252);
// in memory every text is UTF-8. The five bytes that the code page leaves
// undefined map to the C1 control characters of the same value, so that any
// byte string survives a decode and encode unchanged.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vesk {

std::string Cp1252ToUtf8(std::string_view bytes);

// nullopt when the text holds a character that Windows-1252 cannot write,
// or is not valid UTF-8.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8);

inline bool IsCp1252Text(std::string_view utf8) { return Utf8ToCp1252(utf8).has_value(); }

// Number of characters of a UTF-8 text.
std::size_t Utf8Length(std::string_view utf8);

}  // namespace vesk
