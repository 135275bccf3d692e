// The type catalogue's start-up pass over arbitrary bytes.
#include "model/globals.h"
#include "files/datafiles.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vesk;
    ResetGlobals();
    ReadConfigFrom(std::string(reinterpret_cast<const char*>(data), size));
    // At least the built-in types, and every list sized for all of them.
    const auto n = static_cast<size_t>(G.NumTypes) + 1;
    if (G.NumTypes < 6 || G.TypeCat.size() != n || G.SupTypeName.size() != n || G.TypeFile.size() != n ||
        G.NumModels.size() != n || G.ModelName.maxRow() != G.NumTypes || G.ModelName.maxCol() != 20 ||
        G.InfoTable.maxRow() != G.NumTypes || G.FigFile.size() != G.FigCaption.size() ||
        G.FotoFile.size() != G.FotoConv.size() || G.FailModelFile.size() != G.FailModelName.size() ||
        G.FotoCount.maxRow() + 1 != static_cast<int>(G.FailModelFile.size()))
        std::abort();
    for (size_t t = 1; t < n; ++t)
        if (G.TypeCat[t] < 1 || G.TypeCat[t] > 7)
            std::abort();
    return 0;
}
