// The window services under a real window manager on an X server (run by
// tests/support/with_window_manager.sh): stay on top, minimising the
// program with its tool windows, and the keyboard after a question.
#include "platform/qt_dialogs.h"
#include "platform/qt_fonts.h"
#include "platform/qt_windows.h"
#include "platform/session_bus.h"
#include "platform/x11_window_state.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

#include <pwd.h>
#include <unistd.h>

namespace tessaro::platform {
namespace {

xcb_connection_t* Connection()
{
    return qApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_atom_t Atom(const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        Connection(), xcb_intern_atom(Connection(), 0, std::uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : XCB_ATOM_NONE;
    std::free(reply);
    return atom;
}

// Whether the window manager lists _NET_WM_STATE_ABOVE for the window.
bool KeptAbove(const QWidget& window)
{
    const xcb_get_property_cookie_t cookie = xcb_get_property(
        Connection(), 0, xcb_window_t(window.winId()), Atom("_NET_WM_STATE"), XCB_ATOM_ATOM, 0, 32);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(Connection(), cookie, nullptr);
    if (!reply)
        return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
    const int count = xcb_get_property_value_length(reply) / int(sizeof(xcb_atom_t));
    const xcb_atom_t above = Atom("_NET_WM_STATE_ABOVE");
    bool found = false;
    for (int i = 0; i < count; ++i)
        found = found || atoms[i] == above;
    std::free(reply);
    return found;
}

class WindowManagerTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (!OnX11())
            GTEST_SKIP() << "needs an X server with a window manager (with_window_manager.sh)";
    }
};

TEST_F(WindowManagerTest, StayOnTopKeepsTheSameNativeWindow)
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setGeometry(120, 90, 213, 157);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const WId id = window.winId();
    QtWindows windows;
    for (const bool topmost : {true, false, true}) {
        windows.setTopmost(&window, topmost);
        EXPECT_EQ(window.winId(), id) << "the native window was made again";
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), topmost);
        EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_TRUE(QTest::qWaitFor([&] { return KeptAbove(window) == topmost; }, 3000))
            << "the window manager's state for topmost " << topmost;
    }
    // Shown again later, the window is still kept above.
    window.hide();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.winId(), id);
    EXPECT_TRUE(QTest::qWaitFor([&] { return KeptAbove(window); }, 3000));
}

struct ProgramWindows {
    QWidget main{nullptr, Qt::FramelessWindowHint};
    QWidget tool{nullptr, Qt::Tool | Qt::FramelessWindowHint};

    ProgramWindows()
    {
        main.setGeometry(300, 100, 200, 150);
        tool.setGeometry(100, 100, 150, 150);
        main.show();
        tool.show();
    }
    bool exposed() { return QTest::qWaitForWindowExposed(&main) && QTest::qWaitForWindowExposed(&tool); }
};

TEST_F(WindowManagerTest, RestoringTheMainWindowBringsBackTheToolWindows)
{
    ProgramWindows program;
    ASSERT_TRUE(program.exposed());
    QtWindows windows;
    windows.minimizeApplication();
    EXPECT_TRUE(QTest::qWaitFor([&] { return program.main.isMinimized(); }, 3000));
    EXPECT_FALSE(program.tool.isVisible());

    // As the taskbar does it.
    program.main.showNormal();
    EXPECT_TRUE(QTest::qWaitFor([&] { return program.tool.isVisible() && !program.tool.isMinimized(); }, 3000));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&program.tool));
    EXPECT_FALSE(program.main.isMinimized());
}

