#include "setup/ui/EnvironmentTab.h"

#include "dialogs/ui/ColourBox.h"
#include "dialogs/ui/frmColorSelect.h"
#include "dialogs/ui/frmFileSelect.h"
#include "setup/MusicChoice.h"
#include "setup/ui/ScrollRow.h"
#include "setup/ui/TabControls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace fw {

namespace {

const QString Identity = QStringLiteral("frmSetup");

QComboBox *list(const QString &name, const QStringList &items, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(items);
    // Nothing is chosen until the stored value is loaded.
    combo->setCurrentIndex(-1);
    return combo;
}

} // namespace

EnvironmentTab::EnvironmentTab(AppState &state, QWidget *parent) : QWidget(parent), m_state(state)
{
    auto *columns = new QHBoxLayout(this);
    columns->setContentsMargins(8, 6, 8, 6);
    columns->setSpacing(8);
    columns->addWidget(buildEnvironment(), 3);
    auto *right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(buildEndPattern());
    right->addWidget(buildFishMove());
    right->addWidget(buildSound());
    columns->addLayout(right, 2);

    Check_timeVisible_Click();
    Check_screenclear_Click();
    Check_BackScreenVisible_Click();
    Check_sound2_Click();
}

QGroupBox *EnvironmentTab::buildEnvironment()
{
    QGroupBox *box =
        settingFrame(QStringLiteral("Frame_environment"),
                     QCoreApplication::translate("EnvironmentTab", "環境設定(&E)"), this);
    auto *grid = new QGridLayout(box);
    grid->setVerticalSpacing(4);
    grid->setColumnMinimumWidth(0, 16);
    int row = 0;

    m_timeVisible =
        settingCheckBox(QStringLiteral("Check_timeVisible"),
                        QCoreApplication::translate("EnvironmentTab", "現在の時刻を表示する"), box);
    grid->addWidget(m_timeVisible, row++, 0, 1, 4);
    m_timeStyle = list(QStringLiteral("Combo_timeStyle"),
                       {QCoreApplication::translate("EnvironmentTab", "yyyy/mm/dd hh:nn:ss"),
                        QCoreApplication::translate("EnvironmentTab", "yyyy/mm/dd hh:nn"),
                        QCoreApplication::translate("EnvironmentTab", "yyyy/mm/dd"),
                        QCoreApplication::translate("EnvironmentTab", "yy/mm/dd hh:nn:ss"),
                        QCoreApplication::translate("EnvironmentTab", "yy/mm/dd hh:nn"),
                        QCoreApplication::translate("EnvironmentTab", "yy/mm/dd"),
                        QCoreApplication::translate("EnvironmentTab", "hh:nn:ss"),
                        QCoreApplication::translate("EnvironmentTab", "hh:nn")},
                       box);
    grid->addWidget(rowCaption(QCoreApplication::translate("EnvironmentTab", "表示形式"), box), row,
                    1);
    grid->addWidget(m_timeStyle, row++, 2, 1, 2);
    m_timePosition = list(QStringLiteral("Combo_timeposition"),
                          {QCoreApplication::translate("EnvironmentTab", "移動(下)"),
                           QCoreApplication::translate("EnvironmentTab", "中央(下)"),
                           QCoreApplication::translate("EnvironmentTab", "右下"),
                           QCoreApplication::translate("EnvironmentTab", "左下")},
                          box);
    grid->addWidget(rowCaption(QCoreApplication::translate("EnvironmentTab", "表示位置"), box), row,
                    1);
    grid->addWidget(m_timePosition, row++, 2, 1, 2);
    connect(m_timeVisible, &QCheckBox::stateChanged, this,
            &EnvironmentTab::Check_timeVisible_Click);

    grid->addWidget(settingCheckBox(QStringLiteral("Check_NameVisible"),
                                    QCoreApplication::translate("EnvironmentTab", "名前を表示"),
                                    box),
                    row++, 0, 1, 4);

    m_backScreenVisible =
        settingCheckBox(QStringLiteral("Check_BackScreenVisible"),
                        QCoreApplication::translate("EnvironmentTab", "背景を表示"), box);
    grid->addWidget(m_backScreenVisible, row++, 0, 1, 4);
    m_backPicture = new QLineEdit(box);
    m_backPicture->setObjectName(QStringLiteral("txb_BackPicture"));
    m_backScreenSel = new QPushButton(QCoreApplication::translate("EnvironmentTab", "参照"), box);
    m_backScreenSel->setObjectName(QStringLiteral("cb_BackScreenSel"));
    m_backScreenSel->setAutoDefault(false);
    grid->addWidget(m_backPicture, row, 1, 1, 2);
    grid->addWidget(m_backScreenSel, row++, 3);
    connect(m_backScreenVisible, &QCheckBox::stateChanged, this,
            &EnvironmentTab::Check_BackScreenVisible_Click);
    connect(m_backScreenSel, &QPushButton::clicked, this, &EnvironmentTab::cb_BackScreenSel_Click);

    m_screenClear = settingCheckBox(
        QStringLiteral("Check_screenclear"),
        QCoreApplication::translate("EnvironmentTab", "一定時間経過後背景を消す"), box);
    grid->addWidget(m_screenClear, row++, 0, 1, 4);
    auto *clearRow = new QGridLayout;
    clearRow->setColumnStretch(1, 1);
    const ScrollRow clearTime = addScrollRow(
        clearRow, 0, rowCaption(QCoreApplication::translate("EnvironmentTab", "時間"), box),
        u"HScroll_screencleartime");
    m_screenClearTime = clearTime.bar;
    m_screenClearTimeLabel = clearTime.label;
    grid->addLayout(clearRow, row++, 1, 1, 3);
    connect(m_screenClear, &QCheckBox::stateChanged, this,
            &EnvironmentTab::Check_screenclear_Click);

    auto *colours = new QHBoxLayout;
    auto *foreSet = new QPushButton(QCoreApplication::translate("EnvironmentTab", "前景色"), box);
    foreSet->setObjectName(QStringLiteral("cb_ForeColorSet"));
    foreSet->setAutoDefault(false);
    m_nameColour = new ColourBox(box);
    m_nameColour->setObjectName(QStringLiteral("pic_NameColor"));
    auto *backSet = new QPushButton(QCoreApplication::translate("EnvironmentTab", "背景色"), box);
    backSet->setObjectName(QStringLiteral("cb_BackColorSet"));
    backSet->setAutoDefault(false);
    m_backColour = new ColourBox(box);
    m_backColour->setObjectName(QStringLiteral("Pic_BackColor"));
    for (ColourBox *colourBox : {m_nameColour, m_backColour})
        colourBox->setFixedSize(40, 24);
    colours->addWidget(foreSet);
    colours->addWidget(m_nameColour);
    colours->addSpacing(12);
    colours->addWidget(backSet);
    colours->addWidget(m_backColour);
    colours->addStretch();
    grid->addLayout(colours, row++, 0, 1, 4);
    connect(foreSet, &QPushButton::clicked, this, &EnvironmentTab::cb_ForeColorSet_Click);
    connect(m_nameColour, &ColourBox::doubleClicked, this, &EnvironmentTab::cb_ForeColorSet_Click);
    connect(backSet, &QPushButton::clicked, this, &EnvironmentTab::cb_BackColorSet_Click);
    connect(m_backColour, &ColourBox::doubleClicked, this, &EnvironmentTab::cb_BackColorSet_Click);

    grid->setColumnStretch(2, 1);
    grid->setRowStretch(row, 1);
    return box;
}

