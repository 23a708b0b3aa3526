#pragma once

#include "setup/SetupTable.h"
#include "state/AppState.h"
#include "state/ScreenSize.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace fw {

class AquariumLink;
class Clock;
class EnvironmentTab;
class FishRegisterTab;
class FishShopTab;
class Random;
class TankTab;

// The configuration dialog: four hand-drawn tabs over one pane, loaded from
// the settings record and committed on OK. `aquarium` is the running
// aquarium, or null when the dialog is the program's only window.
class frmSetup : public QDialog
{
    Q_OBJECT

public:
    frmSetup(AppState &state, Random &random, const Clock &clock, ScreenSize screen,
             AquariumLink *aquarium, QWidget *parent = nullptr);

    void ShowTab(int n);
    int activeTab() const { return m_activeTab; }
    // The colour tab k is drawn in: the active or the inactive colour.
    QColor tabColour(int k) const;
    bool waterChanged() const;

    // The handlers, callable as the user's actions.
    void label_tag1_Click();
    void label_tag2_Click();
    void label_tag3_Click();
    void label_tag4_Click();
    void Ok_Click();
    void Cancel_Click();
    void cb_About_Click();
    void Command4_Click();

    // Closing by any way gives the aquarium its interval back.
    void done(int result) override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void buildTabStrip();
    void buildButtons();
    void buildPages(ScreenSize screen);
    void Form_Load();
    bool applyStep(const LoadStep &step);
    void saveFailed();
    void keepFocusOnPage(QWidget *page);

    AppState &m_state;
    Random &m_random;
    const Clock &m_clock;
    AquariumLink *m_aquarium;

    std::array<QLabel *, 4> m_tabCaptions{};
    std::array<QWidget *, 4> m_pages{};
    QPushButton *m_ok = nullptr;
    EnvironmentTab *m_environment = nullptr;
    TankTab *m_tank = nullptr;
    FishRegisterTab *m_register = nullptr;
    FishShopTab *m_shop = nullptr;
    int m_activeTab = 1;
    std::array<QColor, 4> m_tabColours{};
};

} // namespace fw
