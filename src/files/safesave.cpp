#include "files/safesave.h"

#include "model/binstream.h"

#include <cerrno>
#include <cstdio>
#include <random>

#include <fcntl.h>
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

// Creates a new, empty temporary file beside target; returns its descriptor
// (-1 with errno set on failure) and its path.
int createTemporary(const fs::path& target, fs::path& tmp)
{
    std::string base = target.filename().string();
    if (base.size() > 180)  // leave room for the suffix within the name limit
        base.resize(180);
    static std::mt19937_64 rng{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, ".%012llx.tmp",
                      static_cast<unsigned long long>(rng() & 0xffffffffffffULL));
        tmp = target.parent_path() / ("." + base + suffix);
        int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

}  // namespace

bool SaveFileAtomically(const fs::path& path, std::string_view bytes, std::error_code* ecOut)
{
    std::error_code ec;
    fs::path target = path;
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        target = fs::weakly_canonical(target, ec);
        if (ec)
            return fail(ecOut, ec);
    }
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

    fs::path tmp;
    int fd = createTemporary(target, tmp);
    if (fd < 0)
        return fail(ecOut, lastError());

    bool ok = writeAll(fd, bytes);
    if (ok && replacing)
        ::fchmod(fd, old.st_mode & 07777);  // best effort: the content matters more than the mode
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
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
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

FileCommandResult ReadFailure(const std::string& path, const std::string& detail)
{
    return {FileCommandStatus::ReadFailed, "Error reading " + FileNameOf(path), "Error", detail};
}

FileCommandResult WriteFailure(const std::string& path, const std::string& detail)
{
    return {FileCommandStatus::WriteFailed, "Error saving " + FileNameOf(path), "Error", detail};
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
        return WriteFailure(path, ec.message());
    return {};
}

}  // namespace vesk
