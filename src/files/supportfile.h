// The support file (*.sup): one support of the list with its name, type,
// record and default values. The same block is repeated for every support of
// a project file.
//
// Layout, little-endian, no header: name as 64 blank-padded characters, the
// type as i16, the record, the default record (each a CaseRec in its file
// encoding, 4,040 bytes plus the lengths of its 21 texts).
#pragma once

#include "model/binstream.h"
#include "model/records.h"
#include "files/safesave.h"

#include <string>
#include <string_view>

namespace vesk {

constexpr std::size_t kCaseNameLen = 64;
constexpr std::size_t kSupportBlockBaseSize = kCaseNameLen + 2 + 2 * kCaseRecBaseSize;  // 8,146

inline constexpr const char* kSupportFilter = "Support files (*.sup)|*.sup|All files (*.*)|*.*";
// Refusals of the support list's Save and Open, shown before any file dialog
// (title "Attention").
inline constexpr const char* kSelectSupportText = "Select support, then press Save.";
inline constexpr const char* kMaxSupportsText = "A maximum of 10 supports may be defined.";

struct SupportBlock {
    std::string Name;  // without the padding blanks
    int16_t Type = 0;
    CaseRec Rec;
    CaseRec Def;

    bool operator==(const SupportBlock&) const = default;
};

// The name is cut to 64 characters; WriteError for a text that the code page
// cannot hold.
void WriteSupportBlock(BinWriter& w, const SupportBlock& b);
// ReadError for short or malformed data, a type outside 1..numTypes and a
// value that is not a finite number.
SupportBlock ReadSupportBlock(BinReader& rd, int numTypes);

// The bytes that WriteSupportBlock writes for b.
std::size_t EncodedSize(const SupportBlock& b);

std::string EncodeSupport(const SupportBlock& b);
// Bytes after the block are ignored: files saved in place by older versions
// may carry the tail of a longer support.
SupportBlock DecodeSupport(std::string_view bytes, int numTypes);

// "&Save" of the support list: writes support caseNo to path with its updated
// mark 0 on file, and clears the mark in memory once the file is written.
// Refused (kSelectSupportText) when caseNo is not a support of the list.
FileCommandResult SaveSupportFile(const std::string& path, int caseNo);

// "&Open" of the support list: appends the support read from path as support
// NumCases + 1, not updated, and makes it current. Refused (kMaxSupportsText)
// when the list is full; a file that cannot be read whole changes nothing.
FileCommandResult OpenSupportFile(const std::string& path);

// Shared by the project file: reads path, NotFound / ReadFailed on failure.
FileCommandResult ReadFileForOpen(const std::string& path, std::string& bytes);

}  // namespace vesk
