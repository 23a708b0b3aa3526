#include "startup/CommandLine.h"

#include <gtest/gtest.h>

using namespace fw;

TEST(CommandLine, OnlyTheFirstTwoCharactersCountInAnyCase)
{
    EXPECT_EQ(startModeFor(u""), StartMode::Aquarium);
    EXPECT_EQ(startModeFor(u"/s"), StartMode::Aquarium);
    EXPECT_EQ(startModeFor(u"/S"), StartMode::Aquarium);
    EXPECT_EQ(startModeFor(u"/scroll"), StartMode::Aquarium);
    EXPECT_EQ(startModeFor(u"/c"), StartMode::Configuration);
    EXPECT_EQ(startModeFor(u"/C:1234"), StartMode::Configuration);
    EXPECT_EQ(startModeFor(u"/c 0x1a2b"), StartMode::Configuration);
}

TEST(CommandLine, EverythingElseQuits)
{
    for (const char16_t *line : {u"/p 1234", u"/a", u"-s", u"s", u"/", u" /s", u"c", u"-c", u"/x"})
        EXPECT_EQ(startModeFor(QStringView(line)), StartMode::Quit)
            << QString::fromUtf16(line).toStdString();
}

TEST(CommandLine, ArgumentsAreJoinedWithSpacesWithoutTheProgramName)
{
    const char *const none[] = {"finwicks"};
    EXPECT_EQ(commandLineFrom(1, none), QString());
    const char *const two[] = {"finwicks", "/p", "1234"};
    EXPECT_EQ(commandLineFrom(3, two), QStringLiteral("/p 1234"));
    EXPECT_EQ(startModeFor(commandLineFrom(3, two)), StartMode::Quit);
    const char *const config[] = {"finwicks", "/c:99"};
    EXPECT_EQ(startModeFor(commandLineFrom(2, config)), StartMode::Configuration);
}
