#include "startup/LanguageChoice.h"

namespace fw {

namespace {

// "de-DE", "de_DE.UTF-8" and "de" all name the language "de".
QString languageOf(const QString &uiLanguage)
{
    qsizetype end = 0;
    while (end < uiLanguage.size() && uiLanguage.at(end).isLetter())
        ++end;
    return uiLanguage.left(end).toLower();
}

// "pt-BR" and "pt_BR.UTF-8" name the translation "pt_BR".
QString regionalOf(const QString &uiLanguage)
{
    return uiLanguage.section(u'.', 0, 0).replace(u'-', u'_');
}

} // namespace

QString chooseLanguage(const QStringList &uiLanguages, const QStringList &translated)
{
    const QString source = QString::fromUtf16(SourceLanguage);
    for (const QString &uiLanguage : uiLanguages) {
        const QString language = languageOf(uiLanguage);
        if (language == u"c" || language == u"posix" || language == source)
            return source;
        const QString regional = regionalOf(uiLanguage);
        if (translated.contains(regional))
            return regional;
        if (translated.contains(language))
            return language;
    }
    return QStringLiteral("en");
}

} // namespace fw
