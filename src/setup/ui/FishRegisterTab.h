#pragma once

#include "state/AppState.h"
#include "state/ScreenSize.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace fw {

class Clock;
class FishShopMessages;
class Random;

// The fish register tab ("魚の管理"): the list of the fish in the dialog's
// working fish table, renaming and releasing them.
class FishRegisterTab : public QWidget
{
    Q_OBJECT

public:
    FishRegisterTab(AppState &state, Random &random, const Clock &clock, ScreenSize screen,
                    QWidget *parent = nullptr);

    // Builds the list afresh and selects the first fish. False, after telling
    // the user, when the tank is empty: the dialog then stays on its tab.
    bool open();

    // The 1-based number of the selected fish.
    int selectedFish() const { return m_selectedFish; }

    void setMessages(FishShopMessages &messages) { m_messages = &messages; }

    // The handlers, named after their controls.
    void List_fishinfo_Click();
    void cb_namechange_ok_Click();
    void Command_out_Click();
    void RefreshSelectedRow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QGroupBox *buildList();
    QGroupBox *buildNameChange();
    QGroupBox *buildDetail();

    AppState &m_state;
    const Clock &m_clock;
    FishShopMessages *m_messages;
    int m_selectedFish = 1;

    QLabel *m_header = nullptr;
    QListWidget *m_list = nullptr;
    QLineEdit *m_newName = nullptr;
};

} // namespace fw
