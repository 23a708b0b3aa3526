#include "setup/ui/TabControls.h"

#include "dialogs/ui/FormSupport.h"

#include <QCheckBox>
#include <QGroupBox>

namespace fw {

QCheckBox *settingCheckBox(const QString &name, const QString &text, QWidget *parent)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(name);
    keepTwoStateForUser(box);
    return box;
}

QGroupBox *settingFrame(const QString &name, const QString &title, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    box->setObjectName(name);
    return box;
}

} // namespace fw
