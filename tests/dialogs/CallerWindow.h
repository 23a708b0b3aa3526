#pragma once

#include "dialogs/ui/ColourBox.h"
#include "platform/ui/OpenWindows.h"

#include <QLineEdit>
#include <QWidget>

namespace fw::test {

// A window that calls the choosers as the configuration dialog does: it is
// open, carries the identifying text "frmSetup" and holds the two colour
// boxes and the path box.
class CallerWindow : public QWidget
{
public:
    CallerWindow()
    {
        setWindowIdentity(this, QStringLiteral("frmSetup"));
        nameColour = new ColourBox(this);
        nameColour->setObjectName(QStringLiteral("pic_NameColor"));
        backColour = new ColourBox(this);
        backColour->setObjectName(QStringLiteral("Pic_BackColor"));
        path = new QLineEdit(this);
        path->setObjectName(QStringLiteral("txb_BackPicture"));
        show();
    }

    ColourBox *nameColour;
    ColourBox *backColour;
    QLineEdit *path;
};

} // namespace fw::test
