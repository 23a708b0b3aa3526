#include "setup/ui/FishShopTab.h"

#include "dialogs/ui/FocusScrollBar.h"
#include "platform/Fonts.h"
#include "setup/FishShop.h"
#include "setup/ui/FishShopMessages.h"
#include "setup/ui/ScrollRow.h"
#include "state/Fish.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace fw {

namespace {

// The large right-facing sprite of each species, in species-code order. The
// sprites are drawn on black, so they sit cleanly on the dark picture ground.
constexpr std::array<const char *, SpeciesCount> speciesSprites = {
    ":/sprites/AngelFishR.bmp",         ":/sprites/GlowlightTetraR.bmp",
    ":/sprites/NeonTetraR.bmp",         ":/sprites/SilverHatchetR.bmp",
    ":/sprites/CorydorasArcuatusR.bmp", ":/sprites/CorydorasAeneusvarR.bmp",
};

// Room for the largest sprite (the angelfish, 88 x 104) with a margin.
constexpr QSize pictureSize(124, 116);

} // namespace

FishShopTab::FishShopTab(AppState &state, Random &random, const Clock &clock, ScreenSize screen,
                         QWidget *parent)
    : QWidget(parent), m_state(state), m_random(random), m_clock(clock), m_screen(screen),
      m_messages(&FishShopMessageBoxes::standard())
{
    setFont(uiFont());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(8);
    layout->addWidget(buildCatalog(), 1);
    layout->addWidget(buildCondition());
}

QGroupBox *FishShopTab::buildCatalog()
{
    auto *frame = new QGroupBox(QCoreApplication::translate("FishShop", "カタログ(&C)"), this);
    frame->setObjectName(QStringLiteral("Frame_catalog"));

    m_species = new QComboBox(frame);
    m_species->setObjectName(QStringLiteral("Combo_species"));
    connect(m_species, &QComboBox::currentIndexChanged, this, [this] { Combo_species_Click(); });

    m_speciesText = new QPlainTextEdit(frame);
    m_speciesText->setObjectName(QStringLiteral("Text_species"));
    m_speciesText->setReadOnly(true);
    m_speciesText->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    m_speciesPicture = new QWidget(frame);
    m_speciesPicture->setObjectName(QStringLiteral("Picture_species"));
    m_speciesPicture->setFixedSize(pictureSize);
    m_speciesPicture->setAutoFillBackground(true);
    QPalette ground = m_speciesPicture->palette();
    ground.setColor(QPalette::Window, Qt::black);
    m_speciesPicture->setPalette(ground);

    for (int i = 0; i < SpeciesCount; ++i) {
        auto *picture = new QLabel(m_speciesPicture);
        picture->setObjectName(QStringLiteral("Picture_Fish%1").arg(i));
        const QPixmap sprite(QString::fromLatin1(speciesSprites[i]));
        if (!sprite.isNull()) {
            picture->setPixmap(sprite);
            picture->resize(sprite.size());
        } else {
            picture->resize(0, 0);
        }
        picture->hide();
        m_fishPictures[i] = picture;
    }

    auto *text = new QVBoxLayout;
    text->addWidget(m_species);
    text->addWidget(m_speciesText, 1);
    auto *layout = new QHBoxLayout(frame);
    layout->addLayout(text, 1);
    layout->addWidget(m_speciesPicture, 0, Qt::AlignTop);
    return frame;
}

