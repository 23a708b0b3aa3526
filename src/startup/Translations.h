#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace fw {

// The folders that may hold the program's translations: the installed one
// beside the program's bin/ folder, and the build folder's, so a run from
// the build tree finds them too.
QStringList translationFolders(const QString &applicationDir);

// The languages with a translation file "finwicks_<language>.qm" in `folders`.
QStringList translatedLanguages(const QStringList &folders);

// Installs the program's translation and Qt's own for the user's language
// into the running application, for as long as it lives.
class Translations
{
public:
    // Needs a QCoreApplication. Returns the language now shown.
    QString install(const QStringList &uiLanguages, const QString &applicationDir);

private:
    QTranslator m_program;
    QTranslator m_qt;
};

} // namespace fw
