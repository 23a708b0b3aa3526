#include "dialogs/ui/AboutBox.h"
#include "dialogs/ui/AboutTankView.h"
#include "support/ScriptedRandom.h"

#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

#include <random>

namespace fw {
namespace {

using test::ScriptedRandom;

TEST(AboutBox, ShowsTitleAndVersionFromTheSettings)
{
    AppState state;
    state.settings.version = QStringLiteral("0.34b");
    ScriptedRandom random{0.5, 0.1, 0.2, 0.1, 0.5};
    frmAbout about(state, random);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Screen Finwick"));
    EXPECT_EQ(about.findChild<QLabel *>(QStringLiteral("Label_version"))->text(),
              QStringLiteral("Version 0.34b"));
    EXPECT_EQ(about.findChild<QLabel *>(QStringLiteral("Label_title"))->text(),
              QStringLiteral("Screen Finwick for Windows 95"));
    EXPECT_EQ(about.tankView().size(), QSize(234, 63));
    EXPECT_EQ(about.findChild<QTimer *>()->interval(), 500);
    EXPECT_TRUE(about.findChild<QTimer *>()->isActive());
    EXPECT_EQ(random.remaining(), 0u); // speed and one course at load
}

TEST(AboutBox, TheTetraFacesItsWayAndStaysInTheTank)
{
    AppState state;
    std::mt19937 engine(11);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    ScriptedRandom random;
    for (int i = 0; i < 5; ++i)
        random.push(uniform(engine));
    frmAbout about(state, random);
    const AboutTankView &view = about.tankView();
    for (int tick = 0; tick < 2000; ++tick) {
        for (int i = 0; i < 5; ++i)
            random.push(uniform(engine));
        about.Timer_FishMove_Timer();
        ASSERT_EQ(about.showsLeftPicture(), about.swimmer().dx() < 0) << tick;
        const QRect fish(view.fishPosition(), view.fishPicture().size());
        const int step = 4; // the largest step, 58 twips, is under four pixels
        ASSERT_TRUE(view.rect().adjusted(-step, -step, step, step).contains(fish)) << tick;
    }
}

} // namespace
} // namespace fw
