// The project file reader over arbitrary bytes: what it reads is written back
// byte for byte, up to where it stopped reading; a missing or cut-short
// project name is written as 64 blanks.
#include "files/projectfile.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vesk;
    const std::string_view in(reinterpret_cast<const char*>(data), size);
    ProjectData p;
    try {
        p = DecodeProject(in, 30);
    } catch (const ReadError&) {
        return 0;
    }
    if (p.Supports.size() > 10)
        std::abort();
    const std::string out = EncodeProject(p);  // a WriteError here is a finding
    if (out.size() < kProjNameLen)
        std::abort();
    const std::size_t named = out.size() - kProjNameLen;  // where the name starts
    if (in.size() < named || std::memcmp(out.data(), in.data(), named) != 0)
        std::abort();
    const std::string_view name = std::string_view(out).substr(named);
    if (in.size() >= out.size() ? name != in.substr(named, kProjNameLen) : name != std::string(kProjNameLen, ' '))
        std::abort();
    return 0;
}
