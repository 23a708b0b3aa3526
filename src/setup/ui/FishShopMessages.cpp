#include "setup/ui/FishShopMessages.h"

#include "platform/ui/MessageBox.h"

namespace fw {

void FishShopMessageBoxes::information(QWidget *parent, const QString &title, const QString &text)
{
    showInformation(parent, title, text);
}

void FishShopMessageBoxes::warning(QWidget *parent, const QString &title, const QString &text)
{
    showWarning(parent, title, text);
}

bool FishShopMessageBoxes::askYesNo(QWidget *parent, const QString &title, const QString &text,
                                    const QString &yesText, const QString &noText)
{
    return fw::askYesNo(parent, title, text, yesText, noText);
}

FishShopMessageBoxes &FishShopMessageBoxes::standard()
{
    static FishShopMessageBoxes boxes;
    return boxes;
}

} // namespace fw
