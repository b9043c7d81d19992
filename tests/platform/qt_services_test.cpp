// The Qt services on Qt's offscreen platform: clipboard, screen reading,
// window services, and the file and font dialogs' own logic.
#include "platform/font_effects_dialog.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_dialogs.h"
#include "platform/qt_screen.h"
#include "platform/qt_windows.h"

#include "named_case.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCursor>
#include <QEventLoop>
#include <QFileDialog>
#include <QMimeData>
#include <QMouseEvent>
#include <QWindow>
#include <QSvgRenderer>
#include <QTest>
#include <QWidget>

#include <memory>
#include <string>

namespace tessaro::platform {
namespace {

using test::PrintTo;

// ---- clipboard

struct LineEndCase {
    const char* name;
    QString put;       // what another program put on the clipboard
    QString expected;  // what the program reads
};

class ClipboardTextTest : public testing::TestWithParam<LineEndCase> {};

TEST_P(ClipboardTextTest, ReadsLinesEndedByCrLf)
{
    QGuiApplication::clipboard()->setText(GetParam().put);
    EXPECT_EQ(QtClipboard().text(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ClipboardTextTest, testing::Values(
    LineEndCase{"Empty", "", ""},
    LineEndCase{"NoBreak", "#FF8000", "#FF8000"},
    LineEndCase{"Lf", "a\nb\n", "a\r\nb\r\n"},
    LineEndCase{"Cr", "a\rb", "a\r\nb"},
    LineEndCase{"CrLfKept", "a\r\nb\r\n", "a\r\nb\r\n"},
    LineEndCase{"LfCrIsTwoBreaks", "a\n\rb", "a\r\n\r\nb"},
    LineEndCase{"CrCrLf", "a\r\r\nb", "a\r\n\r\nb"},
    LineEndCase{"EmptyLinesKept", "\n\na\n", "\r\n\r\na\r\n"},
    LineEndCase{"Mixed", "a\r\n\nb\rc", "a\r\n\r\nb\r\nc"}),
    test::kCaseName);

TEST(ClipboardTest, TextPutIsReadBack)
{
    QtClipboard clipboard;
    clipboard.setText(QStringLiteral("255,128,0\r\n#FF8000\r\n"));
    EXPECT_EQ(clipboard.text(), QStringLiteral("255,128,0\r\n#FF8000\r\n"));
}

TEST(ClipboardTest, ImageOfferedAsPngAndBmp)
{
    QImage image(7, 5, QImage::Format_RGB32);
    image.fill(qRgb(10, 200, 30));
    image.setPixel(6, 4, qRgb(250, 0, 0));
    QtClipboard().setImage(image);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    for (const char* format : {"png", "bmp"}) {
        const QImage decoded = QImage::fromData(data->data(QStringLiteral("image/") + QLatin1String(format)), format);
        ASSERT_EQ(decoded.size(), image.size()) << format;
        EXPECT_EQ(decoded.pixel(0, 0), image.pixel(0, 0)) << format;
        EXPECT_EQ(decoded.pixel(6, 4), image.pixel(6, 4)) << format;
    }
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), image.size());
}

struct VectorCase {
    const char* name;
    QByteArray svg;
    QByteArray emf;
    QByteArray wmf;
};

class ClipboardVectorTest : public testing::TestWithParam<VectorCase> {};

TEST_P(ClipboardVectorTest, OffersTheNonEmptyParts)
{
    const VectorCase& c = GetParam();
    QGuiApplication::clipboard()->setText(QStringLiteral("left over"));
    QtClipboard().setVectorPicture(c.svg, c.emf, c.wmf);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_FALSE(data->hasText()) << "the previous content is replaced";
    const std::pair<const char*, QByteArray> parts[] = {
        {"image/svg+xml", c.svg}, {"image/x-emf", c.emf}, {"image/x-wmf", c.wmf}};
    for (const auto& [type, bytes] : parts) {
        EXPECT_EQ(data->hasFormat(QLatin1String(type)), !bytes.isEmpty()) << type;
        EXPECT_EQ(data->data(QLatin1String(type)), bytes) << type;
    }
    // Programs that only paste bitmaps get the SVG drawn.
    EXPECT_EQ(data->hasImage(), !c.svg.isEmpty());
}

const QByteArray kSvg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"20\" height=\"10\">"
                        "<rect width=\"20\" height=\"10\" fill=\"#00FF00\"/></svg>";
const QByteArray kEmf = QByteArray("\x01\x00\x00\x00 EMF bytes", 14);
const QByteArray kWmf = QByteArray("\xD7\xCD\xC6\x9A WMF bytes", 14);

INSTANTIATE_TEST_SUITE_P(Table, ClipboardVectorTest, testing::Values(
    VectorCase{"All", kSvg, kEmf, kWmf},
    VectorCase{"SvgOnly", kSvg, {}, {}},
    VectorCase{"MetafilesOnly", {}, kEmf, kWmf},
    VectorCase{"EmfOnly", {}, kEmf, {}}),
    test::kCaseName);

// ---- screen

// A frameless window of one colour at a known place on the offscreen screen.
std::unique_ptr<QWidget> ShowColoredWindow(const QRect& geometry, const QColor& color)
{
    auto window = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint);
    QPalette palette;
    palette.setColor(QPalette::Window, color);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    window->setGeometry(geometry);
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->repaint();  // painted and flushed before anything reads the screen
    return window;
}

struct PixelCase {
    const char* name;
    QPoint position;
    TColor expected;
};

class ScreenPixelTest : public testing::TestWithParam<PixelCase> {};

TEST_P(ScreenPixelTest, ReadsWindowsAndWhiteOffTheScreen)
{
    const auto window = ShowColoredWindow(QRect(100, 80, 60, 40), QColor(200, 100, 50));
    EXPECT_EQ(QtScreen().pixelAt(GetParam().position), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ScreenPixelTest, testing::Values(
    PixelCase{"InsideTheWindow", {130, 100}, MakeColor(200, 100, 50)},
    PixelCase{"WindowTopLeft", {100, 80}, MakeColor(200, 100, 50)},
    PixelCase{"WindowBottomRight", {159, 119}, MakeColor(200, 100, 50)},
    PixelCase{"OffTheScreen", {-5, -5}, MakeColor(255, 255, 255)},
    PixelCase{"FarOffTheScreen", {100000, 100000}, MakeColor(255, 255, 255)}),
    test::kCaseName);

TEST(ScreenTest, GrabCopiesOneToOne)
{
    const auto window = ShowColoredWindow(QRect(100, 80, 60, 40), QColor(20, 40, 220));
    const QImage grabbed = QtScreen().grab(QRect(110, 90, 30, 20));
    ASSERT_EQ(grabbed.size(), QSize(30, 20));
    EXPECT_EQ(grabbed.pixel(0, 0), qRgb(20, 40, 220));
    EXPECT_EQ(grabbed.pixel(29, 19), qRgb(20, 40, 220));
}

TEST(ScreenTest, RectangleOffTheScreenIsWhite)
{
    const QImage grabbed = QtScreen().grab(QRect(-20, -20, 8, 6));
    ASSERT_EQ(grabbed.size(), QSize(8, 6));
    for (const QPoint p : {QPoint(0, 0), QPoint(7, 5)})
        EXPECT_EQ(grabbed.pixel(p), qRgb(255, 255, 255));
}

TEST(ScreenTest, RectangleAcrossTheScreenEdgeIsWhiteOutside)
{
    const auto window = ShowColoredWindow(QRect(0, 0, 40, 30), QColor(20, 40, 220));
    const QImage grabbed = QtScreen().grab(QRect(-10, -5, 20, 15));
    ASSERT_EQ(grabbed.size(), QSize(20, 15));
    const std::pair<QPoint, QRgb> expected[] = {
        {{0, 0}, qRgb(255, 255, 255)},   // left of and above the screen
        {{9, 14}, qRgb(255, 255, 255)},  // left of the screen
        {{19, 4}, qRgb(255, 255, 255)},  // above the screen
        {{10, 5}, qRgb(20, 40, 220)},    // the screen's top-left pixel
        {{19, 14}, qRgb(20, 40, 220)},
    };
    for (const auto& [point, color] : expected)
        EXPECT_EQ(grabbed.pixel(point), color) << point.x() << "," << point.y();
}

// ---- windows

// The windows come back only when the caller says so: an asynchronous
// screenshot answers from the event loop, after the call returned.
TEST(WindowsTest, HidesWithoutBlockingUntilShownAgain)
{
    QWidget first, second;
    first.setGeometry(10, 10, 50, 50);
    second.setGeometry(100, 10, 50, 50);
    first.show();
    second.show();

    QEventLoop loop;
    std::optional<bool> hiddenDuringCall;
    Windows::ShowAgain showAgain;
    QtWindows().hideProgramWindows(30, [&](Windows::ShowAgain again) {
        hiddenDuringCall = !first.isVisible() && !second.isVisible();
        showAgain = std::move(again);
        loop.quit();
    });
    EXPECT_FALSE(hiddenDuringCall.has_value()) << "the call waits on a timer, not in place";
    EXPECT_FALSE(first.isVisible());
    loop.exec();
    ASSERT_TRUE(hiddenDuringCall.has_value());
    EXPECT_TRUE(*hiddenDuringCall);
    QTest::qWait(50);
    EXPECT_FALSE(first.isVisible()) << "the windows wait for showAgain";
    showAgain();
    EXPECT_TRUE(first.isVisible());
    EXPECT_TRUE(second.isVisible());
    first.hide();
    showAgain();  // a second call shows nothing
    EXPECT_FALSE(first.isVisible());
}

TEST(WindowsTest, WindowShownWhileHiddenStaysInFront)
{
    QWidget program, screenshot;
    program.show();
    QEventLoop loop;
    QtWindows().hideProgramWindows(0, [&](Windows::ShowAgain showAgain) {
        screenshot.show();
        showAgain();
        loop.quit();
    });
    loop.exec();
    EXPECT_TRUE(program.isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&screenshot));
}

TEST(WindowsTest, HiddenWindowStaysHidden)
{
    QWidget shown, hidden;
    shown.show();
    QEventLoop loop;
    QtWindows().hideProgramWindows(0, [&](Windows::ShowAgain showAgain) {
        showAgain();
        loop.quit();
    });
    loop.exec();
    EXPECT_TRUE(shown.isVisible());
    EXPECT_FALSE(hidden.isVisible());
}

void SendMouse(QWidget* target, QEvent::Type type, QPoint global, Qt::MouseButtons buttons)
{
    const QPoint local = target->mapFromGlobal(global);
    QMouseEvent event(type, local, local, global, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Without a window manager that moves windows (here Qt's offscreen
// platform), the window follows the mouse until the button is released.
TEST(WindowsTest, MoveFollowsTheMouseWhereTheDesktopCannot)
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setGeometry(100, 100, 80, 60);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCursor::setPos(110, 105);
    if (QCursor::pos() != QPoint(110, 105))
        GTEST_SKIP() << "the platform cannot place the mouse";
    if (window.windowHandle()->startSystemMove())
        GTEST_SKIP() << "the platform moves windows itself";

    QtWindows().startMove(&window);
    SendMouse(&window, QEvent::MouseMove, {130, 145}, Qt::LeftButton);
    EXPECT_EQ(window.pos(), QPoint(120, 140));
    SendMouse(&window, QEvent::MouseButtonRelease, {130, 145}, Qt::NoButton);
    SendMouse(&window, QEvent::MouseMove, {300, 300}, Qt::LeftButton);
    EXPECT_EQ(window.pos(), QPoint(120, 140)) << "the move ended with the release";
}

TEST(WindowsTest, TopmostKeepsPlaceAndSize)
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setGeometry(120, 90, 213, 157);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (const bool topmost : {true, false}) {
        QtWindows().setTopmost(&window, topmost);
        EXPECT_EQ(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), topmost);
        EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(window.geometry(), QRect(120, 90, 213, 157));
    }
}

struct OpacityCase {
    const char* name;
    int opacity;
    double expected;
};

class WindowOpacityTest : public testing::TestWithParam<OpacityCase> {};

TEST_P(WindowOpacityTest, MapsByteToOpacity)
{
    QWidget window;
    window.show();
    QtWindows().setOpacity(&window, GetParam().opacity);
    EXPECT_NEAR(window.windowOpacity(), GetParam().expected, 1.0 / 256);
}

INSTANTIATE_TEST_SUITE_P(Table, WindowOpacityTest, testing::Values(
    OpacityCase{"Opaque", 255, 1.0},
    OpacityCase{"Half", 128, 128 / 255.0},
    OpacityCase{"Transparent", 0, 0.0},
    OpacityCase{"AboveRangeIsOpaque", 300, 1.0},
    OpacityCase{"BelowRangeIsTransparent", -4, 0.0}),
    test::kCaseName);

// ---- save dialog: default extension

struct ExtensionCase {
    const char* name;
    QString path;
    QString extension;
    QString expected;
};

class DefaultExtensionTest : public testing::TestWithParam<ExtensionCase> {};

TEST_P(DefaultExtensionTest, AddedOnlyWhenTheNameHasNone)
{
    EXPECT_EQ(WithDefaultExtension(GetParam().path, GetParam().extension), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, DefaultExtensionTest, testing::Values(
    ExtensionCase{"NoExtension", "/home/ann/spring", "cll", "/home/ann/spring.cll"},
    ExtensionCase{"SameExtension", "/home/ann/spring.cll", "cll", "/home/ann/spring.cll"},
    ExtensionCase{"OtherExtensionKept", "/home/ann/spring.txt", "cll", "/home/ann/spring.txt"},
    ExtensionCase{"UpperCaseExtensionKept", "/home/ann/SPRING.CLL", "cll", "/home/ann/SPRING.CLL"},
    ExtensionCase{"DotInFolderOnly", "/home/ann/v1.5/spring", "cll", "/home/ann/v1.5/spring.cll"},
    ExtensionCase{"TrailingDot", "/home/ann/spring.", "cll", "/home/ann/spring.cll"},
    ExtensionCase{"HiddenFileName", "/home/ann/.spring", "cll", "/home/ann/.spring.cll"},
    ExtensionCase{"TwoDots", "/home/ann/page.old.htm", "htm", "/home/ann/page.old.htm"},
    ExtensionCase{"ExtensionGivenWithDot", "/home/ann/page", ".htm", "/home/ann/page.htm"},
    ExtensionCase{"NoDefaultExtension", "/home/ann/page", "", "/home/ann/page"},
    ExtensionCase{"RelativeName", "spring", "cll", "spring.cll"}),
    test::kCaseName);

// ---- file dialog filters

struct FilterCase {
    const char* name;
    FileFilter filter;
    QStringList patterns;  // as the dialog matches them
};

class NameFilterTest : public testing::TestWithParam<FilterCase> {};

TEST_P(NameFilterTest, DialogShowsTheDescriptionAndMatchesThePatterns)
{
    const QString nameFilter = NameFilter(GetParam().filter);
    // What Qt matches: the blank-separated list in the last parentheses.
    const qsizetype open = nameFilter.lastIndexOf(QLatin1Char('('));
    ASSERT_TRUE(nameFilter.endsWith(QLatin1Char(')')) && open > 0) << nameFilter.toStdString();
    EXPECT_EQ(nameFilter.mid(open + 1).chopped(1).split(QLatin1Char(' ')), GetParam().patterns);

    QFileDialog dialog;
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters({nameFilter});
    auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    EXPECT_EQ(types->itemText(0), GetParam().filter.description);
}

INSTANTIATE_TEST_SUITE_P(Table, NameFilterTest, testing::Values(
    FilterCase{"OnePattern", {"CSS File (*.css)", "*.css"}, {"*.css"}},
    FilterCase{"SemicolonList", {"HTML File (*.html; *.htm)", "*.html; *.htm"}, {"*.html", "*.htm"}},
    FilterCase{"TightSemicolons", {"All (*.jpg;*.jpeg;*.bmp)", "*.jpg;*.jpeg;*.bmp"}, {"*.jpg", "*.jpeg", "*.bmp"}},
    FilterCase{"DescriptionWithoutPatterns", {"Color Lists", "*.cll"}, {"*.cll"}},
    FilterCase{"NoPatternsMeansAll", {"All files", ""}, {"*"}}),
    test::kCaseName);

// ---- font dialog

struct FontCase {
    const char* name;
    QString family;
    int points;
    bool bold, italic, underline, strikeOut;
    QColor color;
};

class FontDialogTest : public testing::TestWithParam<FontCase> {};

TEST_P(FontDialogTest, UnchangedDialogGivesTheInitialChoice)
{
    const FontCase& c = GetParam();
    QFont font(c.family);
    font.setPointSize(c.points);
    font.setBold(c.bold);
    font.setItalic(c.italic);
    font.setUnderline(c.underline);
    font.setStrikeOut(c.strikeOut);
    const QStringList installed = {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                                   QStringLiteral("Liberation Serif")};
    const FontChoice choice = FontEffectsDialog(installed, {font, c.color}).choice();
    EXPECT_EQ(choice.font.family(), c.family);
    EXPECT_EQ(choice.font.pointSize(), c.points);
    EXPECT_EQ(choice.font.bold(), c.bold);
    EXPECT_EQ(choice.font.italic(), c.italic);
    EXPECT_EQ(choice.font.underline(), c.underline);
    EXPECT_EQ(choice.font.strikeOut(), c.strikeOut);
    EXPECT_EQ(choice.color, c.color);
}

INSTANTIATE_TEST_SUITE_P(Table, FontDialogTest, testing::Values(
    FontCase{"Installed", "Liberation Serif", 12, false, false, false, false, QColor(0, 0, 0)},
    FontCase{"AllEffects", "Liberation Sans", 36, true, true, true, true, QColor(255, 128, 0)},
    FontCase{"NotInstalledNameKept", "MS Sans Serif", 8, true, false, false, true, QColor(0, 0, 255)}),
    test::kCaseName);

} // namespace
} // namespace tessaro::platform
