// The defaults reader over arbitrary bytes, in either cost region.
#include "model/globals.h"
#include "files/defaults.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vesk;
    ResetGlobals();
    G.EasternMines = size % 2 ? -1 : 0;
    const int16_t result = ReadDefaultsData(std::string(reinterpret_cast<const char*>(data), size));
    // Whatever the file, the program starts with usable templates.
    if (result != 0 && result != -1)
        std::abort();
    if (result == -1 && (G.VersionText != "2.3" || G.TypeDefaults[8].CabUserNum != 4))
        std::abort();
    if (G.TypeDefaults[7].SizeIdx != -1 || G.SecFactor != 0.95f)
        std::abort();
    return 0;
}
