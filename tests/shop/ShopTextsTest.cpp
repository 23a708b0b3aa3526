#include "setup/FishShop.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

TEST(ShopTexts, CountsAreTwoDigits)
{
    EXPECT_EQ(remainingText(95), QStringLiteral("あと04匹"));
    EXPECT_EQ(remainingText(99), QStringLiteral("あと00匹"));
    EXPECT_EQ(remainingText(0), QStringLiteral("あと99匹"));
    EXPECT_EQ(countText(0), QStringLiteral("00匹"));
    EXPECT_EQ(countText(7), QStringLiteral("07匹"));
    EXPECT_EQ(twoDigits(-1), QStringLiteral("-01"));
    EXPECT_EQ(twoDigits(123), QStringLiteral("123"));
}

TEST(ShopTexts, CatalogueEntryHasNineLabelledLinesAndTheDescription)
{
    EXPECT_EQ(catalogueText(1),
              QStringLiteral("科名：カラシン科\r\n学名：Hemigrammus erythrozonus\r\n"
                             "原産：南米アマゾン川（ギアナ高地流域）\r\n水温：24～28℃\r\n"
                             "水質：弱酸性～中性\r\nサイズ：4㎝\r\n生息域：中層～下層\r\n"
                             "飼育：容易\r\n繁殖：普通\r\n"
                             "体の中心を走るオレンジ色のラインが美しい魚。\r\n"));
    EXPECT_EQ(catalogueText(3),
              QStringLiteral("科名：ガステロペレック科\r\n学名：Gasteropelecus sternicla\r\n"
                             "原産：アマゾン川流域\r\n水温：23～28℃\r\n水質：弱酸性\r\n"
                             "サイズ：6㎝\r\n生息域：上層\r\n飼育：容易\r\n繁殖：難しい\r\n"
                             "胸びれが大きく発達ている。水面付近に生息。\r\n"));
    for (int code = 0; code < SpeciesCount; ++code)
        EXPECT_EQ(catalogueText(code).count(QStringLiteral("\r\n")), 10) << code;
}

TEST(ShopTexts, NoSelectionGivesTheBareLabels)
{
    EXPECT_EQ(catalogueText(-1),
              QStringLiteral("科名：\r\n学名：\r\n原産：\r\n水温：\r\n水質：\r\n"
                             "サイズ：\r\n生息域：\r\n飼育：\r\n繁殖：\r\n\r\n"));
    EXPECT_EQ(catalogueText(6), catalogueText(-1));
}

} // namespace
} // namespace fw
