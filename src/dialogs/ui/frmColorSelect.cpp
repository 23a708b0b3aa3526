#include "dialogs/ui/frmColorSelect.h"

#include "dialogs/ColourMixing.h"
#include "dialogs/ui/ColourBox.h"
#include "dialogs/ui/FocusScrollBar.h"
#include "dialogs/ui/FormSupport.h"
#include "platform/Fonts.h"
#include "platform/ui/OpenWindows.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

namespace fw {

namespace {

constexpr int Twips = 15;

QRect pixels(const QRect &twips)
{
    return {twips.x() / Twips, twips.y() / Twips, twips.width() / Twips, twips.height() / Twips};
}

QLabel *caption(QWidget *parent, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

} // namespace

frmColorSelect::frmColorSelect(AppState &state, QWidget *parent) : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("frmColorSelect"));
    setWindowIdentity(this, objectName());
    setWindowTitle(QCoreApplication::translate("frmColorSelect", "色の設定"));
    setModal(true);
    setFont(uiFont());
    setFixedSize(480, 284);
    buildControls();
    Form_Load();
}

void frmColorSelect::buildControls()
{
    caption(this, QCoreApplication::translate("frmColorSelect", "基本色"), {24, 10, 120, 18});
    for (int box = 1; box <= StandardColourCount; ++box) {
        auto *colourBox = new ColourBox(this);
        colourBox->setObjectName(QStringLiteral("Picture%1").arg(box));
        colourBox->setGeometry(pixels(standardColourTwips(box)));
        colourBox->setColour(standardColour(box));
        connect(colourBox, &ColourBox::clicked, this, [this, box] { Picture_Click(box); });
        colourBox->setFocusPolicy(Qt::ClickFocus);
        colourBox->installEventFilter(this);
        m_boxes[box - 1] = colourBox;
    }
    makeTabStop(1);

    caption(this, QCoreApplication::translate("frmColorSelect", "選択した色"), {290, 10, 170, 18});
    m_selectColor = new ColourBox(this);
    m_selectColor->setObjectName(QStringLiteral("pic_SelectColor"));
    m_selectColor->setGeometry(290, 32, 170, 57);

    const auto slider = [this](const QString &text, const QString &name, int y, QLabel *&label) {
        caption(this, text, {290, y, 24, 18});
        auto *bar = new FocusScrollBar(this);
        bar->setObjectName(name);
        bar->setRange(0, 255);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        bar->setGeometry(316, y + 1, 110, 17);
        label = caption(this, QStringLiteral("0"), {434, y, 30, 18});
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return bar;
    };
    m_scrollR = slider(QCoreApplication::translate("frmColorSelect", "赤:"),
                       QStringLiteral("HScrollR"), 104, m_labelR);
    m_scrollG = slider(QCoreApplication::translate("frmColorSelect", "緑:"),
                       QStringLiteral("HScrollG"), 130, m_labelG);
    m_scrollB = slider(QCoreApplication::translate("frmColorSelect", "青:"),
                       QStringLiteral("HScrollB"), 156, m_labelB);
    m_labelR->setObjectName(QStringLiteral("lb_R"));
    m_labelG->setObjectName(QStringLiteral("lb_G"));
    m_labelB->setObjectName(QStringLiteral("lb_B"));
    for (auto [bar, label] : {std::pair{m_scrollR, m_labelR}, std::pair{m_scrollG, m_labelG},
                              std::pair{m_scrollB, m_labelB}}) {
        connect(bar, &QScrollBar::valueChanged, this,
                [this, bar, label] { HScroll_Change(bar, label); });
    }

    // Mixing by hand is not offered; the box stays unchecked, so a click on a
    // standard colour always takes that colour.
    m_colorSelect = new QCheckBox(QCoreApplication::translate("frmColorSelect", "色の作成"), this);
    m_colorSelect->setObjectName(QStringLiteral("chk_ColorSelect"));
    m_colorSelect->setGeometry(290, 186, 170, 20);
    m_colorSelect->setEnabled(false);

    auto *ok = new QPushButton(QCoreApplication::translate("frmColorSelect", "OK"), this);
    ok->setObjectName(QStringLiteral("cb_Ok"));
    ok->setGeometry(200, 240, 82, 26);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmColorSelect::cb_Ok_Click);
    auto *cancel = new QPushButton(QCoreApplication::translate("frmColorSelect", "ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("cb_Cansel"));
    cancel->setGeometry(290, 240, 82, 26);
    connect(cancel, &QPushButton::clicked, this, &frmColorSelect::cb_Cansel_Click);
    auto *help = new QPushButton(QCoreApplication::translate("frmColorSelect", "ﾍﾙﾌﾟ(&H)"), this);
    help->setObjectName(QStringLiteral("cb_Help"));
    help->setGeometry(380, 240, 82, 26);
    help->setEnabled(false);
}

ColourBox *frmColorSelect::targetBox() const
{
    const QString &target = m_state.handOff.colorTarget;
    if (target != QLatin1String("pic_NameColor") && target != QLatin1String("pic_BackColor"))
        return nullptr;
    return qobject_cast<ColourBox *>(
        findControl(findOpenWindow(m_state.handOff.colorCaller), target));
}

void frmColorSelect::Form_Load()
{
    centreOnScreen(this);
    if (ColourBox *target = targetBox())
        m_selectColor->setColour(target->colour());
    SyncSliders();
}

std::uint32_t frmColorSelect::selectedColour() const
{
    return m_selectColor->colour();
}

void frmColorSelect::SyncSliders()
{
    // Each bar runs its change handler in turn, so the shown colour passes
    // through the mixtures of the new and the old channels and ends equal
    // to the colour it started with.
    const ColourChannels channels = splitColour(selectedColour());
    setScrollValue(m_scrollB, channels.blue);
    setScrollValue(m_scrollG, channels.green);
    setScrollValue(m_scrollR, channels.red);
}

void frmColorSelect::HScroll_Change(QScrollBar *bar, QLabel *label)
{
    m_selectColor->setColour(
        mixColour({m_scrollR->value(), m_scrollG->value(), m_scrollB->value()}));
    label->setText(QString::number(bar->value()));
}

void frmColorSelect::makeTabStop(int box)
{
    m_boxes[m_tabStop - 1]->setFocusPolicy(Qt::ClickFocus);
    m_tabStop = box;
    m_boxes[box - 1]->setFocusPolicy(Qt::StrongFocus);
}

int frmColorSelect::boxToward(int box, int key)
{
    const int column = (box - 1) % StandardColourColumns;
    int next = 0;
    switch (key) {
    case Qt::Key_Left:
        next = column > 0 ? box - 1 : 0;
        break;
    case Qt::Key_Right:
        next = column < StandardColourColumns - 1 ? box + 1 : 0;
        break;
    case Qt::Key_Up:
        next = box - StandardColourColumns;
        break;
    case Qt::Key_Down:
        next = box + StandardColourColumns;
        break;
    default:
        break;
    }
    return next >= 1 && next <= StandardColourCount ? next : 0;
}

bool frmColorSelect::eventFilter(QObject *watched, QEvent *event)
{
    const auto found = std::find(m_boxes.begin(), m_boxes.end(), watched);
    if (found == m_boxes.end())
        return QDialog::eventFilter(watched, event);
    const int box = int(found - m_boxes.begin()) + 1;
    if (event->type() == QEvent::FocusIn)
        makeTabStop(box);
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    // The arrows move through the grid and choose as they go; Space chooses.
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key == Qt::Key_Space) {
        Picture_Click(box);
        return true;
    }
    if (const int next = boxToward(box, key)) {
        m_boxes[next - 1]->setFocus(Qt::TabFocusReason);
        Picture_Click(next);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmColorSelect::Picture_Click(int box)
{
    if (box < 1 || box > StandardColourCount)
        return;
    if (m_colorSelect->checkState() == Qt::Unchecked)
        m_selectColor->setColour(m_boxes[box - 1]->colour());
    SyncSliders();
}

void frmColorSelect::cb_Ok_Click()
{
    if (ColourBox *target = targetBox())
        target->setColour(selectedColour());
    accept();
}

void frmColorSelect::cb_Cansel_Click()
{
    reject();
}

} // namespace fw
