#include <QApplication>

#include <gtest/gtest.h>

#include <cstring>

namespace {

// --scale=FACTOR runs the tests at that device pixel ratio.
void applyScaleArgument(int argc, char **argv)
{
    constexpr const char *Prefix = "--scale=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], Prefix, std::strlen(Prefix)) == 0)
            qputenv("QT_SCALE_FACTOR", argv[i] + std::strlen(Prefix));
    }
}

} // namespace

int main(int argc, char **argv)
{
    // Text measuring and widgets need an application; the offscreen platform
    // needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    applyScaleArgument(argc, argv);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
