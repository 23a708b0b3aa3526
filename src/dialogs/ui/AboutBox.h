#pragma once

#include "dialogs/AboutSwimmer.h"
#include "state/AppState.h"

#include <QDialog>
#include <QPixmap>

class QLabel;
class QTimer;

namespace fw {

class AboutTankView;
class Random;

// The about box: title, version, our notices and a tetra swimming to and fro
// in a small tank on its own half-second timer.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    frmAbout(const AppState &state, Random &random, QWidget *parent = nullptr);

    const AboutSwimmer &swimmer() const { return m_swimmer; }
    const AboutTankView &tankView() const { return *m_tankView; }
    // Which picture the fish shows: true for the left-facing one.
    bool showsLeftPicture() const { return m_showsLeft; }

    // One tick of the animation timer.
    void Timer_FishMove_Timer();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showFish();

    Random &m_random;
    AboutTankView *m_tankView = nullptr;
    QTimer *m_timer = nullptr;
    QPixmap m_tetraLeft;
    QPixmap m_tetraRight;
    AboutSwimmer m_swimmer;
    bool m_showsLeft = false;
};

} // namespace fw
