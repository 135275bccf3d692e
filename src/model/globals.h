// The program's global state: one struct, one instance G.
#pragma once

#include <cstdint>
#include <string>

namespace vesk {

struct GlobalState {
    std::string AppPath;
    int16_t MetricUnits = 0;
};

extern GlobalState G;

void ResetGlobals();

}  // namespace vesk
