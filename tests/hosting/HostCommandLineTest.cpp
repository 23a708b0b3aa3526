#include "startup/HostCommandLine.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

HostRequest parse(const QStringList &arguments, const QString &environment = {})
{
    return parseHostArguments(arguments, environment);
}

TEST(WindowIdTest, ReadsHexadecimalAndDecimal)
{
    EXPECT_EQ(parseWindowId(u"0x1a00007"), 0x1a00007u);
    EXPECT_EQ(parseWindowId(u"0X1A00007"), 0x1a00007u);
    EXPECT_EQ(parseWindowId(u"27262983"), 27262983u);
    EXPECT_EQ(parseWindowId(u"0010"), 10u) << "leading zeros are still decimal";
    EXPECT_EQ(parseWindowId(u" 0x20\n"), 0x20u) << "blanks around the number";
    EXPECT_EQ(parseWindowId(u"0xffffffff"), 0xffffffffu);
    EXPECT_EQ(parseWindowId(u"4294967295"), 4294967295u);
}

TEST(WindowIdTest, RefusesWhatIsNotAWindowNumber)
{
    for (const char16_t *text : {u"",
                                 u"  ",
                                 u"0",
                                 u"0x0",
                                 u"0x",
                                 u"x12",
                                 u"-5",
                                 u"+5",
                                 u"0x-5",
                                 u"0x+5",
                                 u"12abc",
                                 u"1a",
                                 u"0x0x5",
                                 u"0x 5",
                                 u"1 2",
                                 u"1.0",
                                 u"0x100000000",
                                 u"4294967296",
                                 u"99999999999999999999999",
                                 u"０x12",
                                 u"１２"})
        EXPECT_FALSE(parseWindowId(text).has_value()) << QString::fromUtf16(text).toStdString();
}

TEST(HostArgumentsTest, LeavesTheWindowsSwitchesToTheOrdinaryRule)
{
    for (const QStringList &arguments :
         {QStringList{}, QStringList{"/s"}, QStringList{"/C"}, QStringList{"/c:1234"},
          QStringList{"/p", "1234"}, QStringList{"/a"}, QStringList{"-s"}, QStringList{"--Root"},
          QStringList{"root"}, QStringList{"/s", "--root"}})
        EXPECT_EQ(parse(arguments, "0x42").mode, HostMode::NotHosted)
            << arguments.join(' ').toStdString();
}

TEST(HostArgumentsTest, RootDrawsIntoTheHostWindowOrTheRootWindow)
{
    for (const QString &flag : {QStringLiteral("--root"), QStringLiteral("-root")}) {
        HostRequest request = parse({flag});
        EXPECT_EQ(request.mode, HostMode::Root);
        EXPECT_EQ(request.windowId, 0u) << "no XSCREENSAVER_WINDOW: the root window";
        EXPECT_TRUE(request.hosted());

        request = parse({flag}, "0x3c00009");
        EXPECT_EQ(request.mode, HostMode::Root);
        EXPECT_EQ(request.windowId, 0x3c00009u);

        request = parse({flag}, "62914569");
        EXPECT_EQ(request.windowId, 62914569u);
    }
}

TEST(HostArgumentsTest, RootWithABrokenHostWindowEndsAtOnce)
{
    for (const QString value : {"garbage", "0x", "0", "-1", "0x1g"}) {
        const HostRequest request = parse({"--root"}, value);
        EXPECT_EQ(request.mode, HostMode::Invalid) << value.toStdString();
        EXPECT_FALSE(request.hosted());
        EXPECT_TRUE(request.error.contains("XSCREENSAVER_WINDOW"));
    }
    EXPECT_EQ(parse({"--root", "--fps"}).mode, HostMode::Invalid);
    EXPECT_EQ(parse({"--root", "--root"}).mode, HostMode::Root);
}

TEST(HostArgumentsTest, WindowIdTakesTheNextArgumentOrAnEqualsSign)
{
    for (const QStringList &arguments :
         {QStringList{"--window-id", "0x1e00003"}, QStringList{"-window-id", "31457283"},
          QStringList{"--window-id=0x1e00003"}, QStringList{"-window-id=31457283"}}) {
        const HostRequest request = parse(arguments, "0x99");
        EXPECT_EQ(request.mode, HostMode::WindowId) << arguments.join(' ').toStdString();
        EXPECT_EQ(request.windowId, 0x1e00003u) << "the argument wins over the environment";
    }
}

TEST(HostArgumentsTest, APreviewsWindowIdWinsOverRoot)
{
    for (const QStringList &arguments :
         {QStringList{"--root", "--window-id", "0x2a"}, QStringList{"--window-id", "42", "-root"},
          QStringList{"-root", "--window-id=0x2A"}}) {
        const HostRequest request = parse(arguments, "0x99");
        EXPECT_EQ(request.mode, HostMode::WindowId) << arguments.join(' ').toStdString();
        EXPECT_EQ(request.windowId, 42u);
    }
    EXPECT_EQ(parse({"--root", "--window-id", "0x2a"}, "garbage").mode, HostMode::WindowId)
        << "XSCREENSAVER_WINDOW does not matter when the window is named";
}

TEST(HostArgumentsTest, BadWindowIdsEndAtOnce)
{
    for (const QStringList &arguments :
         {QStringList{"--window-id"}, QStringList{"--window-id", ""},
          QStringList{"--window-id", "abc"}, QStringList{"--window-id", "0"},
          QStringList{"--window-id", "-12"}, QStringList{"--window-id", "0x10", "extra"},
          QStringList{"--window-id="}, QStringList{"--window-id=12", "13"},
          QStringList{"-window-id", "5000000000"}, QStringList{"--root", "--window-id"},
          QStringList{"--window-id", "1", "--window-id", "2"},
          QStringList{"--window-id", "--root"}}) {
        const HostRequest request = parse(arguments);
        EXPECT_EQ(request.mode, HostMode::Invalid) << arguments.join(' ').toStdString();
        EXPECT_FALSE(request.error.isEmpty());
    }
}

TEST(HostArgumentsTest, HelpStandsAlone)
{
    EXPECT_EQ(parse({"--help"}).mode, HostMode::Help);
    EXPECT_EQ(parse({"-help"}).mode, HostMode::Help);
    EXPECT_EQ(parse({"--help", "/s"}).mode, HostMode::Invalid);
    const QString usage = usageText();
    for (const char *mentioned : {"/s", "/c", "--root", "--window-id", "--help", "FINWICKS.INI"})
        EXPECT_TRUE(usage.contains(QLatin1String(mentioned))) << mentioned;
}

} // namespace
} // namespace fw