QGroupBox *EnvironmentTab::buildEndPattern()
{
    QGroupBox *box = settingFrame(
        QStringLiteral("Frame_endpattern"),
        QCoreApplication::translate("EnvironmentTab", "ｽｸﾘｰﾝｾｰﾊﾞｰの終了方法(&Q)"), this);
    auto *layout = new QVBoxLayout(box);
    layout->setSpacing(2);
    m_endPattern = new QButtonGroup(box);
    const QStringList captions{
        QCoreApplication::translate("EnvironmentTab", "通常のｽｸﾘｰﾝｾｰﾊﾞｰと同じ"),
        QCoreApplication::translate("EnvironmentTab", "ﾏｳｽ操作を可能にする (1日1回)"),
        QCoreApplication::translate("EnvironmentTab", "ﾏｳｽ操作を可能にする (毎回)")};
    for (int option = 0; option < captions.size(); ++option) {
        auto *button = new QRadioButton(captions.at(option), box);
        button->setObjectName(QStringLiteral("Option_endpattern%1").arg(option));
        m_endPattern->addButton(button, option);
        layout->addWidget(button);
    }
    return box;
}

QGroupBox *EnvironmentTab::buildFishMove()
{
    QGroupBox *box =
        settingFrame(QStringLiteral("Frame_fishmove"),
                     QCoreApplication::translate("EnvironmentTab", "描画速度(&P)"), this);
    auto *grid = new QGridLayout(box);
    grid->setVerticalSpacing(0);
    addScrollRow(grid, 0,
                 rowCaption(QCoreApplication::translate("EnvironmentTab", "ウェイト"), box),
                 u"HScroll_fishspeed");
    // The standard speed sits at the very left of the range.
    auto *standard = new QLabel(QCoreApplication::translate("EnvironmentTab", "▲標準"), box);
    grid->addWidget(standard, 1, 1);
    // The step width is fixed in this version.
    auto *width = new QScrollBar(Qt::Horizontal, box);
    width->setObjectName(QStringLiteral("HScroll_movewidth"));
    width->setEnabled(false);
    grid->addWidget(rowCaption(QCoreApplication::translate("EnvironmentTab", "移動幅"), box), 2, 0);
    grid->addWidget(width, 2, 1);
    grid->setColumnStretch(1, 1);
    return box;
}

