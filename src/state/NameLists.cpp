#include "state/NameLists.h"

#include <QCoreApplication>

namespace fw {

namespace {

// The given names, each followed by a comma, in the order the pool offers
// them; kept in the groups they were collected in.
const char16_t *const femaleNames = u"歩惟,綾華,泉美,伊代,詩恵,小春,詠華,絵莉,音慧,織絵,"
                                    u"伽奈,果凛,公佳,恭香,玖美,来美,惠果,恵子,梢枝,好美,"
                                    u"沙絵,咲恵,志織,紫乃,鈴菜,澄嶺,誓子,芹奈,荘子,園恵,"
                                    u"妙子,珠絵,稚里,千夏,月絵,山茶,訂子,輝絵,燈子,朋江,"
                                    u"菜摘,波絵,西乃,日伽,縫子,塗絵,寧々,音魅,望美,紀子,"
                                    u"蓮水,春海,寛枝,弘美,風子,文華,平子,紅子,星恵,保美,"
                                    u"真衣,麻弥,美華,端樹,睦枝,胸魅,茗子,恵実,萌枝,桃香,"
                                    u"弥江,康子,結衣,祐里,陽子,依伽,"
                                    u"蘭々,蘭子,莉菜,涼子,瑠維,流美,玲子,伶奈,露菜,路美,"
                                    u"和嘉,若奈,"
                                    u"Ａ,Ｂ,Ｃ,Ｄ,Ｅ,Ｆ,Ｇ,Ｈ,Ｉ,Ｊ,Ｋ,Ｌ,";

const char16_t *const maleNames = u"敦士,章弘,壱郎,郁夫,歌麿,海人,栄二,越雄,桜外,治虫,"
                                  u"景緒,和希,公章,潔人,楠雄,邦裕,健司,佳祐,康造,黒竜,"
                                  u"佐助,智士,志郎,信一,澄明,末信,誠幸,聖也,創祐,創太,"
                                  u"崇也,拓実,親徳,陳平,次敏,常好,徹昭,輝和,時央,利則,"
                                  u"直宏,成敏,日隆,仁覺,塗緒,濡吉,寧宗,猫善,信人,則晶,"
                                  u"隼雄,春俊,久嗣,英憲,房徳,文慶,平六,弁栄,豊助,法龍,"
                                  u"聖人,丸男,幹春,満義,宗彰,胸永,明蔵,芽澪,素延,森治,"
                                  u"安昭,康良,祐希,悠佑,遥佑,喜幸,"
                                  u"頼太,乱蔵,律男,涼司,塁平,涙人,零一,麗矢,六助,魯文,"
                                  u"鷲雄,渡瑠,"
                                  u"ａ,ｂ,ｃ,ｄ,ｅ,ｆ,ｇ,ｈ,ｉ,ｊ,ｋ,ｌ,";

// The same names in Latin letters (Hepburn, without macrons), name for name
// and in the same order, for a user interface that is not Japanese. Each fits
// the name field after the automatic marker: at most nine letters.
const char16_t *const femaleLatinNames =
    u"Ai,Ayaka,Izumi,Iyo,Utae,Koharu,Eika,Eri,Otoe,Orie,"
    u"Kana,Karin,Kimika,Kyoka,Kumi,Kurumi,Keika,Keiko,Kozue,Konomi,"
    u"Sae,Sakie,Shiori,Shino,Suzuna,Sumire,Seiko,Serina,Soko,Sonoe,"
    u"Taeko,Tamae,Chisato,Chinatsu,Tsukie,Tsubaki,Teiko,Terue,Toko,Tomoe,"
    u"Natsumi,Namie,Nishino,Nika,Nuiko,Nurie,Nene,Nemi,Nozomi,Noriko,"
    u"Hasumi,Harumi,Hiroe,Hiromi,Fuko,Fumika,Heiko,Beniko,Hoshie,Homi,"
    u"Mai,Maya,Mika,Mizuki,Mutsue,Munemi,Meiko,Megumi,Moe,Momoka,"
    u"Yae,Yasuko,Yui,Yuri,Yoko,Yoka,"
    u"Ranran,Ranko,Rina,Ryoko,Rui,Rumi,Reiko,Reina,Rona,Romi,"
    u"Waka,Wakana,"
    u"A,B,C,D,E,F,G,H,I,J,K,L,";

const char16_t *const maleLatinNames =
    u"Atsushi,Akihiro,Ichiro,Ikuo,Utamaro,Umito,Eiji,Etsuo,Ogai,Osamu,"
    u"Kageo,Kazuki,Kimiaki,Kiyoto,Kusuo,Kunihiro,Kenji,Keisuke,Kozo,Kokuryu,"
    u"Sasuke,Satoshi,Shiro,Shinichi,Sumiaki,Suenobu,Masayuki,Seiya,Sosuke,Sota,"
    u"Takaya,Takumi,Chikanori,Chinpei,Tsuguhaya,Tsuneyo,Tetsuaki,Terukazu,Tokio,Toshinori,"
    u"Naohiro,Naritoshi,Nichiryu,Ninkaku,Nurio,Nurekichi,Neiso,Nekoyoshi,Nobuto,Noriaki,"
    u"Hayao,Harutoshi,Hisatsugu,Hidenori,Fusanori,Fumiyoshi,Heiroku,Benei,Hosuke,Horyu,"
    u"Masato,Maruo,Mikiharu,Mitsugi,Muneaki,Munenaga,Meizo,Merei,Motonobu,Moriji,"
    u"Yasuaki,Yasunaga,Yuki,Yusuke,Yosuke,Yoshiyuki,"
    u"Raita,Ranzo,Ritsuo,Ryoji,Ruihei,Ruito,Reiichi,Reiya,Rokusuke,Robun,"
    u"Washio,Wataru,"
    u"a,b,c,d,e,f,g,h,i,j,k,l,";

} // namespace

QStringView femaleNameList()
{
    return QStringView(femaleNames);
}

QStringView maleNameList()
{
    return QStringView(maleNames);
}

bool namesInLatinLetters()
{
    //: Not shown. Translate as "Latin" when the fish's automatic names are
    //: to be written in Latin letters for this language.
    return QCoreApplication::translate("NameLists", "漢字") == u"Latin";
}

QStringView femaleLatinNameList()
{
    return QStringView(femaleLatinNames);
}

QStringView maleLatinNameList()
{
    return QStringView(maleLatinNames);
}

} // namespace fw
