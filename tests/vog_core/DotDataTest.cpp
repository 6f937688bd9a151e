#include "DotModel.h"

#include <gtest/gtest.h>

#include <memory>

using namespace vog;

TEST(DotData, SmokeRoundTrip)
{
    auto m = std::make_unique<DotModel>();
    ASSERT_TRUE(m->SetData("002,001,001,000"));
    EXPECT_EQ(m->GetData(), "002,001,001,000");
}
