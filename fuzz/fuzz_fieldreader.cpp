// Drives the field reader with a script of reads over arbitrary bytes: the
// first bytes choose the reads, the rest is the file.
#include "files/fieldreader.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const std::string script = in.ConsumeBytesAsString(in.ConsumeIntegralInRange<size_t>(0, 64));
    vesk::FieldReader rd(in.ConsumeRemainingBytesAsString());
    if (script.empty())
        return 0;
    try {
        for (int step = 0; step < 4096; ++step) {
            const int line = rd.lineNo();
            switch (static_cast<unsigned char>(script[static_cast<size_t>(step) % script.size()]) % 8) {
            case 0: rd.line(); break;
            case 1: rd.skipLine(); break;
            case 2: rd.number(); break;
            case 3: rd.single(); break;
            case 4: rd.integer(); break;
            case 5: rd.text(); break;
            case 6: rd.endLine(); break;
            default: (void)rd.hasField(); break;
            }
            if (rd.lineNo() < line)
                std::abort();  // the reader never goes back
        }
    } catch (const vesk::ReadError&) {
    }
    return 0;
}
