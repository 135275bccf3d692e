// The information texts of the program's folder: the design considerations
// of each catalogue entry (consider.txt) and its manufacturers and contacts
// (mfg.txt), which the figure viewer shows.
//
// Each file is a sequence of sections. A heading line is at least two
// characters long and starts with "~"; the (up to) three characters after
// the "~" give the section's number. The lines after a heading, up to the
// next heading or the end of the file, are the section's body. A line
// holding only "~" is a body line. Only the first section with a wanted
// number counts.
#pragma once

#include <string>
#include <vector>

namespace vesk {

inline constexpr const char* kConsiderFile = "consider.txt";
inline constexpr const char* kMfgFile = "mfg.txt";

// How a heading's characters give its number, rounded half to even:
// Leading takes the number they start with (blanks before it skipped, 0
// when there is none); Whole needs them to be one number, blanks around it
// allowed, and a heading that is not is no section of any number.
enum class HeadingNumber { Leading, Whole };

// The body lines of the first section numbered `wanted` (UTF-8; the bytes
// are Windows-1252). Empty when there is no such section.
std::vector<std::string> InfoSection(std::string bytes, int wanted, HeadingNumber numbering);

// Width of the considerations text, in characters.
inline constexpr std::size_t kInfoTextWidth = 50;

// One line of the considerations as the lines it takes in the text box:
// unchanged when it is at most 50 characters long; else cut into pieces of
// at most 50 characters, each ending after the last blank that fits (a hard
// cut inside a word without one). When the line does not start with a
// letter (A-Z, a-z), every piece after the first is indented by three
// blanks, which count against its width.
std::vector<std::string> WrapInfoLine(const std::string& line);

// The lines of the considerations box for section `section` of consider.txt,
// wrapped; and the entries of the manufacturer list for section `section`
// of mfg.txt. A file that cannot be read gives nothing.
std::vector<std::string> ReadConsiderations(int section);
std::vector<std::string> ReadManufacturers(int section);

}  // namespace vesk