QGroupBox *EnvironmentTab::buildSound()
{
    QGroupBox *box =
        settingFrame(QStringLiteral("Frame_sound"),
                     QCoreApplication::translate("EnvironmentTab", "サウンド(&S)"), this);
    auto *grid = new QGridLayout(box);
    grid->setVerticalSpacing(2);
    m_musicFile = new QLineEdit(box);
    m_musicFile->setObjectName(QStringLiteral("Text_soundfile"));
    m_musicSel = new QPushButton(QCoreApplication::translate("EnvironmentTab", "参照"), box);
    m_musicSel->setObjectName(QStringLiteral("cb_SoundSel"));
    m_musicSel->setAutoDefault(false);
    auto *effects = settingCheckBox(QStringLiteral("Check_sound1"),
                                    QCoreApplication::translate("EnvironmentTab", "効果音"), box);
    m_music = settingCheckBox(QStringLiteral("Check_sound2"),
                              QCoreApplication::translate("EnvironmentTab", "ＢＧＭ"), box);
    grid->addWidget(effects, 0, 0);
    grid->addWidget(m_music, 0, 1);
    grid->addWidget(m_musicFile, 1, 0, 1, 2);
    grid->addWidget(m_musicSel, 1, 2);
    connect(m_music, &QCheckBox::stateChanged, this, &EnvironmentTab::Check_sound2_Click);
    connect(m_musicSel, &QPushButton::clicked, this, &EnvironmentTab::cb_SoundSel_Click);
    return box;
}

void EnvironmentTab::Check_timeVisible_Click()
{
    const bool on = m_timeVisible->checkState() != Qt::Unchecked;
    m_timeStyle->setEnabled(on);
    m_timePosition->setEnabled(on);
}

void EnvironmentTab::Check_screenclear_Click()
{
    const bool on = m_screenClear->checkState() != Qt::Unchecked;
    m_screenClearTime->setEnabled(on);
    m_screenClearTimeLabel->setVisible(on);
}

void EnvironmentTab::Check_BackScreenVisible_Click()
{
    const bool on = m_backScreenVisible->checkState() == Qt::Checked;
    m_backScreenSel->setEnabled(on);
    m_backPicture->setEnabled(on);
}

void EnvironmentTab::openColourChooser(const QString &target)
{
    m_state.handOff.colorCaller = Identity;
    m_state.handOff.colorTarget = target;
    frmColorSelect chooser(m_state, window());
    chooser.exec();
}

void EnvironmentTab::cb_ForeColorSet_Click()
{
    openColourChooser(QStringLiteral("pic_NameColor"));
}

void EnvironmentTab::cb_BackColorSet_Click()
{
    openColourChooser(QStringLiteral("pic_BackColor"));
}

void EnvironmentTab::openFileChooser(const QString &target)
{
    m_state.handOff.fileCaller = Identity;
    m_state.handOff.fileTarget = target;
    frmFileSelect chooser(m_state, window());
    chooser.exec();
}

void EnvironmentTab::cb_BackScreenSel_Click()
{
    openFileChooser(QStringLiteral("txb_BackPicture"));
}

void EnvironmentTab::Check_sound2_Click()
{
    const bool on = m_music->checkState() == Qt::Checked;
    m_musicFile->setEnabled(on);
    m_musicSel->setEnabled(on);
}

void EnvironmentTab::cb_SoundSel_Click()
{
    openFileChooser(QStringLiteral("Text_soundfile"));
}

std::optional<QString> EnvironmentTab::musicRefusal() const
{
    return fw::musicRefusal(m_music->checkState() == Qt::Checked, m_musicFile->text());
}

int EnvironmentTab::endPattern() const
{
    return m_endPattern->checkedId();
}

bool EnvironmentTab::selectEndPattern(int option)
{
    QAbstractButton *button = m_endPattern->button(option);
    if (!button)
        return false;
    button->setChecked(true);
    return true;
}

std::uint32_t EnvironmentTab::nameColour() const
{
    return m_nameColour->colour();
}

std::uint32_t EnvironmentTab::backColour() const
{
    return m_backColour->colour();
}

} // namespace fw
