#include "model/globals.h"

namespace vesk {

GlobalState G;

void ResetGlobals() { G = GlobalState{}; }

}  // namespace vesk
