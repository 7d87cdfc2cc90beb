#include "atomara/data/naming_scheme.h"

#include <gtest/gtest.h>

using namespace atomara;

TEST(NamingScheme, NamesOfElements104To109)
{
    struct Case { NamingScheme scheme; int n; const char* symbol; const char* name; };
    const Case cases[] = {
        {NamingScheme::IupacProvisional, 104, "Unq", "Unnilquadium"},
        {NamingScheme::IupacProvisional, 109, "Une", "Unnilenium"},
        {NamingScheme::IupacRecommended, 104, "Db", "Dubnium"},
        {NamingScheme::IupacRecommended, 106, "Rf", "Rutherfordium"},
        {NamingScheme::IupacRecommended, 108, "Hn", "Hahnium"},
        {NamingScheme::AcsRecommended, 104, "Rf", "Rutherfordium"},
        {NamingScheme::AcsRecommended, 105, "Ha", "Hahnium"},
        {NamingScheme::AcsRecommended, 107, "Ns", "Nielsbohrium"},
        {NamingScheme::AcsRecommended, 109, "Mt", "Meitnerium"},
    };
    for (const auto& c : cases) {
        const auto name = NameUnderScheme(c.scheme, c.n);
        ASSERT_TRUE(name);
        EXPECT_STREQ(name->symbol, c.symbol);
        EXPECT_STREQ(name->name, c.name);
    }
    EXPECT_FALSE(NameUnderScheme(NamingScheme::AcsRecommended, 103));
    EXPECT_FALSE(NameUnderScheme(NamingScheme::AcsRecommended, 110));
}

TEST(NamingScheme, SettingOutsideOneToThreeFallsBackToProvisional)
{
    EXPECT_EQ(NamingSchemeFromSetting(2), NamingScheme::IupacRecommended);
    EXPECT_EQ(NamingSchemeFromSetting(3), NamingScheme::AcsRecommended);
    for (const int value : {0, 4, -1, 42})
        EXPECT_EQ(NamingSchemeFromSetting(value), NamingScheme::IupacProvisional) << value;
}
