#include "startup/Translations.h"

#include "startup/LanguageChoice.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace fw {

namespace {

const QString prefix = QStringLiteral("finwicks_");

} // namespace

QStringList translationFolders(const QString &applicationDir)
{
    return {QDir::cleanPath(applicationDir + QStringLiteral("/../share/finwicks/translations")),
            applicationDir + QStringLiteral("/translations")};
}

QStringList translatedLanguages(const QStringList &folders)
{
    QStringList languages;
    for (const QString &folder : folders) {
        const QStringList files =
            QDir(folder).entryList({prefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
        for (const QString &file : files) {
            const QString language = file.mid(prefix.size()).chopped(3);
            if (!languages.contains(language))
                languages << language;
        }
    }
    return languages;
}

QString Translations::install(const QStringList &uiLanguages, const QString &applicationDir)
{
    const QStringList folders = translationFolders(applicationDir);
    const QString language = chooseLanguage(uiLanguages, translatedLanguages(folders));
    // Qt's own texts first, so the program's translation wins where both
    // have one.
    if (m_qt.load(QStringLiteral("qtbase_") + language,
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
    if (language == QString::fromUtf16(SourceLanguage))
        return language;
    for (const QString &folder : folders) {
        if (m_program.load(prefix + language, folder)) {
            QCoreApplication::installTranslator(&m_program);
            break;
        }
    }
    return language;
}

} // namespace fw
