// Whole-file reading and replacing of the program's binary files (project,
// support and curve files), and the outcome that a file command hands back to
// its window.
//
// A save never writes into the old file: the bytes go to a temporary file in
// the target's folder, which is flushed and then renamed over the target. A
// failed save therefore leaves the old file exactly as it was and no
// temporary file behind.
#pragma once

#include <filesystem>
#include <optional>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

namespace vesk {

// Writes bytes to path through a temporary file and a rename. A new file gets
// the usual permissions (0666 less the umask), a replaced file keeps its own,
// and the temporary file is never more open than that. A symbolic link stays
// a link and the file it names is written, created when it does not exist.
// The temporary file is ".<name>.vesk-" and six letters or digits; a
// successful save removes those that interrupted saves of the same file left.
// SIGXFSZ is ignored, so a file-size limit fails the write. Returns false on
// any failure (path names a folder, folder missing or not writable, disk
// full, file too large), with the reason in *ec when given.
bool SaveFileAtomically(const std::filesystem::path& path, std::string_view bytes, std::error_code* ec = nullptr);

// The whole content of a regular file; nullopt when it is missing
// (ec = no_such_file_or_directory), a folder (is_a_directory), not a regular
// file (invalid_argument: a named pipe or a device, refused without waiting)
// or unreadable.
std::optional<std::string> ReadBinaryFile(const std::filesystem::path& path, std::error_code* ec = nullptr);

enum class FileCommandStatus {
    Ok,
    NotFound,     // the file to open does not exist; nothing is shown, nothing changed
    ReadFailed,   // missing access, short or invalid content; nothing changed
    WriteFailed,  // the old file, if any, is unchanged
    Refused,      // the command cannot run now (support list full, no support chosen)
};

// What a file command did. When message is not empty the window shows it with
// the title and an OK button.
struct FileCommandResult {
    FileCommandStatus status = FileCommandStatus::Ok;
    std::string message;
    std::string title;
    std::string detail;  // the reason, for tests and logs

    bool ok() const { return status == FileCommandStatus::Ok; }
};

// A failure to read a file in plain words, one sentence.
std::string PlainReason(const std::error_code& ec);
// A failure to write or create a file in plain words, one sentence ("There is
// no space left on the disk.").
std::string SaveReason(const std::error_code& ec);

// "Error reading a.pro" and "Error saving a.pro", each with the reason on a
// second line (none when it is empty), titled "Error"; the text names the
// file without its folder.
FileCommandResult ReadFailure(const std::string& path, const std::string& reason);
FileCommandResult WriteFailure(const std::string& path, const std::string& reason);

// Encodes a file's contents and saves them through SaveFileAtomically; a text
// the file cannot hold or a failed write is reported as "Error saving <name>"
// with the reason.
FileCommandResult SaveEncoded(const std::string& path, const std::function<std::string()>& encode);

// The name of the file without its folder.
std::string FileNameOf(const std::string& path);

// Text without the blanks that pad it on the right.
std::string TrimTrailingBlanks(std::string s);

}  // namespace vesk
