#pragma once

#include "state/AppState.h"

#include <QString>
#include <QStringView>

namespace fw {

class Clock;

// The fish register tab's rules on the working fish table: the rows of the
// list, the checks of a new name, renaming and releasing. Positions are
// 1-based, as in the fish tables.

// Bytes the text takes in the Japanese double-byte code page (Shift JIS as
// Windows extends it): 2 for a full-width character, 1 for a half-width one.
int doubleByteLength(QStringView text);
// Whether every character of the text exists in that code page, so the
// settings file can hold it.
bool fitsDoubleByteCodePage(QStringView text);

// The header above the list; its start-date column stays empty.
QString registerHeader();

// One row of the list for the working fish at `position`:
// species | name padded to 10 bytes | sex | age in days 日 | condition |
QString registerRow(const AppState &state, const Clock &clock, int position);

// The trimmed name of the working fish at `position`, as the name box shows it.
QString registerName(const AppState &state, const Clock &clock, int position);

// The text with trailing half-width spaces removed.
QString withoutTrailingSpaces(QStringView text);

enum class NameCheck
{
    Accepted,
    Missing,     // the box is empty but the fish has a name
    TooLong,     // more than 10 bytes
    Duplicate,   // another fish wears it
    Unencodable, // a character the settings file cannot hold
};

// The two lines of the warning shown for a refused name; empty for Accepted.
struct NameError
{
    QString problem;
    QString advice;
};
NameError nameErrorText(NameCheck check);

// Checks `text` (as typed) as the new name of the working fish `selected`.
NameCheck checkNewName(const AppState &state, int selected, QStringView text);

// Checks and, when accepted, stores the new name (ten characters, spaces for
// none) in the working fish `selected`. Nothing is stored otherwise.
NameCheck renameFish(AppState &state, int selected, QStringView text);

// Why a release or the register itself is refused.
QString emptyTankMessage(); // "水槽には魚が１匹も入っていません"
QString lastFishMessage();  // "最低１匹は水槽の中に入れておいて下さい"
QString refusalTitle();     // "機能制限"
QString nameErrorTitle();   // "エラーメッセージ"
QString releaseTitle();     // "水槽から出す"
// The question asked before the fish called `trimmedName` leaves the tank,
// and its two answers: release, keep.
QString releaseQuestion(const QString &trimmedName);
QString releaseAnswer();
QString keepAnswer();
// Says that names starting with "*" were given automatically and are not
// drawn in the tank; shown where automatic names are in Latin letters.
QString automaticNamesNote();

// Whether the working fish `selected` may leave: never the last one.
bool canRelease(const AppState &state);

// Removes the working fish `selected`: the fish after it move up one place in
// their order, the last place is blanked, the count drops by one and the name
// pool is marked stale so the name becomes free. False (nothing changed) when
// it is the last fish or `selected` is no fish.
bool releaseFish(AppState &state, int selected);

} // namespace fw
