#include "core/NumberRules.h"

#include <gtest/gtest.h>

namespace zolt {
namespace {

TEST(LeadingNumber, ReadsUpToTheFirstOtherCharacter) {
    EXPECT_DOUBLE_EQ(LeadingNumber("5,5"), 5.0);
    EXPECT_DOUBLE_EQ(LeadingNumber(" 1 2.5x "), 12.5);
    EXPECT_DOUBLE_EQ(LeadingNumber(""), 0.0);
}

}  // namespace
}  // namespace zolt
