#include "model/numfmt.h"
#include "model/vbmath.h"

#include <gtest/gtest.h>

using namespace vesk;

TEST(Numbers, Placeholder) { EXPECT_EQ(FormatPattern(0.125, "0.00"), "0.13"); }
