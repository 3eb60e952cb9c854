#include <gtest/gtest.h>
#include "tools/opimage/image.h"
TEST(Placeholder, Builds) { EXPECT_FALSE(opimage::Write({}).bytes.empty()); }
