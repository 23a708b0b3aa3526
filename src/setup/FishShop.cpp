#include "setup/FishShop.h"

#include <array>
#include <cstdlib>

namespace fw {

namespace {

struct CatalogueEntry
{
    const char *listName;
    std::array<const char *, 9> values; // in the order of catalogueLabels
    const char *description;
};

constexpr std::array<const char *, 9> catalogueLabels = {
    "科名：", "学名：", "原産：", "水温：", "水質：", "サイズ：", "生息域：", "飼育：", "繁殖：",
};

// clang-format off
const std::array<CatalogueEntry, SpeciesCount> catalogue = {{
    {"ｴﾝｾﾞﾙﾌｨｯｼｭ",
     {"シクリ科", "Pterophyllum scalare", "南米アマゾン川", "24～28℃", "弱酸性～中性", "12㎝",
      "上層～下層", "容易", "容易"},
     "上下に伸びる長いヒレが特徴で、その美しいスタイルと、飼育が簡単なことから人気が高い。"},
    {"ｸﾞﾛｰﾗｲﾄﾃﾄﾗ",
     {"カラシン科", "Hemigrammus erythrozonus", "南米アマゾン川（ギアナ高地流域）", "24～28℃",
      "弱酸性～中性", "4㎝", "中層～下層", "容易", "普通"},
     "体の中心を走るオレンジ色のラインが美しい魚。"},
    {"ﾈｵﾝﾃﾄﾗ    ",
     {"カラシン科", "Paracheirodon innesi", "南米アマゾン川", "24～28℃", "弱酸性～中性", "4㎝",
      "上層～下層", "容易", "難しい"},
     "熱帯魚の中でも最もポピュラーな種類で、入門魚として親しまれている。"},
    {"ｼﾙﾊﾞｰﾊﾁｪｯﾄ",
     {"ガステロペレック科", "Gasteropelecus sternicla", "アマゾン川流域", "23～28℃", "弱酸性",
      "6㎝", "上層", "容易", "難しい"},
     "胸びれが大きく発達ている。水面付近に生息。"},
    {"ｺﾘﾄﾞﾗｽｱﾙｸｱｰﾄｽ",
     {"カリクティ科", "Corydoras arcuatus", "ペルー", "22～28℃", "弱酸性～中性", "5㎝", "下層",
      "容易", "難しい"},
     "頭から尾びれに伸びる黒いラインが特徴。"},
    {"ｺﾘﾄﾞﾗｽｱｴﾈｳｽｱﾙﾋﾞﾉ",
     {"カリクティ科", "Corydoras aeneus var.", "改良品種", "22～28℃", "弱酸性～中性", "6㎝",
      "上層", "容易", "普通"},
     "コリドラスアエネウスのアルビノ変異個体。"},
}};
// clang-format on

} // namespace

QStringList shopSpeciesNames()
{
    QStringList names;
    for (const CatalogueEntry &entry : catalogue)
        names << QString::fromUtf8(entry.listName);
    return names;
}

QStringList shopSexChoices()
{
    return {QStringLiteral("混ぜて"), QStringLiteral("メス"), QStringLiteral("オス")};
}

QStringList shopAgeChoices()
{
    return {QStringLiteral("混ぜて"), QStringLiteral("成魚"), QStringLiteral("幼魚")};
}

QString catalogueText(int code)
{
    const bool known = code >= 0 && code < SpeciesCount;
    const QString lineEnd = QStringLiteral("\r\n");
    QString text;
    for (std::size_t i = 0; i < catalogueLabels.size(); ++i) {
        text += QString::fromUtf8(catalogueLabels[i]);
        if (known)
            text += QString::fromUtf8(catalogue[code].values[i]);
        text += lineEnd;
    }
    if (known)
        text += QString::fromUtf8(catalogue[code].description);
    text += lineEnd;
    return text;
}

int remainingRoom(int fishCount)
{
    return TankCapacity - fishCount;
}

QString twoDigits(int value)
{
    const QString digits = QStringLiteral("%1").arg(std::abs(value), 2, 10, QLatin1Char('0'));
    return value < 0 ? QLatin1Char('-') + digits : digits;
}

QString remainingText(int fishCount)
{
    return QStringLiteral("あと") + twoDigits(remainingRoom(fishCount)) + QStringLiteral("匹");
}

QString countText(int count)
{
    return twoDigits(count) + QStringLiteral("匹");
}

} // namespace fw
