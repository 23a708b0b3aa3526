#pragma once

#include "state/AppState.h"

#include <QWidget>

#include <cstdint>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace fw {

class ColourBox;

// The "動作環境" tab: clock, names, background picture and colours, the
// animation speed and how the screen saver ends.
class EnvironmentTab : public QWidget
{
    Q_OBJECT

public:
    EnvironmentTab(AppState &state, QWidget *parent = nullptr);

    // The handlers, named after their controls.
    void Check_timeVisible_Click();
    void Check_screenclear_Click();
    void Check_BackScreenVisible_Click();
    void cb_ForeColorSet_Click();
    void cb_BackColorSet_Click();
    void cb_BackScreenSel_Click();
    void Check_sound2_Click();
    void cb_SoundSel_Click();

    // Why OK cannot take the music as chosen, or empty when it can.
    std::optional<QString> musicRefusal() const;

    // The chosen option of the end pattern, or -1 when none is.
    int endPattern() const;
    bool selectEndPattern(int option);

    std::uint32_t nameColour() const;
    std::uint32_t backColour() const;

private:
    QGroupBox *buildEnvironment();
    QGroupBox *buildEndPattern();
    QGroupBox *buildFishMove();
    QGroupBox *buildSound();
    void openColourChooser(const QString &target);
    void openFileChooser(const QString &target);

    AppState &m_state;
    QCheckBox *m_timeVisible = nullptr;
    QComboBox *m_timeStyle = nullptr;
    QComboBox *m_timePosition = nullptr;
    QCheckBox *m_backScreenVisible = nullptr;
    QLineEdit *m_backPicture = nullptr;
    QPushButton *m_backScreenSel = nullptr;
    QCheckBox *m_screenClear = nullptr;
    QScrollBar *m_screenClearTime = nullptr;
    QLabel *m_screenClearTimeLabel = nullptr;
    ColourBox *m_nameColour = nullptr;
    ColourBox *m_backColour = nullptr;
    QButtonGroup *m_endPattern = nullptr;
    QCheckBox *m_music = nullptr;
    QLineEdit *m_musicFile = nullptr;
    QPushButton *m_musicSel = nullptr;
};

} // namespace fw
