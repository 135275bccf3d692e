#include "files/textfile.h"

#include "model/globals.h"
#include "model/encoding.h"
#include "files/safesave.h"

#include <system_error>

namespace vesk {

std::string AppFilePath(std::string_view name)
{
    const std::string& dir = G.AppPath;
    if (dir.empty())
        return std::string(name);
    if (dir.back() == '/')
        return dir + std::string(name);
    return dir + "/" + std::string(name);
}

FileBytes ReadFileBytes(const std::string& path)
{
    FileBytes out;
    std::error_code ec;
    auto bytes = ReadBinaryFile(path, &ec);
    if (!bytes) {
        out.status = ec == std::errc::no_such_file_or_directory ? FileStatus::NotFound : FileStatus::Error;
        out.error = ec.message();
        return out;
    }
    out.status = FileStatus::Ok;
    out.bytes = std::move(*bytes);
    return out;
}

std::string WriteTextFile(const std::string& path, const std::vector<std::string>& lines)
{
    std::string data;
    for (const auto& line : lines) {
        auto bytes = Utf8ToCp1252(line);
        if (!bytes)
            return "The text holds characters that the file's character set cannot store.";
        data += *bytes;
        data += "\r\n";
    }
    std::error_code ec;
    if (!SaveFileAtomically(path, data, &ec))
        return SaveReason(ec);
    return {};
}

}  // namespace vesk
