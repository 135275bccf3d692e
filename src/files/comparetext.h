// The comparison's table or summary saved as a text file.
#pragma once

#include "model/compare/comparedoc.h"

#include <string>

namespace vesk {

// The file's bytes: Windows-1252, CR LF line ends; lines and headings in
// double quotes (a double quote inside doubled), table rows as the quoted
// label and the bare cells joined by ",", the heading row every field quoted.
std::string CompareTextBytes(const CompareDoc& doc);

// Writes the file safely (the old file stays on failure). False with a
// reason in plain words.
bool SaveCompareText(const std::string& path, const CompareDoc& doc, std::string* reason);

}  // namespace vesk
