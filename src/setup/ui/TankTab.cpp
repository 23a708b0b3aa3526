#include "setup/ui/TankTab.h"

#include "dialogs/ui/FocusScrollBar.h"
#include "setup/ui/ScrollRow.h"
#include "setup/ui/TabControls.h"
#include "state/SettingsKeys.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace fw {

namespace {

QGridLayout *frameGrid(QGroupBox *box)
{
    auto *grid = new QGridLayout(box);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(1, 1);
    return grid;
}

void showDependents(const QCheckBox *box, QScrollBar *bar, QLabel *label)
{
    const bool on = box->checkState() != Qt::Unchecked;
    bar->setEnabled(on);
    label->setVisible(on);
}

} // namespace

TankTab::TankTab(const Clock &clock, QWidget *parent) : QWidget(parent), m_clock(clock)
{
    auto *columns = new QHBoxLayout(this);
    columns->setContentsMargins(8, 6, 8, 6);
    columns->setSpacing(8);
    auto *left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(buildFoodTimer());
    left->addWidget(buildLight());
    // The breeding switch shares the temperature's row, so the tab keeps
    // its height.
    auto *warmth = new QHBoxLayout;
    warmth->setSpacing(4);
    warmth->addWidget(buildTemperature(), 1);
    warmth->addWidget(buildBreeding(), 1);
    left->addLayout(warmth);
    left->addWidget(buildWaterQuality());
    auto *right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(buildWaterChange());
    right->addWidget(buildBubble());
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    Check_food1_Click();
    Check_food2_Click();
    Check_wautochange_Click();
}

QGroupBox *TankTab::buildFoodTimer()
{
    QGroupBox *box =
        settingFrame(QStringLiteral("Frame_foodtimer"),
                     QCoreApplication::translate("TankTab", "ﾌｰﾄﾞﾀｲﾏｰの設定(&F)"), this);
    QGridLayout *grid = frameGrid(box);
    m_food1 = settingCheckBox(QStringLiteral("Check_food1"),
                              QCoreApplication::translate("TankTab", "１回目"), box);
    m_food2 = settingCheckBox(QStringLiteral("Check_food2"),
                              QCoreApplication::translate("TankTab", "２回目"), box);
    const ScrollRow first = addScrollRow(grid, 0, m_food1, u"HScroll_food1");
    const ScrollRow second = addScrollRow(grid, 1, m_food2, u"HScroll_food2");
    m_food1Bar = first.bar;
    m_food1Label = first.label;
    m_food2Bar = second.bar;
    m_food2Label = second.label;
    connect(m_food1, &QCheckBox::stateChanged, this, &TankTab::Check_food1_Click);
    connect(m_food2, &QCheckBox::stateChanged, this, &TankTab::Check_food2_Click);
    return box;
}

QGroupBox *TankTab::buildLight()
{
    QGroupBox *box = settingFrame(QStringLiteral("Frame_light"),
                                  QCoreApplication::translate("TankTab", "照明の設定(&L)"), this);
    QGridLayout *grid = frameGrid(box);
    addScrollRow(grid, 0, rowCaption(QCoreApplication::translate("TankTab", "点灯"), box),
                 u"HScroll_lighton");
    addScrollRow(grid, 1, rowCaption(QCoreApplication::translate("TankTab", "消灯"), box),
                 u"HScroll_lightoff");
    return box;
}

QGroupBox *TankTab::buildTemperature()
{
    QGroupBox *box = settingFrame(QStringLiteral("Frame_wtemp"),
                                  QCoreApplication::translate("TankTab", "水温設定(&T)"), this);
    addScrollRow(frameGrid(box), 0, nullptr, u"HScroll_wtemp");
    return box;
}

QGroupBox *TankTab::buildWaterQuality()
{
    // The pH is shown but not regulated in this version: the bar moves and
    // nothing follows from it.
    QGroupBox *box = settingFrame(QStringLiteral("Frame_waterquality"),
                                  QCoreApplication::translate("TankTab", "pH調整(&H)"), this);
    QGridLayout *grid = frameGrid(box);
    auto *bar = new FocusScrollBar(box);
    bar->setObjectName(QStringLiteral("HScroll_ph"));
    bar->setRange(0, 140);
    bar->setValue(70);
    auto *label = new QLabel(QStringLiteral("7.0"), box);
    label->setObjectName(QStringLiteral("Label_ph"));
    label->setMinimumWidth(48);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(bar, 0, 1);
    grid->addWidget(label, 0, 2);
    return box;
}

