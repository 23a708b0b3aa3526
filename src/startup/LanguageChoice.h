#pragma once

#include <QString>
#include <QStringList>

namespace fw {

// The texts of the program are written in Japanese; other languages come
// from translation files.
inline constexpr char16_t SourceLanguage[] = u"ja";

// The language to show for the user's UI languages, in order of preference
// (as QLocale::uiLanguages() gives them: "de-DE", "en", "C"), among the
// languages with a shipped translation. The first that can be shown wins;
// Japanese and the C/POSIX locale mean the program's own texts; when none
// can be shown, English.
QString chooseLanguage(const QStringList &uiLanguages, const QStringList &translated);

} // namespace fw
