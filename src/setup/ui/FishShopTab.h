#pragma once

#include "state/AppState.h"
#include "state/ScreenSize.h"

#include <QWidget>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

namespace fw {

class Clock;
class FishShopMessages;
class Random;

// The fish shop tab ("熱帯魚屋"): the catalogue of the six species and the
// counter where fish are bought into the dialog's working fish table.
class FishShopTab : public QWidget
{
    Q_OBJECT

public:
    FishShopTab(AppState &state, Random &random, const Clock &clock, ScreenSize screen,
                QWidget *parent = nullptr);

    // Fills the lists and counters afresh; the dialog calls it each time the
    // tab is chosen.
    void open();

    void setMessages(FishShopMessages &messages) { m_messages = &messages; }

    // The handlers, named after their controls.
    void Combo_species_Click();
    void HScroll_fishcount_Change();
    void Command_in_Click();

private:
    QGroupBox *buildCatalog();
    QGroupBox *buildCondition();
    void centreFishPictures();
    void showRemainingRoom();

    AppState &m_state;
    Random &m_random;
    const Clock &m_clock;
    ScreenSize m_screen;
    FishShopMessages *m_messages;

    QComboBox *m_species = nullptr;
    QPlainTextEdit *m_speciesText = nullptr;
    QWidget *m_speciesPicture = nullptr;
    std::array<QLabel *, 6> m_fishPictures{};
    QComboBox *m_sex = nullptr;
    QComboBox *m_age = nullptr;
    QScrollBar *m_count = nullptr;
    QLabel *m_countLabel = nullptr;
    QLabel *m_valueLabel = nullptr;
    QPushButton *m_buy = nullptr;
};

} // namespace fw
