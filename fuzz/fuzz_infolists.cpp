// The information lists of config.txt over arbitrary bytes, read after the
// start-up pass over the same bytes, as the information center reads them.
#include "model/globals.h"
#include "files/datafiles.h"
#include "files/infolists.h"

#include <array>
#include <cstdlib>

namespace {

std::array<std::size_t, 8> Sizes()
{
    using vesk::G;
    return {G.FigFile.size(),   G.FigCaption.size(),    G.FailModelFile.size(),
            G.FailModelName.size(), G.FotoConv.size(),  G.FotoFile.size(),
            static_cast<std::size_t>(G.FotoCount.maxRow() + 1), static_cast<std::size_t>(G.InfoTable.maxRow() + 1)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vesk;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    ResetGlobals();
    ReadConfigFrom(bytes);
    const auto before = Sizes();
    const InfoListsRead r = ReadInfoListsFrom(bytes);
    // The lists keep their sizes; one flag per entry; the entries read whole
    // come first, and all of them when the file was read through.
    if (Sizes() != before || r.entryComplete.size() != static_cast<std::size_t>(G.NumTypes) + 1)
        std::abort();
    for (std::size_t t = 1; t < r.entryComplete.size(); ++t)
        if (r.entryComplete[t] && !r.entryComplete[t - 1])
            std::abort();
    if (r.ok && !r.entryComplete.back())
        std::abort();
    for (G.InfoType = -1; G.InfoType <= G.NumTypes + 1; ++G.InfoType)
        for (int k = -1; k <= 6; ++k)
            InfoOfShown(k);
    return 0;
}
