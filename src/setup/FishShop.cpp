#include "setup/FishShop.h"

#include <QCoreApplication>

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
    QT_TRANSLATE_NOOP("FishShop", "科名："),   QT_TRANSLATE_NOOP("FishShop", "学名："),
    QT_TRANSLATE_NOOP("FishShop", "原産："),   QT_TRANSLATE_NOOP("FishShop", "水温："),
    QT_TRANSLATE_NOOP("FishShop", "水質："),   QT_TRANSLATE_NOOP("FishShop", "サイズ："),
    QT_TRANSLATE_NOOP("FishShop", "生息域："), QT_TRANSLATE_NOOP("FishShop", "飼育："),
    QT_TRANSLATE_NOOP("FishShop", "繁殖："),
};

const std::array<CatalogueEntry, SpeciesCount> catalogue = {{
    {QT_TRANSLATE_NOOP("FishShop", "ｴﾝｾﾞﾙﾌｨｯｼｭ"),
     {QT_TRANSLATE_NOOP("FishShop", "シクリ科"), "Pterophyllum scalare",
      QT_TRANSLATE_NOOP("FishShop", "南米アマゾン川"), QT_TRANSLATE_NOOP("FishShop", "24～28℃"),
      QT_TRANSLATE_NOOP("FishShop", "弱酸性～中性"), QT_TRANSLATE_NOOP("FishShop", "12㎝"),
      QT_TRANSLATE_NOOP("FishShop", "上層～下層"), QT_TRANSLATE_NOOP("FishShop", "容易"),
      QT_TRANSLATE_NOOP("FishShop", "容易")},
     QT_TRANSLATE_NOOP(
         "FishShop",
         "上下に伸びる長いヒレが特徴で、その美しいスタイルと、飼育が簡単なことから人気が高い。")},
    {QT_TRANSLATE_NOOP("FishShop", "ｸﾞﾛｰﾗｲﾄﾃﾄﾗ"),
     {QT_TRANSLATE_NOOP("FishShop", "カラシン科"), "Hemigrammus erythrozonus",
      QT_TRANSLATE_NOOP("FishShop", "南米アマゾン川（ギアナ高地流域）"),
      QT_TRANSLATE_NOOP("FishShop", "24～28℃"), QT_TRANSLATE_NOOP("FishShop", "弱酸性～中性"),
      QT_TRANSLATE_NOOP("FishShop", "4㎝"), QT_TRANSLATE_NOOP("FishShop", "中層～下層"),
      QT_TRANSLATE_NOOP("FishShop", "容易"), QT_TRANSLATE_NOOP("FishShop", "普通")},
     QT_TRANSLATE_NOOP("FishShop", "体の中心を走るオレンジ色のラインが美しい魚。")},
    {QT_TRANSLATE_NOOP("FishShop", "ﾈｵﾝﾃﾄﾗ    "),
     {QT_TRANSLATE_NOOP("FishShop", "カラシン科"), "Paracheirodon innesi",
      QT_TRANSLATE_NOOP("FishShop", "南米アマゾン川"), QT_TRANSLATE_NOOP("FishShop", "24～28℃"),
      QT_TRANSLATE_NOOP("FishShop", "弱酸性～中性"), QT_TRANSLATE_NOOP("FishShop", "4㎝"),
      QT_TRANSLATE_NOOP("FishShop", "上層～下層"), QT_TRANSLATE_NOOP("FishShop", "容易"),
      QT_TRANSLATE_NOOP("FishShop", "難しい")},
     QT_TRANSLATE_NOOP("FishShop",
                       "熱帯魚の中でも最もポピュラーな種類で、入門魚として親しまれている。")},
    {QT_TRANSLATE_NOOP("FishShop", "ｼﾙﾊﾞｰﾊﾁｪｯﾄ"),
     {QT_TRANSLATE_NOOP("FishShop", "ガステロペレック科"), "Gasteropelecus sternicla",
      QT_TRANSLATE_NOOP("FishShop", "アマゾン川流域"), QT_TRANSLATE_NOOP("FishShop", "23～28℃"),
      QT_TRANSLATE_NOOP("FishShop", "弱酸性"), QT_TRANSLATE_NOOP("FishShop", "6㎝"),
      QT_TRANSLATE_NOOP("FishShop", "上層"), QT_TRANSLATE_NOOP("FishShop", "容易"),
      QT_TRANSLATE_NOOP("FishShop", "難しい")},
     QT_TRANSLATE_NOOP("FishShop", "胸びれが大きく発達ている。水面付近に生息。")},
    {QT_TRANSLATE_NOOP("FishShop", "ｺﾘﾄﾞﾗｽｱﾙｸｱｰﾄｽ"),
     {QT_TRANSLATE_NOOP("FishShop", "カリクティ科"), "Corydoras arcuatus",
      QT_TRANSLATE_NOOP("FishShop", "ペルー"), QT_TRANSLATE_NOOP("FishShop", "22～28℃"),
      QT_TRANSLATE_NOOP("FishShop", "弱酸性～中性"), QT_TRANSLATE_NOOP("FishShop", "5㎝"),
      QT_TRANSLATE_NOOP("FishShop", "下層"), QT_TRANSLATE_NOOP("FishShop", "容易"),
      QT_TRANSLATE_NOOP("FishShop", "難しい")},
     QT_TRANSLATE_NOOP("FishShop", "頭から尾びれに伸びる黒いラインが特徴。")},
    {QT_TRANSLATE_NOOP("FishShop", "ｺﾘﾄﾞﾗｽｱｴﾈｳｽｱﾙﾋﾞﾉ"),
     {QT_TRANSLATE_NOOP("FishShop", "カリクティ科"), "Corydoras aeneus var.",
      QT_TRANSLATE_NOOP("FishShop", "改良品種"), QT_TRANSLATE_NOOP("FishShop", "22～28℃"),
      QT_TRANSLATE_NOOP("FishShop", "弱酸性～中性"), QT_TRANSLATE_NOOP("FishShop", "6㎝"),
      QT_TRANSLATE_NOOP("FishShop", "上層"), QT_TRANSLATE_NOOP("FishShop", "容易"),
      QT_TRANSLATE_NOOP("FishShop", "普通")},
     QT_TRANSLATE_NOOP("FishShop", "コリドラスアエネウスのアルビノ変異個体。")},
}};

