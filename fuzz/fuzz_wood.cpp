// The wood species reader over arbitrary bytes.
#include "model/globals.h"
#include "files/datafiles.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vesk;
    ResetGlobals();
    ReadWoodDataFrom(std::string(reinterpret_cast<const char*>(data), size));
    // The tables hold every species that the counts announce.
    if (G.NumCribWoods < 0 || G.NumPostWoods < 0 ||
        G.CribWoodName.size() < static_cast<size_t>(G.NumCribWoods) + 1 ||
        G.PostWoodName.size() < static_cast<size_t>(G.NumPostWoods) + 1 || G.CribWoodProp.maxRow() < G.NumCribWoods ||
        G.PostWoodProp.maxRow() < G.NumPostWoods || G.CribWoodProp.maxCol() != 2 || G.PostWoodProp.maxCol() != 4)
        std::abort();
    return 0;
}