QGroupBox *TankTab::buildBreeding()
{
    QGroupBox *box = settingFrame(QStringLiteral("Frame_breeding"),
                                  QCoreApplication::translate("TankTab", "繁殖(&B)"), this);
    // Tight margins: the row is no wider and no taller than the
    // temperature's beside it, so the tab's other frames keep their room.
    QGridLayout *grid = frameGrid(box);
    const QMargins margins = grid->contentsMargins();
    grid->setContentsMargins(6, std::max(margins.top() - 3, 0), 4,
                             std::max(margins.bottom() - 3, 0));
    grid->addWidget(settingCheckBox(QStringLiteral("Check_fry"),
                                    QCoreApplication::translate("TankTab", "稚魚を育てる"), box),
                    0, 0, 1, 3);
    return box;
}

QGroupBox *TankTab::buildWaterChange()
{
    QGroupBox *box = settingFrame(QStringLiteral("Frame_waterchange"),
                                  QCoreApplication::translate("TankTab", "換水(&C)"), this);
    QGridLayout *grid = frameGrid(box);
    addScrollRow(grid, 0, rowCaption(QCoreApplication::translate("TankTab", "水量"), box),
                 u"HScroll_wquantity");
    m_autoChange =
        settingCheckBox(QStringLiteral("Check_wautochange"),
                        QCoreApplication::translate("TankTab", "換水を定期的におこなう"), box);
    grid->addWidget(m_autoChange, 1, 0, 1, 3);
    const ScrollRow interval =
        addScrollRow(grid, 2, rowCaption(QCoreApplication::translate("TankTab", "間隔"), box),
                     u"HScroll_wchangeinterval");
    m_intervalBar = interval.bar;
    m_intervalLabel = interval.label;
    connect(m_autoChange, &QCheckBox::stateChanged, this, &TankTab::Check_wautochange_Click);

    auto *change = new QPushButton(QCoreApplication::translate("TankTab", "水換えの実行"), box);
    change->setObjectName(QStringLiteral("cb_waterchange"));
    change->setAutoDefault(false);
    connect(change, &QPushButton::clicked, this, &TankTab::cb_waterchange_Click);
    auto *last = new QHBoxLayout;
    last->addWidget(change);
    last->addStretch();
    last->addWidget(new QLabel(QCoreApplication::translate("TankTab", "前回換水日"), box));
    m_changeDate = new QLabel(box);
    m_changeDate->setObjectName(QStringLiteral("Label_wchangedate"));
    m_changeDate->setMinimumWidth(72);
    m_changeDate->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    last->addWidget(m_changeDate);
    grid->addLayout(last, 3, 0, 1, 3);
    return box;
}

QGroupBox *TankTab::buildBubble()
{
    QGroupBox *box =
        settingFrame(QStringLiteral("Frame_bubble"),
                     QCoreApplication::translate("TankTab", "エアレーション(&A)"), this);
    QGridLayout *grid = frameGrid(box);
    grid->addWidget(settingCheckBox(QStringLiteral("Check_bubble_view"),
                                    QCoreApplication::translate("TankTab", "泡を表示する"), box),
                    0, 0, 1, 3);
    grid->addWidget(settingCheckBox(QStringLiteral("Check_bubble_dist"),
                                    QCoreApplication::translate("TankTab", "魚より奥に泡を表示"),
                                    box),
                    1, 0, 1, 3);
    grid->addWidget(settingCheckBox(QStringLiteral("Check_bubble_init_rand"),
                                    QCoreApplication::translate("TankTab", "画面全体に泡を出す"),
                                    box),
                    2, 0, 1, 3);
    addScrollRow(grid, 3, rowCaption(QCoreApplication::translate("TankTab", "泡の数"), box),
                 u"HScroll_bubble_count_max");
    QLabel *limit = rowCaption(QCoreApplication::translate("TankTab", "消失上限"), box);
    const ScrollRow limitRow = addScrollRow(grid, 4, limit, u"HScroll_bubble_limity");
    const QString hint = QCoreApplication::translate("TankTab", "0%で一番上まで表示");
    for (QWidget *widget : {static_cast<QWidget *>(limit), static_cast<QWidget *>(limitRow.bar),
                            static_cast<QWidget *>(limitRow.label)})
        widget->setToolTip(hint);
    return box;
}

void TankTab::Check_food1_Click()
{
    showDependents(m_food1, m_food1Bar, m_food1Label);
}

void TankTab::Check_food2_Click()
{
    showDependents(m_food2, m_food2Bar, m_food2Label);
}

void TankTab::Check_wautochange_Click()
{
    showDependents(m_autoChange, m_intervalBar, m_intervalLabel);
}

void TankTab::cb_waterchange_Click()
{
    m_changeDate->setText(shownDate(dateText(m_clock)));
    m_waterChanged = true;
}

} // namespace fw
