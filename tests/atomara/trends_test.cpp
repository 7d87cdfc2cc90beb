#include "atomara/data/trends.h"
#include "platform/core/errors.h"

#include <gtest/gtest.h>

using namespace atomara;

namespace {

// Element data whose field 25 holds the given text for each element (default "--").
ElementData DataWith(const std::function<std::string(int)>& value)
{
    std::vector<std::string> lines;
    for (int n = 1; n <= kElementCount; ++n)
        for (int f = 0; f < kFieldsPerElement; ++f)
            lines.push_back(f == 25 ? value(n) : "x");
    return ElementData(std::move(lines));
}

} // namespace

TEST(Trends, SmallestIsOneLargestIsMaxDepthMissingIsMinusOne)
{
    const auto data = DataWith([](int n) {
        if (n == 1) return std::string("10");
        if (n == 2) return std::string("30");
        if (n == 3) return std::string("20"); // exactly the middle: round(9.5) + 1
        if (n == 4) return std::string("10,5");
        return std::string("--");
    });
    const TileDepths depths = TrendDepths(data, 25, 20, ',');
    EXPECT_EQ(depths[1], 1);
    EXPECT_EQ(depths[2], 20);
    EXPECT_EQ(depths[3], 11);
    EXPECT_EQ(depths[4], 1); // 0.5 × 19 / 20 rounds to 0
    EXPECT_EQ(depths[5], -1);
    EXPECT_EQ(depths[109], -1);
}

TEST(Trends, HalvesRoundToEven)
{
    // Values 0..4 with MaxDepth 4 scale to v × 3 / 4: 0, 0.75, 1.5, 2.25, 3.
    const auto data = DataWith([](int n) { return n <= 5 ? std::to_string(n - 1) : std::string("--"); });
    const TileDepths depths = TrendDepths(data, 25, 4, '.');
    EXPECT_EQ(depths[1], 1);
    EXPECT_EQ(depths[2], 2);
    EXPECT_EQ(depths[3], 3); // the half 1.5 goes to the even 2
    EXPECT_EQ(depths[4], 3);
    EXPECT_EQ(depths[5], 4);
}

TEST(Trends, DegenerateProperties)
{
    const TileDepths allMissing = TrendDepths(DataWith([](int) { return std::string("--"); }), 25, 20, '.');
    for (int n = 1; n <= kElementCount; ++n)
        EXPECT_EQ(allMissing[static_cast<std::size_t>(n)], -1);

    // One value for everyone: no division by zero, every element in the middle.
    const TileDepths allEqual = TrendDepths(DataWith([](int n) { return n % 2 ? std::string("7") : std::string("--"); }),
                                            25, 20, '.');
    EXPECT_EQ(allEqual[1], 11);
    EXPECT_EQ(allEqual[2], -1);

    EXPECT_THROW(TrendDepths(DataWith([](int) { return std::string("abc"); }), 25, 20, '.'), platform::EConvertError);
    EXPECT_EQ(FlatDepths()[57], 0);
}

TEST(Trends, MenuOrderAndFields)
{
    EXPECT_STREQ(kTrendProperties[0].caption, "Atomic &Radius");
    EXPECT_EQ(kTrendProperties[0].numericField, 33);
    EXPECT_STREQ(kTrendProperties[13].caption, "&Thermal Conductivity");
    EXPECT_EQ(kTrendProperties[9].numericField, 27);
}
