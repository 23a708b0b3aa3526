#include "setup/ui/FishShopMessages.h"

#include <QMessageBox>
#include <QPushButton>

namespace fw {

namespace {

void showOk(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

} // namespace

void FishShopMessageBoxes::information(QWidget *parent, const QString &title, const QString &text)
{
    showOk(parent, QMessageBox::Information, title, text);
}

void FishShopMessageBoxes::warning(QWidget *parent, const QString &title, const QString &text)
{
    showOk(parent, QMessageBox::Warning, title, text);
}

bool FishShopMessageBoxes::askYesNo(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("はい(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("いいえ(&N)"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

FishShopMessageBoxes &FishShopMessageBoxes::standard()
{
    static FishShopMessageBoxes boxes;
    return boxes;
}

} // namespace fw
