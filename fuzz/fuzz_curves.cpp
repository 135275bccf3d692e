// The curve file reader (grcurves.bin) over arbitrary bytes: the curves it
// reads are written back byte for byte; the header as read (an identifier
// below 1 becomes 1, a negative count 0), the count as read only when every
// curve was read.
#include "model/globals.h"
#include "files/curvefile.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

int16_t I16(const char* p)
{
    int16_t v;
    std::memcpy(&v, p, 2);
    return v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vesk;
    const std::string_view in(reinterpret_cast<const char*>(data), size);
    CurveLibrary lib = DecodeCurves(in);
    if (lib.NextCurveId < 1 || lib.complete != lib.error.empty())
        std::abort();
    if (size < 4) {
        if (!lib.Curves.empty() || lib.complete != (size == 0))
            std::abort();
        return 0;
    }
    ResetGlobals();
    const auto n = static_cast<int16_t>(lib.Curves.size());
    G.GRCurves.assign(1, CurveRec{});
    G.GRCurves.insert(G.GRCurves.end(), lib.Curves.begin(), lib.Curves.end());
    G.NumCurves = G.MaxCurves = n;
    G.NextCurveId = lib.NextCurveId;
    const std::string out = EncodeCurves();  // no filler: the library holds only the curves read
    if (in.size() < out.size() || std::memcmp(out.data() + 4, in.data() + 4, out.size() - 4) != 0)
        std::abort();
    if (I16(out.data()) != std::max<int16_t>(I16(in.data()), 1))
        std::abort();
    if (lib.complete && n != std::max<int16_t>(I16(in.data() + 2), 0))
        std::abort();
    if (!lib.complete && n >= I16(in.data() + 2))
        std::abort();
    return 0;
}
