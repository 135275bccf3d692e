#include "model/globals.h"

namespace vesk {

GlobalState G;

void ResetGlobals() { G = GlobalState{}; }

const std::array<const char*, 4> kBasisNames = {"Detached block", "Ground reaction curve", "Current system",
                                                "Abitrary criteria"};

}  // namespace vesk
