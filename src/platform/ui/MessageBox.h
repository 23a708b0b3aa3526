#pragma once

#include <QString>

class QWidget;

namespace fw {

enum class MessageIcon
{
    Information,
    Warning,
    Question,
};

enum class MessageButtons
{
    Ok,
    YesNo,
};

enum class MessageResult
{
    Ok,
    Yes,
    No,
};

// Shows a modal message box centred on the primary screen and returns the
// button pressed. Closing the box counts as OK, or as No when it asks Yes/No.
// It stays above the full-screen aquarium and works without a window manager.
// A question's buttons may say what they do ("Release", "Keep"); empty texts
// give Yes and No.
MessageResult showMessage(QWidget *parent, const QString &title, const QString &text,
                          MessageIcon icon, MessageButtons buttons, const QString &yesText = {},
                          const QString &noText = {});

// The common cases.
void showInformation(QWidget *parent, const QString &title, const QString &text);
void showWarning(QWidget *parent, const QString &title, const QString &text);
bool askYesNo(QWidget *parent, const QString &title, const QString &text,
              const QString &yesText = {}, const QString &noText = {});

} // namespace fw
