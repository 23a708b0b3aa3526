#include "platform/ui/MessageBox.h"

#include "platform/Fonts.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace fw {

namespace {

class CentredMessageBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event);
        // Without a window manager nobody else places the box; with one,
        // this is where the dialogs of the program belong anyway.
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
        raise();
        activateWindow();
    }
};

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

} // namespace

MessageResult showMessage(QWidget *parent, const QString &title, const QString &text,
                          MessageIcon icon, MessageButtons buttons, const QString &yesText,
                          const QString &noText)
{
    CentredMessageBox box(toQtIcon(icon), title, text, QMessageBox::NoButton, parent,
                          Qt::Dialog | Qt::WindowStaysOnTopHint);
    box.setFont(uiFont());
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    if (buttons == MessageButtons::YesNo) {
        QPushButton *yes = box.addButton(
            yesText.isEmpty() ? QCoreApplication::translate("MessageBox", "はい(&Y)") : yesText,
            QMessageBox::YesRole);
        QPushButton *no = box.addButton(
            noText.isEmpty() ? QCoreApplication::translate("MessageBox", "いいえ(&N)") : noText,
            QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? MessageResult::Yes : MessageResult::No;
    }
    QPushButton *ok =
        box.addButton(QCoreApplication::translate("MessageBox", "OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return MessageResult::Ok;
}

void showInformation(QWidget *parent, const QString &title, const QString &text)
{
    showMessage(parent, title, text, MessageIcon::Information, MessageButtons::Ok);
}

void showWarning(QWidget *parent, const QString &title, const QString &text)
{
    showMessage(parent, title, text, MessageIcon::Warning, MessageButtons::Ok);
}

bool askYesNo(QWidget *parent, const QString &title, const QString &text, const QString &yesText,
              const QString &noText)
{
    return showMessage(parent, title, text, MessageIcon::Question, MessageButtons::YesNo, yesText,
                       noText) == MessageResult::Yes;
}

} // namespace fw
