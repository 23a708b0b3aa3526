#include "startup/LanguageChoice.h"
#include "startup/Translations.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace fw {
namespace {

QStringList list(const char *languages)
{
    return QString::fromLatin1(languages).split(u',', Qt::SkipEmptyParts);
}

const QStringList shipped{QStringLiteral("en")};

TEST(LanguageChoiceTest, FirstUiLanguageWithATranslationWins)
{
    // LANGUAGE=de:en: German has no translation, English has.
    EXPECT_EQ(chooseLanguage(list("de,de-Latn-DE,de-DE,en,en-Latn-US,en-US"), shipped), u"en");
    // LANGUAGE=fr:ja: the program's own Japanese comes before English.
    EXPECT_EQ(chooseLanguage(list("fr,fr-Latn-FR,fr-FR,ja,ja-Jpan-JP,ja-JP"), shipped), u"ja");
    EXPECT_EQ(chooseLanguage(list("en-US,en-Latn-US,en"), shipped), u"en");
    EXPECT_EQ(chooseLanguage(list("en_GB.UTF-8"), shipped), u"en");
    // A later shipped language is taken over English when it comes first.
    EXPECT_EQ(chooseLanguage(list("de-DE,en"), {QStringLiteral("en"), QStringLiteral("de")}),
              u"de");
    // A regional translation is taken for its region, the plain one for others.
    const QStringList portuguese{QStringLiteral("pt_BR"), QStringLiteral("pt")};
    EXPECT_EQ(chooseLanguage(list("pt-BR,pt"), portuguese), u"pt_BR");
    EXPECT_EQ(chooseLanguage(list("pt-PT,pt"), portuguese), u"pt");
}

TEST(LanguageChoiceTest, JapaneseAndTheCLocaleShowTheProgramsOwnTexts)
{
    EXPECT_EQ(chooseLanguage(list("ja-JP,ja-Jpan-JP,ja"), shipped), u"ja");
    EXPECT_EQ(chooseLanguage(list("ja"), shipped), u"ja");
    EXPECT_EQ(chooseLanguage(list("C"), shipped), u"ja");
    EXPECT_EQ(chooseLanguage(list("POSIX"), shipped), u"ja");
    // With no translation installed at all the choice stays the same.
    EXPECT_EQ(chooseLanguage(list("C"), {}), u"ja");
}

TEST(LanguageChoiceTest, EveryOtherLanguageFallsBackToEnglish)
{
    EXPECT_EQ(chooseLanguage(list("fr-FR,fr-Latn-FR,fr"), shipped), u"en");
    EXPECT_EQ(chooseLanguage(list("fr_FR"), shipped), u"en");
    EXPECT_EQ(chooseLanguage(list("de"), shipped), u"en");
    EXPECT_EQ(chooseLanguage({}, shipped), u"en");
    // "jam" (Jamaican Creole) is not Japanese.
    EXPECT_EQ(chooseLanguage(list("jam"), shipped), u"en");
}

TEST(TranslationFoldersTest, InstalledFolderBesideBinAndTheBuildFolder)
{
    const QStringList folders = translationFolders(QStringLiteral("/usr/bin"));
    EXPECT_EQ(folders.value(0), u"/usr/share/finwicks/translations");
    EXPECT_EQ(folders.value(1), u"/usr/bin/translations");
}

TEST(TranslationFoldersTest, LanguagesComeFromTheProgramsOwnFilesOnly)
{
    QTemporaryDir a, b;
    for (const auto &[dir, name] :
         {std::pair{&a, "finwicks_en.qm"}, std::pair{&a, "qtbase_de.qm"},
          std::pair{&b, "finwicks_en.qm"}, std::pair{&b, "finwicks_pt_BR.qm"},
          std::pair{&b, "finwicks_fr.ts"}}) {
        QFile file(dir->filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(translatedLanguages({a.path(), b.path(), QStringLiteral("/nonexistent")}),
              (QStringList{QStringLiteral("en"), QStringLiteral("pt_BR")}));
}

} // namespace
} // namespace fw