TEST_F(WindowManagerTest, ShowingAToolWindowUnminimisesIt)
{
    ProgramWindows program;
    ASSERT_TRUE(program.exposed());
    QtWindows windows;
    windows.minimizeApplication();
    EXPECT_TRUE(QTest::qWaitFor([&] { return program.main.isMinimized(); }, 3000));
    windows.showToolWindow(&program.tool);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&program.tool));
    EXPECT_FALSE(program.tool.isMinimized());

    // Minimised by the window manager itself, the tool window comes back too.
    program.main.showNormal();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&program.main));
    program.tool.showMinimized();
    EXPECT_TRUE(QTest::qWaitFor([&] { return program.tool.isMinimized(); }, 3000));
    windows.showToolWindow(&program.tool);
    EXPECT_TRUE(QTest::qWaitFor([&] { return program.tool.isVisible() && !program.tool.isMinimized(); }, 3000));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&program.tool));
}

// A tool window that asks, while another window of the program has the
// keyboard, gets it back once the question is answered.
TEST_F(WindowManagerTest, AnsweredQuestionGivesTheKeyboardBackToItsWindow)
{
    ProgramWindows program;
    ASSERT_TRUE(program.exposed());
    program.main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&program.main));

    QtFonts fonts;
    QtDialogs dialogs(fonts);
    bool openDuringQuestion = false;
    QString shownTitle;
    QTimer::singleShot(0, [&] {
        // The timer fires inside the box's own event loop.
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        QTest::qWaitForWindowExposed(box);
        openDuringQuestion = dialogs.isOpenOver(&program.tool);
        shownTitle = box->windowHandle()->title();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(dialogs.askYesNo(&program.tool, QStringLiteral("Remove?"), QStringLiteral("Are you sure?")), Answer::No);
    EXPECT_TRUE(openDuringQuestion);
    EXPECT_FALSE(dialogs.isOpenOver(&program.tool));
    EXPECT_EQ(shownTitle, QStringLiteral("Remove?"));
    EXPECT_TRUE(QTest::qWaitForWindowActive(&program.tool)) << "the keyboard stayed elsewhere";
}

// A short message or a small input box is still wide enough for the window
// manager's title bar to show its whole caption beside its buttons, and an
// input box keeps one size (no resize handle under its buttons).
TEST_F(WindowManagerTest, BoxesAreAsWideAsTheirCaptions)
{
    QWidget parent;
    parent.setGeometry(100, 100, 300, 200);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    QtFonts fonts;
    QtDialogs dialogs(fonts);
    const auto captionRoom = [](const QWidget& box) {
        QFont bold = box.font();
        bold.setBold(true);
        return QFontMetrics(bold).horizontalAdvance(box.windowTitle()) + 100;
    };

    int messageWidth = 0, messageRoom = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        QTest::qWaitForWindowExposed(box);
        messageWidth = box->width();
        messageRoom = captionRoom(*box);
        box->button(QMessageBox::Ok)->click();
    });
    dialogs.notify(&parent, QStringLiteral("Import Colors"), QStringLiteral("No colors found!"));
    EXPECT_GE(messageWidth, messageRoom);
    EXPECT_GT(messageRoom, 100);

    int inputWidth = 0, inputRoom = 0;
    bool fixedSize = false;
    QTimer::singleShot(0, [&] {
        auto* box = QApplication::activeModalWidget();
        if (!box)
            return;
        QTest::qWaitForWindowExposed(box);
        inputWidth = box->width();
        inputRoom = captionRoom(*box);
        fixedSize = QTest::qWaitFor([box] { return box->minimumSize() == box->maximumSize(); }, 2000);
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_FALSE(dialogs.inputText(&parent, QStringLiteral("Type New String"), QStringLiteral("Type New String"),
                                   QString()));
    EXPECT_GE(inputWidth, inputRoom);
    EXPECT_TRUE(fixedSize);
}

// The X server fills the window with its background picture when the
// window manager maps it, before the program paints anything (no event is
// processed here, so Qt's own red never comes).
TEST_F(WindowManagerTest, ServerBackgroundShowsBeforeTheProgramPaints)
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setGeometry(120, 120, 64, 48);
    window.setAutoFillBackground(true);
    window.setPalette(QPalette(Qt::red));
    QImage picture(window.size() * window.devicePixelRatio(), QImage::Format_RGB32);
    picture.fill(QColor(0x20, 0x40, 0x80));
    for (int y = 0; y < picture.height() / 2; ++y)
        for (int x = 0; x < picture.width() / 2; ++x)
            picture.setPixel(x, y, qRgb(0x10, 0xC0, 0x30));
    window.winId();
    ASSERT_TRUE(SetServerBackground(window.windowHandle(), picture));
    EXPECT_FALSE(SetServerBackground(window.windowHandle(), picture.scaled(picture.size() / 2)));
    window.show();

    const auto target = xcb_window_t(window.winId());
    bool viewable = false;
    for (int tries = 0; tries < 200 && !viewable; ++tries) {
        xcb_get_window_attributes_reply_t* attributes =
            xcb_get_window_attributes_reply(Connection(), xcb_get_window_attributes(Connection(), target), nullptr);
        viewable = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(attributes);
        if (!viewable)
            usleep(10000);
    }
    ASSERT_TRUE(viewable);
    const auto pixelAt = [target](int x, int y) {
        xcb_get_image_reply_t* image = xcb_get_image_reply(
            Connection(), xcb_get_image(Connection(), XCB_IMAGE_FORMAT_Z_PIXMAP, target, std::int16_t(x),
                                        std::int16_t(y), 1, 1, ~0u),
            nullptr);
        QRgb pixel = 0;
        if (image && xcb_get_image_data_length(image) >= 4)
            std::memcpy(&pixel, xcb_get_image_data(image), 4);
        std::free(image);
        return pixel & 0xFFFFFF;
    };
    EXPECT_EQ(pixelAt(5, 5), 0x10C030u);
    EXPECT_EQ(pixelAt(50, 40), 0x204080u);
}

