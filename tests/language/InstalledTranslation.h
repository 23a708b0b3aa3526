#pragma once

#include "startup/Translations.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <gtest/gtest.h>

#include <memory>

namespace fw::test {

// The languages the tests show: the program's own texts ("ja", no file) and
// every translation the build made.
inline QStringList shownLanguages()
{
    return QStringList{QStringLiteral("ja")} +
           translatedLanguages({QStringLiteral(FINWICKS_TRANSLATIONS_DIR)});
}

// The program's translation for `language` installed for the object's life;
// "ja" installs none.
class InstalledTranslation
{
public:
    explicit InstalledTranslation(const QString &language)
    {
        if (language == u"ja")
            return;
        m_translator = std::make_unique<QTranslator>();
        EXPECT_TRUE(m_translator->load(QStringLiteral("finwicks_") + language,
                                       QStringLiteral(FINWICKS_TRANSLATIONS_DIR)))
            << language.toStdString();
        QCoreApplication::installTranslator(m_translator.get());
    }
    ~InstalledTranslation()
    {
        if (m_translator)
            QCoreApplication::removeTranslator(m_translator.get());
    }
    InstalledTranslation(const InstalledTranslation &) = delete;
    InstalledTranslation &operator=(const InstalledTranslation &) = delete;

private:
    std::unique_ptr<QTranslator> m_translator;
};

} // namespace fw::test
