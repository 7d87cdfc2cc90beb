// Checks the element data file that ships with the program.
#include "atomara/data/element_data.h"
#include "atomara/data/tile_data.h"
#include "platform/core/number_conversion.h"
#include "platform/core/text_file.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace atomara;

namespace {

const ElementData& Shipped()
{
    static const ElementData data = ElementData::Load(SHIPPED_DATA_FILE, '.');
    return data;
}

} // namespace

TEST(ShippedData, HasOneBlockPerElementWithCrLfLines)
{
    const auto bytes = platform::ReadFileBytes(SHIPPED_DATA_FILE);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(Shipped().Lines().size(), static_cast<std::size_t>(kElementCount * kFieldsPerElement));
    for (std::size_t i = 0; i < bytes->size(); ++i) {
        if ((*bytes)[i] == '\n') {
            ASSERT_TRUE(i > 0 && (*bytes)[i - 1] == '\r') << "bare LF at byte " << i;
        }
    }
    EXPECT_TRUE(bytes->ends_with("\r\n"));
    EXPECT_EQ(Shipped().Field(1, field::Symbol), "H");
    EXPECT_EQ(Shipped().Field(26, field::Name), "Iron");
    EXPECT_EQ(Shipped().Field(103, field::Symbol), "Lr");
}

TEST(ShippedData, NumericFieldsAreUnknownOrNumbers)
{
    for (int n = 1; n <= kElementCount; ++n) {
        for (int f = field::FirstNumeric; f <= field::LastNumeric; ++f) {
            const auto& text = Shipped().Field(n, f);
            if (text != kUnknownValue) {
                EXPECT_TRUE(platform::TryStrToFloat(text, '.')) << "element " << n << " field " << f << ": " << text;
            }
        }
        // Every display field is unknown exactly when its numeric twin is.
        for (int d : {2, 3, 4, 5, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}) {
            const int twin = d <= 5 ? d + 19 : d + 15;
            EXPECT_EQ(Shipped().Field(n, d) == kUnknownValue, Shipped().Field(n, twin) == kUnknownValue)
                << "element " << n << " field " << d;
        }
        EXPECT_NO_THROW(TileDataFor(Shipped(), n, '.')) << "element " << n;
    }
}

TEST(ShippedData, SyntheticFlagAndPhaseTemperatures)
{
    for (int n = 1; n <= kElementCount; ++n) {
        const bool synthetic = n == 43 || n == 61 || n >= 93;
        EXPECT_EQ(Shipped().Field(n, field::Synthetic), synthetic ? "1" : "0") << n;
        // Arsenic sublimes at normal pressure below its melting point (under pressure).
        const bool sublimes = n == 33;
        if (!synthetic && !sublimes) {
            const auto tile = TileDataFor(Shipped(), n, '.');
            EXPECT_GE(tile.boilingPoint, tile.meltingPoint) << n;
        }
    }
}

TEST(ShippedData, DensityIsGramsPerCubicCentimetreForGasesToo)
{
    EXPECT_TRUE(Shipped().Field(1, field::DensityText).ends_with("g/L (Gas 273K)"));
    EXPECT_NEAR(platform::StrToFloat(Shipped().Field(1, field::Density), '.'), 0.0000899, 0.000001);
    EXPECT_EQ(Shipped().Field(26, field::DensityText).back() == ')', false);
}

// Published reference values (CRC Handbook / IUPAC), independent of the sources the
// file was built from; tolerances cover the usual spread between tables.
TEST(ShippedData, SpotValuesAgreeWithReferenceTables)
{
    struct Case { int n; int field; double expected; double relativeTolerance; };
    const Case cases[] = {
        {1, field::AtomicWeight, 1.008, 0.001},
        {6, field::AtomicWeight, 12.011, 0.001},
        {26, field::AtomicWeight, 55.845, 0.001},
        {26, field::MeltingPoint, 1811, 0.01},
        {26, field::BoilingPoint, 3134, 0.04},
        {80, field::MeltingPoint, 234.32, 0.01},
        {80, field::BoilingPoint, 629.88, 0.01},
        {79, field::Density, 19.3, 0.01},
        {8, 25, 3.44, 0.01},           // electronegativity of oxygen
        {9, 25, 3.98, 0.01},
        {11, 31, 5.139, 0.01},         // first ionization of sodium, eV
        {2, 31, 24.587, 0.01},
        {29, 28, 0.596, 0.03},         // electrical conductivity of copper
        {29, 29, 401, 0.03},           // thermal conductivity of copper
        {13, 30, 0.897, 0.03},         // specific heat of aluminium
        {74, 23, 3695, 0.01},          // melting point of tungsten
    };
    for (const auto& c : cases) {
        const auto& text = Shipped().Field(c.n, c.field);
        ASSERT_NE(text, kUnknownValue) << "element " << c.n << " field " << c.field;
        const double value = platform::StrToFloat(text, '.');
        EXPECT_NEAR(value, c.expected, c.expected * c.relativeTolerance) << "element " << c.n << " field " << c.field;
    }
}
