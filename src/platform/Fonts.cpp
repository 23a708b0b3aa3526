#include "platform/Fonts.h"

#include <QFontMetricsF>
#include <QStringList>

#include <cmath>

namespace fw {

namespace {

const QStringList &proportionalFamilies()
{
    static const QStringList families{
        QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP"),
        QStringLiteral("IPAPGothic"),       QStringLiteral("VL PGothic"),
        QStringLiteral("TakaoPGothic"),     QStringLiteral("Droid Sans Fallback")};
    return families;
}

const QStringList &monospaceFamilies()
{
    static const QStringList families{QStringLiteral("Noto Sans Mono CJK JP"),
                                      QStringLiteral("IPAGothic"), QStringLiteral("VL Gothic"),
                                      QStringLiteral("TakaoGothic")};
    return families;
}

} // namespace

QFont surfaceFont()
{
    QFont font;
    font.setFamilies(proportionalFamilies());
    font.setPixelSize(18);
    font.setBold(true);
    font.setItalic(true);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont uiFont()
{
    QFont font;
    font.setFamilies(proportionalFamilies());
    font.setPixelSize(12);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont fixedPitchFont()
{
    QFont font;
    font.setFamilies(monospaceFamilies());
    font.setPixelSize(12);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    // Kerning would pull pairs of cells together and break the columns.
    font.setKerning(false);
    return font;
}

bool hasDoubleWidthCells(const QFont &font)
{
    const QFontMetricsF metrics(font);
    const double half = metrics.horizontalAdvance(QLatin1Char('0'));
    if (half <= 0)
        return false;
    const QString halfSample = QStringLiteral("AZaz09 ｱﾒｽｵ*-");
    const QString fullSample = QStringLiteral("あア漢字水槽熱帯魚：（）　");
    for (const QChar c : halfSample) {
        if (std::abs(metrics.horizontalAdvance(c) - half) > 0.01)
            return false;
    }
    for (const QChar c : fullSample) {
        if (std::abs(metrics.horizontalAdvance(c) - 2 * half) > 0.01)
            return false;
    }
    return std::abs(metrics.horizontalAdvance(QStringLiteral("ab")) - 2 * half) < 0.01;
}

} // namespace fw
