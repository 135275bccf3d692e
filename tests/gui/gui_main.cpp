// Runs the window tests under a QApplication on the offscreen platform.
#include "model/globals.h"
#include "platform/desktop.h"
#include "platform/help.h"
#include "platform/qtext.h"
#include "shell/steps.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

// No exception may leave an event handler or a slot: one that does fails the
// test that was running, and the test goes on.
class TestApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            ADD_FAILURE() << "An exception left an event handler of " << receiver->metaObject()->className()
                          << " (event " << static_cast<int>(event->type()) << "): " << e.what();
            return false;
        }
    }
};

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TestApplication app(argc, argv);
    vesk::InstallDesktopConventions();
    vesk::InstallSharedWindowOpeners();
    vesk::SetProgramFolderSource([] { return vesk::qs(vesk::G.AppPath); });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
