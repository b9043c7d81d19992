// Where the session bus is taken from before the first D-Bus connection.
#include "platform/session_bus.h"

#include "named_case.h"

#include <gtest/gtest.h>

namespace tessaro::platform {
namespace {

struct BusCase {
    const char* name;
    SessionBusFacts facts;
    QByteArray address;
};

using test::PrintTo;

class SessionBusChoiceTest : public testing::TestWithParam<BusCase> {};

TEST_P(SessionBusChoiceTest, LeavesToLibdbusWhatItFindsWithoutAHelper)
{
    EXPECT_EQ(ChooseSessionBusAddress(GetParam().facts), GetParam().address);
}

const QByteArray kPublished = "unix:path=/tmp/dbus-x,guid=0123";

INSTANTIATE_TEST_SUITE_P(
    Table, SessionBusChoiceTest,
    testing::Values(
        BusCase{"DesktopSession", {"unix:path=/run/user/1000/bus", false, true, kPublished, true}, {}},
        BusCase{"UserBusSocket", {{}, true, true, kPublished, false}, {}},
        BusCase{"NoX11Display", {{}, false, false, {}, false}, {}},
        BusCase{"PublishedOnTheDisplay", {{}, false, true, kPublished, true}, kPublished},
        BusCase{"LauncherStartsABus", {{}, false, true, {}, true}, {}},
        BusCase{"NoBusAndNoLauncher", {{}, false, true, {}, false}, kNoSessionBus},
        BusCase{"PublishedButNoLauncherToReadIt", {{}, false, true, kPublished, false}, kNoSessionBus}),
    test::kCaseName);

} // namespace
} // namespace tessaro::platform
