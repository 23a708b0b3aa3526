#include "setup/ui/ScrollRow.h"

#include "dialogs/ui/FocusScrollBar.h"
#include "setup/ScrollBars.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>

namespace fw {

namespace {

constexpr int ValueLabelWidth = 48;

} // namespace

ScrollRow addScrollRow(QGridLayout *grid, int row, QWidget *lead, QStringView control)
{
    const ScrollSpec *spec = findScrollSpec(control);
    Q_ASSERT(spec);
    QWidget *parent = grid->parentWidget();

    auto *bar = new FocusScrollBar(parent);
    bar->setObjectName(spec->controlName().toString());
    bar->setRange(spec->minimum(), spec->maximum());
    bar->setSingleStep(spec->smallStep);
    bar->setPageStep(spec->largeStep);

    auto *label = new QLabel(parent);
    label->setObjectName(spec->labelName().toString());
    label->setMinimumWidth(ValueLabelWidth);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setText(spec->labelText(bar->value()));
    keepPlaceWhenHidden(label);

    // valueChanged covers both the change and the dragging of the thumb.
    QObject::connect(bar, &QScrollBar::valueChanged, label,
                     [spec, label](int value) { label->setText(spec->labelText(value)); });

    if (lead)
        grid->addWidget(lead, row, 0);
    grid->addWidget(bar, row, 1);
    grid->addWidget(label, row, 2);
    return {bar, label};
}

QLabel *rowCaption(const QString &text, QWidget *parent, QWidget *buddy)
{
    auto *caption = new QLabel(text, parent);
    caption->setBuddy(buddy);
    return caption;
}

void keepPlaceWhenHidden(QWidget *widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace fw
