#include "shell/mainform.h"

#include <gtest/gtest.h>

TEST(MainFormShell, HasTitle)
{
    vesk::MainForm w;
    EXPECT_EQ(w.windowTitle(), "VESK - Quendril");
}
