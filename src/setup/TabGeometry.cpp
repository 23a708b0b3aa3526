#include "setup/TabGeometry.h"

namespace fw {

namespace {

constexpr int TabPitch = 1800;
constexpr int TabTop = 120;

int tabOffset(int k)
{
    return TabPitch * (k - 1);
}

} // namespace

QPoint twipsToPixels(QPoint twips)
{
    return {twipsToPixels(twips.x()), twipsToPixels(twips.y())};
}

QRect twipsToPixels(const QRect &twips)
{
    return {twipsToPixels(twips.x()), twipsToPixels(twips.y()), twipsToPixels(twips.width()),
            twipsToPixels(twips.height())};
}

QLine twipsToPixels(const QLine &twips)
{
    return {twipsToPixels(twips.p1()), twipsToPixels(twips.p2())};
}

QSize setupClientTwips()
{
    return {8130, 5955};
}

QRect paneTwips()
{
    return {180, 480, 7815, 4755};
}

TabLines tabLines(int k)
{
    const int x = tabOffset(k);
    const int bottom = paneTwips().top();
    return {QLine(660 + x, TabTop, 480 + x, bottom), QLine(660 + x, TabTop, 2100 + x, TabTop),
            QLine(2100 + x, TabTop, 2280 + x, bottom)};
}

QRect tabCaptionTwips(int k)
{
    return {540 + tabOffset(k), 180, 1695, 270};
}

QLine tabOpeningTwips(int active)
{
    const TabLines lines = tabLines(active);
    const int y = paneTwips().top();
    return {lines.first.x2() + 20, y, lines.third.x2() - 20, y};
}

} // namespace fw
