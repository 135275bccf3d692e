// The default project name over arbitrary bytes.
#include "model/globals.h"
#include "files/datafiles.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vesk;
    ResetGlobals();
    const bool read = ReadDefNameFrom(std::string(reinterpret_cast<const char*>(data), size));
    if (read != (size > 0) || G.ProjName != G.DefProjName)
        std::abort();
    // One line, without its line end.
    if (G.DefProjName.find_first_of("\r\n") != std::string::npos)
        std::abort();
    return 0;
}
