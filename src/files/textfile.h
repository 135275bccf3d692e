// Reading and writing the program's small text files as wholes.
//
// Files are Windows-1252 on disk and UTF-8 in memory. A text file is written
// with CR LF line ends into a temporary file beside its target, which then
// replaces the target in one rename, so a failed write leaves the old file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vesk {

// A data file of the program's folder: G.AppPath joined with name. With an
// empty AppPath the name alone (a file of the current folder).
std::string AppFilePath(std::string_view name);

enum class FileStatus { Ok, NotFound, Error };

struct FileBytes {
    FileStatus status = FileStatus::Error;
    std::string bytes;  // the file's raw content when status is Ok
    std::string error;  // the system's description of a failure
};

// Reads a whole file; NotFound when it does not exist.
FileBytes ReadFileBytes(const std::string& path);

// Writes lines (UTF-8) as a Windows-1252 text file, each line followed by
// CR LF. Returns an empty string on success, else the reason of the failure
// for the user, one sentence; the target is then unchanged.
std::string WriteTextFile(const std::string& path, const std::vector<std::string>& lines);

}  // namespace vesk
