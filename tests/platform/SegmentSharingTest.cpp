#include "platform/SegmentSharing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using fw::SegmentSharing;
using fw::SharingMethod;
using fw::SharingOffer;

namespace {

// Stands for the X server: takes segments by the methods it accepts and
// records every one it was offered.
struct FakeServer
{
    std::vector<SharingMethod> accepted;
    std::vector<SharingMethod> offered;

    bool attach(SegmentSharing &sharing)
    {
        return sharing.attach([this](SharingMethod method) {
            offered.push_back(method);
            return std::find(accepted.begin(), accepted.end(), method) != accepted.end();
        });
    }
};

constexpr SharingOffer Local12{true, 1, 2, true};

} // namespace

TEST(SegmentSharing, AServerWithoutTheExtensionIsNeverAsked)
{
    SegmentSharing sharing(SharingOffer{false, 0, 0, true});
    FakeServer server{{SharingMethod::MemoryFile, SharingMethod::SystemV}, {}};
    EXPECT_FALSE(sharing.possible());
    EXPECT_FALSE(server.attach(sharing));
    EXPECT_TRUE(server.offered.empty());
}

TEST(SegmentSharing, AMemoryFileIsPreferredWhereTheConnectionCanCarryIt)
{
    SegmentSharing sharing(Local12);
    FakeServer server{{SharingMethod::MemoryFile, SharingMethod::SystemV}, {}};
    for (int frame = 0; frame < 3; ++frame)
        EXPECT_TRUE(server.attach(sharing));
    EXPECT_EQ(server.offered, std::vector<SharingMethod>(3, SharingMethod::MemoryFile));
    EXPECT_EQ(sharing.method(), SharingMethod::MemoryFile);

    // Version 1.1, or a connection over the network: no descriptor passing.
    for (const SharingOffer offer :
         {SharingOffer{true, 1, 1, true}, SharingOffer{true, 1, 2, false}}) {
        SegmentSharing older(offer);
        FakeServer both{{SharingMethod::MemoryFile, SharingMethod::SystemV}, {}};
        EXPECT_TRUE(both.attach(older));
        EXPECT_EQ(both.offered, std::vector<SharingMethod>{SharingMethod::SystemV});
    }
    EXPECT_TRUE(SharingOffer({true, 2, 0, true}).passesDescriptors());
}

TEST(SegmentSharing, TheMethodThatWorkedFirstIsKeptWithoutTryingTheOthersAgain)
{
    SegmentSharing sharing(Local12);
    FakeServer server{{SharingMethod::SystemV}, {}};
    EXPECT_TRUE(server.attach(sharing));
    EXPECT_TRUE(server.attach(sharing));
    EXPECT_EQ(server.offered,
              (std::vector<SharingMethod>{SharingMethod::MemoryFile, SharingMethod::SystemV,
                                          SharingMethod::SystemV}));
    EXPECT_EQ(sharing.method(), SharingMethod::SystemV);
}

TEST(SegmentSharing, AServerThatRefusesEverythingIsAskedOnceNotEveryFrame)
{
    // A remote client's or another IPC namespace's segments.
    SegmentSharing sharing(Local12);
    FakeServer server{{}, {}};
    EXPECT_TRUE(sharing.possible());
    for (int frame = 0; frame < 20; ++frame)
        EXPECT_FALSE(server.attach(sharing));
    EXPECT_EQ(server.offered,
              (std::vector<SharingMethod>{SharingMethod::MemoryFile, SharingMethod::SystemV}));
    EXPECT_FALSE(sharing.possible());
    EXPECT_FALSE(sharing.method().has_value());
}

TEST(SegmentSharing, AKeptMethodThatFailsLaterEndsSharingForGood)
{
    SegmentSharing sharing(Local12);
    FakeServer server{{SharingMethod::MemoryFile}, {}};
    EXPECT_TRUE(server.attach(sharing));
    server.accepted.clear(); // out of memory for a larger segment, say
    EXPECT_FALSE(server.attach(sharing));
    EXPECT_FALSE(sharing.possible());
    server.accepted = {SharingMethod::MemoryFile, SharingMethod::SystemV};
    EXPECT_FALSE(server.attach(sharing));
    EXPECT_EQ(server.offered, std::vector<SharingMethod>(2, SharingMethod::MemoryFile));
}
