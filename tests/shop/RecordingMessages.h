#pragma once

#include "setup/ui/FishShopMessages.h"

#include <QString>
#include <QStringList>

namespace fw::test {

// Remembers every message box a tab would show and answers its questions
// with a preset reply.
class RecordingMessages final : public FishShopMessages
{
public:
    bool answer = true;
    QStringList shown;   // "kind|title|text"
    QStringList answers; // a question's buttons: "yes|no"

    void information(QWidget *, const QString &title, const QString &text) override
    {
        shown << QStringLiteral("information|%1|%2").arg(title, text);
    }
    void warning(QWidget *, const QString &title, const QString &text) override
    {
        shown << QStringLiteral("warning|%1|%2").arg(title, text);
    }
    bool askYesNo(QWidget *, const QString &title, const QString &text, const QString &yesText,
                  const QString &noText) override
    {
        shown << QStringLiteral("question|%1|%2").arg(title, text);
        answers << QStringLiteral("%1|%2").arg(yesText, noText);
        return answer;
    }
};

} // namespace fw::test
