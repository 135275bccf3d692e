#include "files/safesave.h"

#include "model/binstream.h"

#include <cerrno>
#include <csignal>
#include <random>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace vesk {

namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

bool fail(std::error_code* out, std::error_code ec)
{
    if (out)
        *out = ec;
    return false;
}

// Writes all of bytes to fd, retrying short writes and interruptions.
bool writeAll(int fd, std::string_view bytes)
{
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

constexpr const char* kTempMark = ".vesk-";
constexpr std::size_t kTempSuffixLen = 6;

// The name of target's temporary files without their random suffix:
// ".<name>.vesk-", the name cut to leave room within the name limit.
std::string temporaryPrefix(const fs::path& target)
{
    std::string base = target.filename().string();
    if (base.size() > 180)
        base.resize(180);
    return "." + base + kTempMark;
}

// Creates a new, empty temporary file beside target with the given mode
// (less the umask); returns its descriptor (-1 with errno set on failure) and
// its path. The descriptor holds a lock that tells a later save that the file
// is in use.
int createTemporary(const fs::path& target, mode_t mode, fs::path& tmp)
{
    static constexpr char kChars[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    static std::mt19937_64 rng{std::random_device{}()};
    const std::string prefix = temporaryPrefix(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = prefix;
        for (std::size_t i = 0; i < kTempSuffixLen; ++i)
            name += kChars[rng() % (sizeof kChars - 1)];
        tmp = target.parent_path() / name;
        int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            ::flock(fd, LOCK_EX | LOCK_NB);
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    errno = EEXIST;
    return -1;
}

// Removes the temporary files that interrupted saves of target left behind.
// A file still locked belongs to a save in progress and stays.
void removeLeftovers(const fs::path& target)
{
    const std::string prefix = temporaryPrefix(target);
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(target.parent_path(), ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() != prefix.size() + kTempSuffixLen || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        int fd = ::open(entry.path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(entry.path().c_str());
        ::close(fd);
    }
}

// Follows symbolic links to the path that a write through path reaches, even
// when the last link names a file that does not exist yet.
bool resolveLinks(fs::path& target, std::error_code& ec)
{
    for (int hops = 0; fs::is_symlink(fs::symlink_status(target, ec)); ++hops) {
        if (hops == 40) {
            ec = std::make_error_code(std::errc::too_many_symbolic_link_levels);
            return false;
        }
        fs::path next = fs::read_symlink(target, ec);
        if (ec)
            return false;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    ec.clear();
    return true;
}

}  // namespace

bool SaveFileAtomically(const fs::path& path, std::string_view bytes, std::error_code* ecOut)
{
    // A file-size limit makes the write fail instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);

    std::error_code ec;
    fs::path target = path;
    if (!resolveLinks(target, ec))
        return fail(ecOut, ec);
    if (target.filename().empty())
        return fail(ecOut, std::make_error_code(std::errc::is_a_directory));
    if (target.parent_path().empty())
        target = fs::path(".") / target;

    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode))
        return fail(ecOut, std::make_error_code(S_ISDIR(old.st_mode) ? std::errc::is_a_directory
                                                                      : std::errc::invalid_argument));
    // A write-protected file stays protected, as it would against writing in place.
    if (replacing && ::access(target.c_str(), W_OK) != 0)
        return fail(ecOut, lastError());

    // Never more open than the target: its own mode, or a new file's default.
    fs::path tmp;
    int fd = createTemporary(target, replacing ? (old.st_mode & 0777) : 0666, tmp);
    if (fd < 0)
        return fail(ecOut, lastError());

    bool ok = writeAll(fd, bytes);
    if (ok && replacing)
        ::fchmod(fd, old.st_mode & 07777);  // the bits the umask took; best effort
    if (ok)
        ok = ::fsync(fd) == 0;
    std::error_code writeEc = lastError();
    if (::close(fd) != 0 && ok) {
        ok = false;
        writeEc = lastError();
    }
    if (ok && ::rename(tmp.c_str(), target.c_str()) != 0) {
        ok = false;
        writeEc = lastError();
    }
    if (!ok) {
        ::unlink(tmp.c_str());
        return fail(ecOut, writeEc);
    }

    removeLeftovers(target);
    // Make the rename itself durable; the save has succeeded either way.
    int dirFd = ::open(target.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    if (ecOut)
        ecOut->clear();
    return true;
}

std::optional<std::string> ReadBinaryFile(const fs::path& path, std::error_code* ecOut)
{
    // Not blocking: a named pipe would otherwise wait for a writer for ever.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        fail(ecOut, lastError());
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        std::error_code ec = S_ISDIR(st.st_mode) ? std::make_error_code(std::errc::is_a_directory)
                                                 : std::make_error_code(std::errc::invalid_argument);
        ::close(fd);
        fail(ecOut, ec);
        return std::nullopt;
    }
    std::string data;
    data.reserve(static_cast<std::size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            std::error_code ec = lastError();
            ::close(fd);
            fail(ecOut, ec);
            return std::nullopt;
        }
        data.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (ecOut)
        ecOut->clear();
    return data;
}

std::string FileNameOf(const std::string& path)
{
    std::string name = fs::path(path).filename().string();
    return name.empty() ? path : name;
}

std::string PlainReason(const std::error_code& ec)
{
    if (ec == std::errc::no_such_file_or_directory)
        return "The file does not exist.";
    if (ec == std::errc::permission_denied)
        return "You have no permission to read it.";
    if (ec == std::errc::is_a_directory)
        return "It is a folder, not a file.";
    if (ec == std::errc::invalid_argument)
        return "It is not a regular file.";
    if (ec == std::errc::not_a_directory)
        return "A name in the path is a file, not a folder.";
    std::string text = ec.message();
    if (!text.empty() && text.back() != '.')
        text += '.';
    return text;
}

std::string SaveReason(const std::error_code& ec)
{
    if (ec == std::errc::no_space_on_device || ec.value() == EDQUOT)
        return "There is no space left on the disk.";
    if (ec == std::errc::permission_denied || ec == std::errc::operation_not_permitted)
        return "You have no permission to write there.";
    if (ec == std::errc::read_only_file_system)
        return "The disk is read-only.";
    if (ec == std::errc::no_such_file_or_directory)
        return "The folder does not exist.";
    if (ec == std::errc::file_too_large)
        return "The file would be larger than the system allows.";
    if (ec == std::errc::filename_too_long)
        return "The name is too long.";
    if (ec == std::errc::io_error)
        return "The disk could not be written.";
    // A folder, not a regular file, a file in the path: as for reading.
    return PlainReason(ec);
}

namespace {

FileCommandResult failure(FileCommandStatus status, const char* what, const std::string& path,
                          const std::string& reason)
{
    return {status, what + FileNameOf(path) + (reason.empty() ? "" : "\n" + reason), "Error", reason};
}

}  // namespace

FileCommandResult ReadFailure(const std::string& path, const std::string& reason)
{
    return failure(FileCommandStatus::ReadFailed, "Error reading ", path, reason);
}

FileCommandResult WriteFailure(const std::string& path, const std::string& reason)
{
    return failure(FileCommandStatus::WriteFailed, "Error saving ", path, reason);
}

std::string TrimTrailingBlanks(std::string s)
{
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

FileCommandResult SaveEncoded(const std::string& path, const std::function<std::string()>& encode)
{
    std::string bytes;
    try {
        bytes = encode();
    } catch (const WriteError& e) {
        return WriteFailure(path, e.what());
    }
    std::error_code ec;
    if (!SaveFileAtomically(path, bytes, &ec))
        return WriteFailure(path, SaveReason(ec));
    return {};
}

}  // namespace vesk
