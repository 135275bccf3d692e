// The support file reader over arbitrary bytes: what it reads is written back
// byte for byte, up to where it stopped reading.
#include "files/supportfile.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vesk;
    const std::string_view in(reinterpret_cast<const char*>(data), size);
    SupportBlock b;
    try {
        b = DecodeSupport(in, 30);
    } catch (const ReadError&) {
        return 0;
    }
    if (b.Type < 1 || b.Type > 30)
        std::abort();
    const std::string out = EncodeSupport(b);  // a WriteError here is a finding
    if (out.size() != EncodedSize(b) || in.size() < out.size() || std::memcmp(out.data(), in.data(), out.size()) != 0)
        std::abort();
    return 0;
}
