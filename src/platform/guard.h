// Running what a window does when it opens (filling its boxes and read-outs
// from the records in memory) so that no exception leaves it. A value that
// cannot be shown or computed (not a finite number, or beyond single
// precision) throws; the window then goes on with what it filled up to there,
// the rest of its boxes left empty, and its own checks (the recompute that
// follows, Enter, "&Ok") report them as its input errors.
#pragma once

#include <functional>

namespace vesk {

// Runs fill; false when it threw (the exception is dropped).
bool Guarded(const std::function<void()>& fill);

}  // namespace vesk
