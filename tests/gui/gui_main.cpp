// Runs the window tests under a QApplication on the offscreen platform.
#include "model/globals.h"
#include "platform/desktop.h"
#include "platform/help.h"
#include "platform/qtext.h"
#include "shell/steps.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vesk::InstallDesktopConventions();
    vesk::InstallSharedWindowOpeners();
    vesk::SetProgramFolderSource([] { return vesk::qs(vesk::G.AppPath); });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