// The session bus address a bus launcher publishes on the display: the
// address property of the window owning the user's selection, read over a
// connection of the look-up's own.
TEST_F(WindowManagerTest, SessionBusAddressIsReadFromTheDisplay)
{
    QByteArray machineId;
    for (const char* path : {"/var/lib/dbus/machine-id", "/etc/machine-id"}) {
        QFile file(QString::fromLatin1(path));
        if (machineId.isEmpty() && file.open(QIODevice::ReadOnly))
            machineId = file.readAll().trimmed();
    }
    if (machineId.isEmpty())
        GTEST_SKIP() << "this machine has no D-Bus machine id";
    const QByteArray selectionName =
        QByteArray("_DBUS_SESSION_BUS_SELECTION_") + ::getpwuid(::getuid())->pw_name + '_' + machineId;
    const char* display = std::getenv("DISPLAY");
    EXPECT_EQ(DisplaySessionBusAddress(display), QByteArray());

    QWidget launcher;
    const auto window = xcb_window_t(launcher.winId());
    const QByteArray address = "unix:path=/tmp/dbus-test,guid=0123456789abcdef";
    xcb_change_property(Connection(), XCB_PROP_MODE_REPLACE, window, Atom("_DBUS_SESSION_BUS_ADDRESS"),
                        XCB_ATOM_STRING, 8, std::uint32_t(address.size()), address.constData());
    const xcb_atom_t selection = Atom(selectionName.constData());
    xcb_set_selection_owner(Connection(), window, selection, XCB_CURRENT_TIME);
    xcb_flush(Connection());
    EXPECT_EQ(DisplaySessionBusAddress(display), address);
    EXPECT_EQ(DisplaySessionBusAddress(":4711"), QByteArray()) << "a display that cannot be reached";

    xcb_set_selection_owner(Connection(), XCB_WINDOW_NONE, selection, XCB_CURRENT_TIME);
    xcb_flush(Connection());
    EXPECT_EQ(DisplaySessionBusAddress(display), QByteArray());
}

} // namespace
} // namespace tessaro::platform