// Names and facts of the catalogue in the user's language; the scientific
// names have no entry and stay as they are.
QString shopText(const char *text)
{
    return QCoreApplication::translate("FishShop", text);
}

} // namespace

QStringList shopSpeciesNames()
{
    QStringList names;
    for (const CatalogueEntry &entry : catalogue)
        names << shopText(entry.listName);
    return names;
}

QStringList shopSexChoices()
{
    return {QCoreApplication::translate("FishShop", "混ぜて"),
            QCoreApplication::translate("FishShop", "メス"),
            QCoreApplication::translate("FishShop", "オス")};
}

QStringList shopAgeChoices()
{
    return {QCoreApplication::translate("FishShop", "混ぜて"),
            QCoreApplication::translate("FishShop", "成魚"),
            QCoreApplication::translate("FishShop", "幼魚")};
}

QString catalogueText(int code)
{
    const bool known = code >= 0 && code < SpeciesCount;
    const QString lineEnd = QStringLiteral("\r\n");
    QString text;
    for (std::size_t i = 0; i < catalogueLabels.size(); ++i) {
        text += shopText(catalogueLabels[i]);
        if (known)
            text += shopText(catalogue[code].values[i]);
        text += lineEnd;
    }
    if (known)
        text += shopText(catalogue[code].description);
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

namespace {

// A count in a sentence: the Japanese form writes it in two digits (%1); a
// translation may write it plainly (%n) in its plural form for the count.
QString countInText(const char *source, int count)
{
    const QString form = QCoreApplication::translate("FishShop", source, nullptr, count);
    return form.contains(QLatin1String("%1")) ? form.arg(twoDigits(count)) : form;
}

} // namespace

QString remainingText(int fishCount)
{
    return countInText(QT_TRANSLATE_N_NOOP("FishShop", "あと%1匹"), remainingRoom(fishCount));
}

QString countText(int count)
{
    return countInText(QT_TRANSLATE_N_NOOP("FishShop", "%1匹"), count);
}

} // namespace fw
