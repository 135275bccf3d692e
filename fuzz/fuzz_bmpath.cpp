// The bitmap-path settings over arbitrary bytes.
#include "files/datafiles.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vesk;
    BmpPathSettings s = ParseBmpPathSettings(std::string(reinterpret_cast<const char*>(data), size));
    // Values come in order: no region without a folder, no units without a region.
    if ((s.region && !s.folder) || (s.units && !s.region))
        std::abort();
    if (s.status == FileStatus::Ok && !s.region)
        std::abort();
    return 0;
}
