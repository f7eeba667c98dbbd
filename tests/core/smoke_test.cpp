#include "core/conversions.h"
#include <gtest/gtest.h>
TEST(Smoke, Builds) { EXPECT_EQ(pluvelle::FormatOneDecimal(21.27), "21.3"); }
