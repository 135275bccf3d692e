// The model file reader over arbitrary bytes: full and curves-only reads of
// both layouts, in either region, at several entry heights. The first byte
// chooses the reading; the rest is the file.
#include "model/globals.h"
#include "files/modelfile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vesk;
    if (size == 0)
        return 0;
    const uint8_t how = data[0];
    ResetGlobals();
    G.NumTypes = 8;
    G.NumModels.assign(9, 0);
    G.ModelName.redim(8, kMaxModels);
    G.EasternMines = how & 1 ? -1 : 0;
    G.EntryHt = static_cast<float>(24 + 24 * ((how >> 4) & 7));

    ModelFileRead read;
    read.type = how & 2 ? 8 : 7;
    read.cable = (how & 2) != 0;
    CaseRec rec;
    if (how & 4)
        read.record = &rec;
    else
        read.sizeIdx = static_cast<int16_t>((how >> 3) & 3) - 1;
    read.scaleByHeight = (how & 0x80) == 0;

    const bool ok = ReadModelData(std::string(reinterpret_cast<const char*>(data) + 1, size - 1), read);
    if (!ok)
        return 0;
    const int n = G.NumModels[static_cast<size_t>(read.type)];
    if (n < 1 || n > kMaxModels || G.PerfConv.maxRow() != n || G.ModelYMax.maxIndex() != n)
        std::abort();
    if (read.sizeIdx >= n)
        std::abort();
    for (int m = 1; m <= n; ++m) {
        const float pts = G.PerfConv(m, 0);
        if (pts < 1 || pts > G.PerfConv.maxCol())
            std::abort();
        if (read.record && read.cable && !(rec.CabRefLen()[m] > 0))
            std::abort();
    }
    if (read.record && rec.SizeIdx != 0)
        std::abort();
    return 0;
}
