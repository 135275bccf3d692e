#include "ui/openers.h"

namespace vesk {

namespace {
OpenerTable<SharedWindow>& openers()
{
    static OpenerTable<SharedWindow> table;
    return table;
}
}  // namespace

void SetWindowOpener(SharedWindow window, WindowOpener opener) { openers().set(window, std::move(opener)); }

bool OpenWindow(SharedWindow window, QWidget* parent) { return openers().open(window, parent); }

}  // namespace vesk