QGroupBox *FishShopTab::buildCondition()
{
    auto *frame = new QGroupBox(QCoreApplication::translate("FishShop", "条件"), this);
    frame->setObjectName(QStringLiteral("Frame_condition"));

    m_sex = new QComboBox(frame);
    m_sex->setObjectName(QStringLiteral("Combo_sex"));
    m_age = new QComboBox(frame);
    m_age->setObjectName(QStringLiteral("Combo_age"));

    m_count = new FocusScrollBar(frame);
    m_count->setObjectName(QStringLiteral("HScroll_fishcount"));
    m_count->setRange(0, 0);
    m_count->setSingleStep(1);
    m_count->setPageStep(10);
    m_count->setMinimumWidth(140);
    connect(m_count, &QScrollBar::valueChanged, this, [this] { HScroll_fishcount_Change(); });

    m_countLabel = new QLabel(countText(0), frame);
    m_countLabel->setObjectName(QStringLiteral("Label_fishcount"));
    m_valueLabel = new QLabel(frame);
    m_valueLabel->setObjectName(QStringLiteral("Label_fishvalue"));

    m_buy = new QPushButton(QCoreApplication::translate("FishShop", "飼う(&B)"), frame);
    m_buy->setObjectName(QStringLiteral("Command_in"));
    connect(m_buy, &QPushButton::clicked, this, [this] { Command_in_Click(); });

    // Each choice's caption carries its accelerator.
    auto *choices = new QHBoxLayout;
    choices->addWidget(
        rowCaption(QCoreApplication::translate("FishShop", "性別(&S)"), frame, m_sex));
    choices->addWidget(m_sex);
    choices->addSpacing(16);
    choices->addWidget(
        rowCaption(QCoreApplication::translate("FishShop", "成長度合い(&A)"), frame, m_age));
    choices->addWidget(m_age);
    choices->addStretch(1);

    auto *counter = new QHBoxLayout;
    counter->addWidget(
        rowCaption(QCoreApplication::translate("FishShop", "数(&N)"), frame, m_count));
    counter->addWidget(m_count, 1);
    counter->addWidget(m_countLabel);
    counter->addSpacing(12);
    counter->addWidget(m_valueLabel);

    auto *rows = new QVBoxLayout;
    rows->addLayout(choices);
    rows->addLayout(counter);
    auto *layout = new QHBoxLayout(frame);
    layout->addLayout(rows, 1);
    layout->addSpacing(12);
    layout->addWidget(m_buy, 0, Qt::AlignVCenter);
    return frame;
}

void FishShopTab::open()
{
    {
        const QSignalBlocker blocker(m_species);
        m_species->clear();
        m_species->addItems(shopSpeciesNames());
        m_species->setCurrentIndex(0);
    }
    Combo_species_Click();

    m_sex->clear();
    m_sex->addItems(shopSexChoices());
    m_sex->setCurrentIndex(0);
    m_age->clear();
    m_age->addItems(shopAgeChoices());
    m_age->setCurrentIndex(0);

    centreFishPictures();
    m_valueLabel->setText(remainingText(m_state.workingFish.count));
    m_count->setEnabled(true);
    m_count->setValue(0);
    m_countLabel->setText(countText(0));
    showRemainingRoom();
}

void FishShopTab::centreFishPictures()
{
    for (QLabel *picture : m_fishPictures) {
        picture->move((m_speciesPicture->width() - picture->width()) / 2,
                      (m_speciesPicture->height() - picture->height()) / 2);
    }
}

void FishShopTab::showRemainingRoom()
{
    const int room = remainingRoom(m_state.workingFish.count);
    if (room > 0)
        m_count->setMaximum(room);
    else
        m_count->setEnabled(false);
}

void FishShopTab::Combo_species_Click()
{
    const int selected = m_species->currentIndex();
    for (int i = 0; i < SpeciesCount; ++i)
        m_fishPictures[i]->setVisible(i == selected);
    // The box shows lines, not the file's line ends.
    m_speciesText->setPlainText(catalogueText(selected).replace(QStringLiteral("\r\n"), "\n"));
}

void FishShopTab::HScroll_fishcount_Change()
{
    m_countLabel->setText(countText(m_count->value()));
}

void FishShopTab::Command_in_Click()
{
    // The scroll bar's maximum is the room left; the clamp keeps a full tank
    // full even if that ever fell out of step.
    const int count = std::min(m_count->value(), remainingRoom(m_state.workingFish.count));
    const int species = m_species->currentIndex();
    if (count < 1 || species < 0 || species >= SpeciesCount)
        return;
    const int before = m_state.workingFish.count;
    AddFish(m_state, m_random, m_clock, m_screen, count, species, m_age->currentIndex(),
            m_sex->currentIndex(), false,
            [this](const QString &text) { m_messages->information(this, QString(), text); });
    if (m_state.workingFish.count > before)
        m_state.sound->chime();
    m_valueLabel->setText(remainingText(m_state.workingFish.count));
    m_count->setValue(0);
    m_countLabel->setText(countText(0));
    showRemainingRoom();
}

} // namespace fw
