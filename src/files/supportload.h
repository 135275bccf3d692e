// The load of a support of the list at a convergence, read from the support's
// own curve built afresh at the entry height in force (G.EntryHt): the
// wood-crib model, the timber-post or concrete-crib curve, or the chosen
// model of a file-defined type read again from its model file.
#pragma once

#include <optional>

namespace vesk {

// Load (tons) of support CurCaseNo at convergence conv (in). CurCase becomes
// a copy of the support first; building its curve writes what the curve
// routines write (the model tables, PerfA/K/B, a crib's coefficients in its
// record). Beyond the end of a model curve the last point's load holds.
// nullopt when the load is not above 0, when no curve can be built (a model
// file that cannot be read whole is not used at all), for a support number
// outside the list or a type outside the catalogue, and on arithmetic errors.
std::optional<float> SupportLoadAtConv(float conv);

}  // namespace vesk
