#include "acad/numbers.h"
#include <gtest/gtest.h>
TEST(Numbers, Placeholder) { acad::setDecimalSeparator(u'.'); EXPECT_EQ(acad::StrToFloat(QStringLiteral("1.5")), 1.5); }
