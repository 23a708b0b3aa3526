#include "state/NameLists.h"
#include "support/TextDrawCheck.h"

#include <QImage>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace {

// What a tank prints: every given name of the pool, each character of the
// clock (printed one by one), and the lines of the information texts.
QStringList textsInUse()
{
    QStringList texts;
    for (const QStringView list : {fw::femaleNameList(), fw::maleNameList()})
        for (const QStringView name : list.tokenize(u',', Qt::SkipEmptyParts))
            texts << name.toString();
    for (const QChar c : QStringLiteral("0123456789/:"))
        texts << QString(c);
    texts << QStringLiteral("  名前:ﾁﾖ ﾉ ｶﾜ") << QStringLiteral("  生後:1234日")
          << QStringLiteral("  性別:ｵｽ") << QStringLiteral("  性別:ﾒｽ")
          << QStringLiteral("  水温:26℃") << QStringLiteral("  前回水換日:2026/12/01")
          << QStringLiteral("  水質: ") << QStringLiteral("  状態:");
    return texts;
}

} // namespace

TEST(LabelText, EveryTextATankPrintsIsBlendedAsQtDrawsIt)
{
    QImage plain(260, 40, QImage::Format_RGB32);
    plain.fill(Qt::black);
    const QImage picture = fw::test::noise(plain.size(), 11);
    int largest = 0;
    for (const QString &text : textsInUse()) {
        for (const std::uint32_t pen : {0xffffffu, 0x00ffffu}) {
            for (const QImage &under : {plain, picture}) {
                const auto result = fw::test::compareWithQt(text, QPoint(6, 8), pen, under);
                EXPECT_TRUE(result.blendedByUs) << text.toStdString();
                largest = std::max(largest, result.largestDifference);
            }
        }
    }
    std::printf("largest difference from Qt's drawing over %lld texts: %d of 255\n",
                static_cast<long long>(textsInUse().size()), largest);
    EXPECT_LE(largest, 6);
}
