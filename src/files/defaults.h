// The defaults file defaults.txt: version texts, the default design
// criteria, the capacity of the curve library, the templates from which new
// supports are made (TypeDefaults 1..8) and the comparison plot's settings.
//
// The file has a fixed layout of 135 lines, a label line before each data
// line; the regional cost lines come in pairs, of which EasternMines picks
// one. When the file cannot be read whole, the built-in values take the
// place of everything the file sets.
#pragma once

#include <cstdint>
#include <string>

namespace vesk {

inline constexpr const char* kDefaultsFile = "defaults.txt";
inline constexpr int kDefaultsLines = 135;

// Reads defaults.txt of the program's folder into the globals. 0 when the
// whole file was read; -1 when the built-in values were put in place (the
// main window then reports "Error reading defaults.txt").
int16_t ReadDefaults();

// The same from the file's bytes.
int16_t ReadDefaultsData(std::string bytes);

// Stores the built-in values: version texts, criteria and their working
// values, templates 1..8, plot settings. Fields without a built-in value keep
// what they hold.
void SetBuiltInDefaults();

}  // namespace vesk
