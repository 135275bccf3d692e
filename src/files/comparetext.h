// The comparison's table or summary saved as a text file.
#pragma once

#include "model/compare/comparedoc.h"

#include <string>
#include <vector>

namespace vesk {

// The file's lines (UTF-8, without line ends).
std::vector<std::string> CompareTextLines(const CompareDoc& doc);

// The file's bytes: Windows-1252, CR LF line ends; lines and headings in
// double quotes (a double quote inside doubled), table rows as the quoted
// label and the bare cells joined by ",", the heading row every field quoted.
// Empty when the text holds a character that Windows-1252 cannot store.
std::string CompareTextBytes(const CompareDoc& doc);

// Writes the file safely (the old file stays on failure). False with a
// reason in plain words.
bool SaveCompareText(const std::string& path, const CompareDoc& doc, std::string* reason);

}  // namespace vesk
