#include "setup/FishRegister.h"

#include "platform/Clock.h"
#include "state/Fish.h"
#include "state/FishCondition.h"

#include "platform/Conversions.h"
#include "state/Cp932.h"

#include <QCoreApplication>

namespace fw {

namespace {

constexpr int NameBytes = 10;
constexpr int NameField = 10;
// Wide enough for "抱卵中" and its English "With eggs".
constexpr int ConditionBytes = 9;

QString field(const AppState &state, const Clock &clock, int position, const char *key, bool asText)
{
    return GetFishField(state, clock, position, QString::fromLatin1(key), asText, true)
        .value_or(QString());
}

// The text followed by spaces up to `bytes` bytes; a longer one is not cut.
QString paddedToBytes(const QString &text, int bytes)
{
    return text + QString(std::max(0, bytes - doubleByteLength(text)), QLatin1Char(' '));
}

QString rightAligned(const QString &text, int width)
{
    return text.rightJustified(width, QLatin1Char(' '), false);
}

} // namespace

int doubleByteLength(QStringView text)
{
    return cp932ByteCount(text);
}

bool fitsDoubleByteCodePage(QStringView text)
{
    return decodeCp932(encodeCp932(text)) == text;
}

QString registerHeader()
{
    // Its columns line up with those of registerRow in a fixed-pitch font.
    return QCoreApplication::translate("FishRegister",
                                       " 魚の種類     名前    性別 生後    状態     飼い始め");
}

QString withoutTrailingSpaces(QStringView text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end).toString();
}

QString registerName(const AppState &state, const Clock &clock, int position)
{
    return trimmedSpaces(field(state, clock, position, "name", false)).toString();
}

QString registerRow(const AppState &state, const Clock &clock, int position)
{
    const QString name = registerName(state, clock, position);
    const QString condition = fishConditionText(fishCondition(state, clock, position, true));
    const QLatin1Char bar('|');
    return field(state, clock, position, "species", true) + bar + paddedToBytes(name, NameBytes) +
           bar + rightAligned(field(state, clock, position, "sex", true), 2) + bar +
           QCoreApplication::translate("FishRegister", "%1日")
               .arg(rightAligned(field(state, clock, position, "age", true), 4)) +
           bar + u' ' + paddedToBytes(condition, ConditionBytes) + bar;
}

NameError nameErrorText(NameCheck check)
{
    switch (check) {
    case NameCheck::Accepted:
        break;
    case NameCheck::Missing:
        return {QCoreApplication::translate("FishRegister", "名前が入力されていません"),
                QCoreApplication::translate("FishRegister", "名前を入力してください")};
    case NameCheck::TooLong:
        return {QCoreApplication::translate("FishRegister", "文字数オーバーです"),
                QCoreApplication::translate("FishRegister", "名前を短くしてください")};
    case NameCheck::Duplicate:
        return {QCoreApplication::translate("FishRegister", "すでに同じ名前の魚がいます"),
                QCoreApplication::translate("FishRegister", "名前を変更してください")};
    case NameCheck::Unencodable:
        return {QCoreApplication::translate("FishRegister", "使えない文字が含まれています"),
                QCoreApplication::translate("FishRegister", "名前を変更してください")};
    }
    return {};
}

NameCheck checkNewName(const AppState &state, int selected, QStringView text)
{
    const FishTable &table = state.workingFish;
    if (selected < 1 || selected > table.count)
        return NameCheck::Missing;
    const QString name = withoutTrailingSpaces(text);
    const QString current = withoutTrailingSpaces(table.at(selected).name());
    if (name.isEmpty() && !current.isEmpty())
        return NameCheck::Missing;
    // A character outside the code page would turn into "?" in the settings
    // file and could make the name longer than its field; refuse it here.
    if (!fitsDoubleByteCodePage(name))
        return NameCheck::Unencodable;
    if (doubleByteLength(name) > NameBytes || name.size() > NameField)
        return NameCheck::TooLong;
    if (!name.isEmpty()) {
        for (int j = 1; j <= table.count; ++j) {
            if (j != selected && withoutTrailingSpaces(table.at(j).name()) == name)
                return NameCheck::Duplicate;
        }
    }
    return NameCheck::Accepted;
}

NameCheck renameFish(AppState &state, int selected, QStringView text)
{
    const NameCheck check = checkNewName(state, selected, text);
    if (check != NameCheck::Accepted)
        return check;
    const QString name =
        withoutTrailingSpaces(text).leftJustified(NameField, QLatin1Char(' '), true);
    SetFishField(state, selected, u"name", name, true);
    return check;
}

QString emptyTankMessage()
{
    return QCoreApplication::translate("FishRegister", "水槽には魚が１匹も入っていません");
}

QString lastFishMessage()
{
    return QCoreApplication::translate("FishRegister", "最低１匹は水槽の中に入れておいて下さい");
}

QString refusalTitle()
{
    return QCoreApplication::translate("FishRegister", "機能制限");
}

QString nameErrorTitle()
{
    return QCoreApplication::translate("FishRegister", "エラーメッセージ");
}

QString releaseTitle()
{
    return QCoreApplication::translate("FishRegister", "水槽から出す");
}

QString releaseQuestion(const QString &trimmedName)
{
    return QCoreApplication::translate("FishRegister", "%1を水槽から出します\n"
                                                       "一度出したら、もう水槽には戻せません\n"
                                                       "出してよろしいですか？")
        .arg(trimmedName);
}

QString releaseAnswer()
{
    return QCoreApplication::translate("FishRegister", "はい(&Y)", "release the fish");
}

QString keepAnswer()
{
    return QCoreApplication::translate("FishRegister", "いいえ(&N)", "keep the fish");
}

QString automaticNamesNote()
{
    return QCoreApplication::translate(
        "FishRegister",
        "「*」で始まる名前は自動で付けた名前です。名前を変えるまで水槽には表示されません。");
}

bool canRelease(const AppState &state)
{
    return state.workingFish.count > 1;
}

bool releaseFish(AppState &state, int selected)
{
    FishTable &table = state.workingFish;
    if (!canRelease(state) || selected < 1 || selected > table.count)
        return false;
    // Each fish moves up with its own runtime values.
    for (int i = selected + 1; i <= table.count; ++i) {
        table.at(i - 1) = table.at(i);
        table.at(i) = FishRecord();
        state.workingValues[i - 1] = state.workingValues[i];
    }
    if (selected == table.count)
        table.at(selected) = FishRecord();
    --table.count;
    state.namePool.markStale();
    return true;
}

} // namespace fw
