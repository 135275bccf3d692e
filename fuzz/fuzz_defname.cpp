// The default project name over arbitrary bytes.
#include "model/globals.h"
#include "files/datafiles.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vesk;
    ResetGlobals();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const bool read = ReadDefNameFrom(std::string(bytes));
    // A line is read unless the file is empty or holds only a byte-order mark.
    if (read != !(bytes.empty() || bytes == "\xEF\xBB\xBF") || G.ProjName != G.DefProjName)
        std::abort();
    // One line, without its line end.
    if (G.DefProjName.find_first_of("\r\n") != std::string::npos)
        std::abort();
    return 0;
}
