#include "platform/guard.h"

#include <exception>

namespace vesk {

bool Guarded(const std::function<void()>& fill)
{
    try {
        fill();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace vesk
