#include "startup/ApplicationControl.h"

#include <QCursor>
#include <QGuiApplication>

#include <gtest/gtest.h>

using namespace fw;

namespace {

bool blankCursorShown()
{
    const QCursor *cursor = QGuiApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::BlankCursor;
}

} // namespace

TEST(ApplicationControl, HidesTheCursorOnlyWhenAHostStartedTheProgram)
{
    ApplicationControl direct(QString(), [] {});
    direct.HideMouseCursor();
    EXPECT_FALSE(direct.cursorHidden());
    EXPECT_FALSE(blankCursorShown());

    ApplicationControl hosted(QStringLiteral("/s"), [] {});
    hosted.HideMouseCursor();
    hosted.HideMouseCursor();
    EXPECT_TRUE(blankCursorShown());
    // One show undoes any number of hides, and extra shows do nothing.
    hosted.ShowMouseCursor();
    EXPECT_FALSE(hosted.cursorHidden());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    hosted.ShowMouseCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(ApplicationControl, EndProgramUnloadsTheAquariumShowsTheCursorAndEnds)
{
    QStringList steps;
    ApplicationControl control(QStringLiteral("/S"), [&] {
        steps << (blankCursorShown() ? QStringLiteral("end, cursor hidden")
                                     : QStringLiteral("end"));
    });
    control.setAquariumUnload([&] { steps << QStringLiteral("unload"); });
    control.setBeforeExit([&] { steps << QStringLiteral("release"); });
    control.HideMouseCursor();
    control.EndProgram();
    EXPECT_EQ(steps, QStringList({"unload", "release", "end"}));

    // An unload that calls EndProgram again does not unload twice.
    steps.clear();
    ApplicationControl reentrant(QStringLiteral("/s"), [&] { steps << QStringLiteral("end"); });
    reentrant.setAquariumUnload([&] {
        steps << QStringLiteral("unload");
        reentrant.EndProgram();
    });
    reentrant.EndProgram();
    EXPECT_EQ(steps, QStringList({"unload", "end", "end"}));
}
