// The main window's chrome in a whole session with fake platform services:
// the main menu and the toolbar running their commands, the hover rule, the
// splash and About windows, docking and super-minimize of the side windows,
// and the key table installed in each window.
#include "colorlist/history_window.h"
#include "colorlist/reopen_window.h"
#include "controls/shortcuts.h"
#include "controls/title_bar.h"
#include "controls/title_glyphs.h"
#include "controls/toolbar_button.h"
#include "layouts/layout_editor.h"
#include "layouts/test_color_window.h"
#include "platform/qt_fonts.h"
#include "support/fake_platform.h"
#include "workspace/about_window.h"
#include "workspace/main_menu.h"
#include "workspace/main_toolbar.h"
#include "workspace/main_window.h"
#include "workspace/pictures.h"
#include "workspace/program_session.h"
#include "workspace/splash_window.h"
#include "workspace/version_line.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessaro;
using namespace tessaro::workspace;
using controls::Command;
using controls::KeyWindow;

Q_DECLARE_METATYPE(tessaro::controls::Command)
Q_DECLARE_METATYPE(tessaro::controls::KeyWindow)

class WindowChromeTest : public QObject {
    Q_OBJECT

private:
    platform::FakePlatform fake_;
    QTemporaryDir dir_;
    std::unique_ptr<ProgramSession> session_;
    // The commands that ran, in order, for the handlers a test records.
    QList<Command> ran_;

    MainWindow* window() const { return session_->mainWindow(); }
    template <typename T = QWidget>
    T* child(const QString& name) const
    {
        T* found = window()->findChild<T*>(name);
        if (!found)
            qFatal("no child %s", qPrintable(name));
        return found;
    }
    // A session of its own, started and its main window active.
    void startSession()
    {
        session_.reset();
        session_ = std::make_unique<ProgramSession>(
            fake_.platform(),
            DataFolders{dir_.path() + QLatin1Char('/'), dir_.path() + QStringLiteral("/TD/"),
                        dir_.path() + QStringLiteral("/CLLs/")},
            QStringLiteral("/opt/kt/kt-tessaro"));
        session_->Start();
        QApplication::setActiveWindow(window());
        QVERIFY(QTest::qWaitForWindowActive(window()));
    }
    // Every command of the table, handled by a recorder.
    void recordAll(controls::CommandHandlers& commands)
    {
        for (int c = 0; c < int(Command::Count); ++c)
            commands.set(Command(c), [this, c] { ran_ << Command(c); });
    }
    // Opens the menu as a user does (so it enables its entries), then
    // closes it.
    static void openAndClose(QMenu* menu)
    {
        menu->popup(QPoint(10, 10));
        QTRY_VERIFY(menu->isVisible());
        menu->hide();
    }

private slots:
    void init()
    {
        QVERIFY(dir_.isValid());
        QDir(dir_.path()).mkpath(QStringLiteral("TD"));
        fake_.shell.documents.clear();
        fake_.shell.urls.clear();
        ran_.clear();
        startSession();
    }
    void cleanup() { session_.reset(); }

    void mainMenuHoldsTheEntriesInOrder()
    {
        QStringList captions;
        for (QAction* action : window()->mainMenu()->actions())
            captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(captions, QStringList({"&Eye Dropper...", "&Copy Center...", "&Test Color...", "&Web Preview...",
                                        "&Import Colors...", "&Color Mixer...", "&Variations...", "&Scales...", "-",
                                        "St&ay on Top",
                                        "Toggle Super &Minimize", "-", "&Help...", "A&bout..."}));
    }

    void everyMenuEntryRunsItsCommand()
    {
        recordAll(session_->commands());
        openAndClose(window()->mainMenu());
        QList<Command> expected;
        for (const MainMenuEntry& entry : MainMenuEntries()) {
            if (!entry.caption)
                continue;
            QAction* action = window()->mainMenu()->findChild<QAction*>(QLatin1String(entry.name));
            QVERIFY(action->isEnabled());
            action->trigger();
            expected << entry.command;
        }
        QCOMPARE(ran_, expected);
    }

    // Every registered window that a menu entry or an icon opens becomes
    // visible from it (a window that opens modally is seen and closed). A
    // tool window not built yet is built by the first of them.
    void everyWindowOpensFromItsMenuEntryAndIcon()
    {
        int opened = 0;
        for (const WindowEntry& entry : session_->windows().entries()) {
            if (!entry.showCommand || (entry.window && !entry.window->isWindow()))
                continue;
            QList<std::function<void()>> ways;
            for (const MainMenuEntry& item : MainMenuEntries())
                if (item.caption && item.command == *entry.showCommand)
                    ways << [this, item] { child<QAction>(QLatin1String(item.name))->trigger(); };
            for (const ToolbarEntry& icon : ToolbarEntries())
                if (icon.command == *entry.showCommand && !icon.actsOnPress)
                    ways << [this, icon] {
                        QTest::mouseClick(child(QLatin1String(icon.name)), Qt::LeftButton, {}, QPoint(16, 16));
                    };
            for (const auto& open : ways) {
                if (entry.window)
                    entry.window->hide();
                // Looked for until seen, also from inside a modal loop the
                // opening runs, however long building the window takes.
                auto seen = std::make_shared<bool>(false);
                QTimer watcher;
                connect(&watcher, &QTimer::timeout, this, [seen, &entry] {
                    *seen = *seen || (entry.window && entry.window->isVisible());
                    if (QWidget* modal = QApplication::activeModalWidget(); modal && *seen)
                        modal->close();
                });
                watcher.start(20);
                open();
                QTRY_VERIFY2(*seen, qPrintable(entry.name));
                entry.window->hide();
                ++opened;
            }
        }
        QVERIFY(opened >= 2);  // About from the menu and from its icon at least
    }

    // A command nobody handles yet greys its entry and its icon; they light
    // up once it has a handler.
    void entriesAndIconsFollowWhetherTheirCommandIsHandled()
    {
        controls::CommandHandlers commands;
        QWidget parent;
        QMenu* menu = BuildMainMenu(&parent, commands);
        MainToolbar toolbar(commands, &parent);
        parent.show();
        openAndClose(menu);
        for (QAction* action : menu->actions())
            QVERIFY(action->isSeparator() || !action->isEnabled());
        for (controls::ToolbarButton* button : toolbar.buttons())
            QVERIFY(!button->isEnabled());

        commands.set(Command::Variations, [] {});
        commands.set(Command::ColorMixer, [] {});
        openAndClose(menu);
        toolbar.refreshEnabled();
        QVERIFY(menu->findChild<QAction*>(QStringLiteral("variationsAction"))->isEnabled());
        QVERIFY(!menu->findChild<QAction*>(QStringLiteral("webPreviewAction"))->isEnabled());
        QVERIFY(toolbar.button(ToolbarIcon::Mixer)->isEnabled());
        QVERIFY(!toolbar.button(ToolbarIcon::Import)->isEnabled());
    }

    void stayOnTopIsTickedWhileOn()
    {
        QAction* action = child<QAction>(QStringLiteral("stayOnTopAction"));
        action->trigger();
        QVERIFY(window()->isStayOnTop());
        QVERIFY(action->isChecked());
        action->trigger();
        QVERIFY(!window()->isStayOnTop());
        QVERIFY(!action->isChecked());
    }

    void helpOpensTheManualBesideTheProgram()
    {
        fake_.dialogs.calls.clear();
        child<QAction>(QStringLiteral("helpAction"))->trigger();
        QCOMPARE(fake_.shell.documents, QStringList{dir_.path() + QStringLiteral("/help/index.htm")});
        QVERIFY(fake_.dialogs.calls.isEmpty());

        // A desktop with nothing to open web pages: the user is told, and
        // where the manual lies.
        fake_.shell.documentsOpen = false;
        child<QAction>(QStringLiteral("helpAction"))->trigger();
        QCOMPARE(fake_.dialogs.calls.size(), 1);
        QCOMPARE(fake_.dialogs.calls[0].what, QStringLiteral("error"));
        QVERIFY(fake_.dialogs.calls[0].text.startsWith(QStringLiteral("The manual could not be opened")));
        QVERIFY(fake_.dialogs.calls[0].text.endsWith(dir_.path() + QStringLiteral("/help/index.htm")));
        fake_.shell.documentsOpen = true;
        fake_.dialogs.calls.clear();
    }

    void toolbarHasElevenIconsInPlace()
    {
        const auto entries = ToolbarEntries();
        QCOMPARE(int(entries.size()), 11);
        for (std::size_t k = 0; k < entries.size(); ++k) {
            auto* button = child<controls::ToolbarButton>(QLatin1String(entries[k].name));
            QCOMPARE(button->mapTo(window(), QPoint(0, 0)).x(), 8 + 40 * int(k));
            QCOMPARE(button->size(), QSize(32, 32));
            QCOMPARE(button->toolTip(), QLatin1String(entries[k].toolTip));
        }
    }

    // Each icon runs its command: most on a click, Undo, Redo and Export
    // when the button goes down, Copy's quick copy menu on a right click.
    void toolbarIconsRunTheirCommands_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<Command>("command");
        QTest::addColumn<QString>("hint");
        QTest::newRow("eye dropper") << "eyeDropperButton" << "click" << Command::EyeDropper
                                     << "Eye Dropper Tool. It is used to pick color from anywhere on the screen.";
        QTest::newRow("copy") << "copyButton" << "click" << Command::CopyCenter
                              << "Copy color value. Right click to see more formats to copy.";
        QTest::newRow("copy, right") << "copyButton" << "right" << Command::QuickCopyMenu
                                     << "Copy color value. Right click to see more formats to copy.";
        QTest::newRow("paste") << "pasteButton" << "click" << Command::Paste << "Click to paste color.";
        QTest::newRow("undo") << "undoButton" << "press" << Command::Undo << "Undo.";
        QTest::newRow("redo") << "redoButton" << "press" << Command::Redo << "Redo.";
        QTest::newRow("test color") << "testColorButton" << "click" << Command::TestColor
                                    << "Click to open the Test Color panel.";
        QTest::newRow("web page") << "webPageButton" << "click" << Command::WebPreview
                                  << "Click to open the Web Preview panel. ";
        QTest::newRow("mixer") << "mixerButton" << "click" << Command::ColorMixer << "Click to open Color Mixer.";
        QTest::newRow("import") << "importButton" << "click" << Command::ImportColors << "Click to import colors.";
        QTest::newRow("export") << "exportButton" << "press" << Command::ExportMenu
                                << "Click to export color list as HTML or ACO.";
        QTest::newRow("about") << "aboutButton" << "click" << Command::About << "About KT Tessaro.";
    }
    void toolbarIconsRunTheirCommands()
    {
        QFETCH(QString, button);
        QFETCH(QString, gesture);
        QFETCH(Command, command);
        QFETCH(QString, hint);
        recordAll(session_->commands());
        window()->toolbar()->refreshEnabled();
        auto* icon = child<controls::ToolbarButton>(button);
        if (gesture == QLatin1String("press")) {
            QTest::mousePress(icon, Qt::LeftButton, {}, QPoint(16, 16));
            QCOMPARE(ran_, QList<Command>{command});
            QTest::mouseRelease(icon, Qt::LeftButton, {}, QPoint(16, 16));
        } else {
            QTest::mouseClick(icon, gesture == QLatin1String("right") ? Qt::RightButton : Qt::LeftButton, {},
                              QPoint(16, 16));
        }
        QCOMPARE(ran_, QList<Command>{command});
        QEnterEvent enter(QPointF(10, 10), QPointF(10, 10), icon->mapToGlobal(QPointF(10, 10)));
        QApplication::sendEvent(icon, &enter);
        QCOMPARE(window()->hintText(), hint);
    }

    // Over an icon: its highlighted picture; over the toolbar's background:
    // every icon normal again and the hint line empty.
    void hoverHighlightsUntilTheMouseReachesTheBackground()
    {
        auto* paste = child<controls::ToolbarButton>(QStringLiteral("pasteButton"));
        auto* undo = child<controls::ToolbarButton>(QStringLiteral("undoButton"));
        const QImage normal = paste->grab().toImage();
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), paste->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(paste, &enter);
        QApplication::sendEvent(undo, &enter);
        QVERIFY(paste->isHighlighted());
        QVERIFY(undo->isHighlighted());
        QVERIFY(paste->grab().toImage() != normal);

        window()->ShowHint(QStringLiteral("Click to paste color."));
        QWidget* toolbar = window()->toolbar();
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), toolbar->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(toolbar, &move);
        QVERIFY(!paste->isHighlighted());
        QVERIFY(!undo->isHighlighted());
        QCOMPARE(paste->grab().toImage(), normal);
        QCOMPARE(window()->hintText(), QString());
    }

    // Flat until the mouse button goes down on it, lowered while held, flat
    // again on release (released off the button, so nothing runs).
    void flatButtonsShowALoweredBevelOnlyWhileHeld_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("New") << "newListButton";
        QTest::newRow("Open...") << "openListButton";
        QTest::newRow("Save") << "saveListButton";
    }
    void flatButtonsShowALoweredBevelOnlyWhileHeld()
    {
        QFETCH(QString, button);
        auto* flat = child<QAbstractButton>(button);
        const QImage before = flat->grab().toImage();
        QTest::mousePress(flat, Qt::LeftButton, {}, flat->rect().center());
        QVERIFY(flat->isDown());
        QVERIFY(flat->grab().toImage() != before);
        QTest::mouseRelease(flat, Qt::LeftButton, {}, QPoint(-5, -5));
        QVERIFY(!flat->isDown());
        QCOMPARE(flat->grab().toImage(), before);
        QVERIFY(fake_.dialogs.calls.isEmpty());
    }

    void everySectionTitleHasItsMenuButton_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("menu");
        QTest::newRow("wheel") << "wheelMenuButton" << "WheelPM";
        QTest::newRow("harmonies") << "harmonyMenuButton" << "HarmonyPM";
        QTest::newRow("variations") << "variationsMenuButton" << "VariationsPM";
        QTest::newRow("values") << "valuesMenuButton" << "ValuesPM";
        QTest::newRow("list") << "listMenuButton" << "ColorListPM";
    }
    void everySectionTitleHasItsMenuButton()
    {
        QFETCH(QString, button);
        QFETCH(QString, menu);
        QTest::mouseClick(child(button), Qt::LeftButton);
        auto* popup = child<QMenu>(menu);
        QTRY_VERIFY(popup->isVisible());
        popup->hide();
    }

    // Whether the title bars' glyphs are shown from their pictures at
    // `ratio`: not at the single ratio while a screen is scaled, as Qt then
    // draws text unhinted.
    static bool TitleGlyphPicturesShownAt(int ratio)
    {
        const QList<QScreen*> screens = QGuiApplication::screens();
        return ratio == 2 || std::all_of(screens.begin(), screens.end(),
                                         [](const QScreen* screen) { return screen->devicePixelRatio() == 1; });
    }

    // The title bars' glyphs shown from the pictures drawn at build time
    // look exactly as written at run time in the program's font: in each
    // colour, over the plain, hovered and pressed grounds, at both ratios.
    void titleGlyphPicturesLookAsWritten()
    {
        const QFont font = controls::TitleGlyphFont(platform::ProgramFont());
        const auto forget = qScopeGuard([] { controls::SetTitleGlyphPictures({}, QFont()); });
        const QRect box(QPoint(0, 0), controls::kTitleGlyphBox);
        for (const int ratio : kPrerenderedRatios)
            for (const char16_t code : controls::kTitleGlyphs)
                for (const QColor& color : {QColor(Qt::white), QColor(0x24, 0x30, 0x3C), QColor(0xC8, 0x1E, 0x5A)})
                    for (const QColor& wash :
                         {QColor(Qt::transparent), QColor(255, 255, 255, 60), QColor(0, 0, 0, 60)}) {
                        const QString glyph(code);
                        bool pictureShown = false;
                        const auto paint = [&](bool fromPicture) {
                            controls::SetTitleGlyphPictures(
                                fromPicture ? controls::TitleGlyphPictures(&PrerenderedPicture) : nullptr, font);
                            QImage image(box.size() * ratio, QImage::Format_ARGB32_Premultiplied);
                            image.setDevicePixelRatio(ratio);
                            QPainter painter(&image);
                            QLinearGradient ground(0, 0, 0, box.height());
                            ground.setColorAt(0, QColor(0x3A, 0x4E, 0x66));
                            ground.setColorAt(1, QColor(0x2A, 0x3A, 0x4E));
                            painter.fillRect(box, ground);
                            painter.fillRect(box, wash);
                            painter.setFont(font);
                            pictureShown = !controls::TitleGlyphPicture(painter, box, glyph, color).isNull();
                            controls::PaintTitleGlyph(painter, box, glyph, color);
                            return image;
                        };
                        const QString name = QStringLiteral("%1 in %2 over %3 at %4x")
                                                 .arg(controls::TitleGlyphPictureName(code), color.name(),
                                                      wash.name(QColor::HexArgb))
                                                 .arg(ratio);
                        const QImage written = paint(false);
                        QVERIFY2(!pictureShown, qPrintable(name));
                        const QImage shown = paint(true);
                        QVERIFY2(pictureShown == TitleGlyphPicturesShownAt(ratio), qPrintable(name));
                        QVERIFY2(shown == written, qPrintable(name));
                    }
    }

    // The main window's title bar and a tool window's look the same whether
    // their buttons show pictures or write their glyphs, plain, under the
    // pointer and held down.
    void titleBarsLookTheSameWithGlyphPictures()
    {
        const QFont testFont = QApplication::font();
        QApplication::setFont(platform::ProgramFont());
        const auto restore = qScopeGuard([&testFont] {
            controls::SetTitleGlyphPictures({}, QFont());
            QApplication::setFont(testFont);
        });
        // The windows made in the program's font, as the program makes them.
        startSession();
        controls::TitleBar toolTitle(QStringLiteral("Eye Dropper"), 18);
        toolTitle.resize(160, 18);
        toolTitle.addButton(QStringLiteral("eyeMenuButton"), QStringLiteral("\u25BE"), QStringLiteral("Menu"));
        toolTitle.addButton(QStringLiteral("closeButton"), QStringLiteral("\u2715"), QStringLiteral("Close"));
        auto* mainTitle =
            window()->findChild<controls::TitleBar*>(QStringLiteral("titleBar"), Qt::FindDirectChildrenOnly);
        QVERIFY(mainTitle);
        QVERIFY(mainTitle->findChild<QToolButton*>(QStringLiteral("minimizeButton")));
        QVERIFY(mainTitle->findChild<QToolButton*>(QStringLiteral("closeButton")));
        const QFont pictureFont = controls::TitleGlyphFont(platform::ProgramFont());
        for (controls::TitleBar* bar : {mainTitle, &toolTitle}) {
            bar->layout()->activate();
            const QList<QToolButton*> buttons = bar->findChildren<QToolButton*>();
            for (QToolButton* button : buttons)
                QCOMPARE(button->font(), pictureFont);
            for (const int ratio : kPrerenderedRatios)
                for (const QString state : {"plain", "hovered", "pressed"}) {
                    for (QToolButton* button : buttons) {
                        button->setAttribute(Qt::WA_UnderMouse, state == QLatin1String("hovered"));
                        button->setDown(state == QLatin1String("pressed"));
                    }
                    QStringList asked;
                    const auto render = [&](bool fromPicture) {
                        controls::TitleGlyphPictures pictures;
                        if (fromPicture)
                            pictures = [&asked](const QString& name, QSize size, qreal pictureRatio) {
                                QImage picture = PrerenderedPicture(name, size, pictureRatio);
                                if (!picture.isNull())
                                    asked << name;
                                return picture;
                            };
                        controls::SetTitleGlyphPictures(pictures, pictureFont);
                        QImage image(bar->size() * ratio, QImage::Format_ARGB32_Premultiplied);
                        image.setDevicePixelRatio(ratio);
                        image.fill(Qt::black);
                        bar->render(&image);
                        return image;
                    };
                    const QString name =
                        QStringLiteral("%1 %2 at %3x").arg(bar->captionLabel()->text(), state).arg(ratio);
                    const QImage written = render(false);
                    const QImage shown = render(true);
                    QVERIFY2((asked.size() >= 2) == TitleGlyphPicturesShownAt(ratio), qPrintable(name));
                    QVERIFY2(shown == written, qPrintable(name));
                }
            for (QToolButton* button : buttons) {
                button->setAttribute(Qt::WA_UnderMouse, false);
                button->setDown(false);
            }
        }
    }

    void versionLineComesFromTheFileVersion_data()
    {
        QTest::addColumn<QString>("fileVersion");
        QTest::addColumn<QString>("line");
        QTest::newRow("build's version") << QStringLiteral(TESSARO_FILE_VERSION) << "Version 1.5.3 Build 41";
        QTest::newRow("other") << "2.0.11.7" << "Version 2.0.11 Build 7";
        QTest::newRow("short") << "3.1" << "Version 3.1.0 Build 0";
    }
    void versionLineComesFromTheFileVersion()
    {
        QFETCH(QString, fileVersion);
        QFETCH(QString, line);
        QCOMPARE(VersionLine(fileVersion), line);
    }

    void splashShowsThePictureAndVersionCentred()
    {
        SplashWindow splash(fake_.platform().appInfo);
        splash.showWhileStarting();
        QCOMPARE(splash.size(), QSize(591, 502));
        QCOMPARE(splash.findChild<QLabel*>(QStringLiteral("versionLBL"))->text(),
                 QStringLiteral("Version 1.5.3 Build 41"));
        const QRect screen = splash.screen()->geometry();
        QCOMPARE(splash.geometry().center(), screen.center());
        QVERIFY(splash.windowTitle() != window()->windowTitle());
    }

    // The splash shows the picture drawn when the program was built, its
    // version line in it as the About window's label draws it over the
    // plain picture.
    void splashVersionLineDrawnAtBuildTimeLooksLikeTheLabel()
    {
        // The program's font, as the program sets it before the splash.
        const QFont testFont = QApplication::font();
        QApplication::setFont(platform::ProgramFont());
        const auto restoreFont = qScopeGuard([&testFont] { QApplication::setFont(testFont); });
        const platform::AppInfo& appInfo = fake_.platform().appInfo;
        SplashPanel drawn(appInfo, SplashPanel::VersionLine::InDrawnPicture, nullptr);
        SplashPanel overPicture(appInfo, SplashPanel::VersionLine::OverPicture, nullptr);
        QVERIFY(!drawn.versionLabel()->isVisibleTo(&drawn));
        QVERIFY(overPicture.versionLabel()->isVisibleTo(&overPicture));
        QCOMPARE(drawn.versionLabel()->text(), QStringLiteral("Version 1.5.3 Build 41"));
        const QImage withLine = drawn.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage withLabel = overPicture.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage plain = SplashPicture().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(withLine.size(), withLabel.size());
        QCOMPARE(withLine.size(), plain.size());
        // Pixels apart by more than a trace of antialiasing.
        const auto differing = [](const QImage& a, const QImage& b) {
            int count = 0;
            for (int y = 0; y < a.height(); ++y)
                for (int x = 0; x < a.width(); ++x) {
                    const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                    if (std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                  std::abs(qBlue(p) - qBlue(q))}) > 40)
                        ++count;
                }
            return count;
        };
        QVERIFY2(differing(withLine, plain) > 100, "the version line is missing from the picture");
        QCOMPARE(differing(withLine, withLabel), 0);
    }

    // Every toolbar icon and the program icon were drawn at build time for
    // both pixel ratios, as their SVG files draw them at run time.
    void picturesDrawnAtBuildTimeMatchTheirSvgFiles()
    {
        for (const int ratio : kPrerenderedRatios)
            for (const char* icon : kToolbarIconNames)
                for (const QString& state : {QString(), QStringLiteral("-hover")}) {
                    const QString name = QLatin1String(icon) + state;
                    const QImage drawn = PrerenderedPicture(name, kToolbarIconSize, ratio);
                    QVERIFY2(!drawn.isNull(), qPrintable(name));
                    QCOMPARE(drawn.size(), kToolbarIconSize * ratio);
                    const QImage svg = RenderSvgPicture(QStringLiteral(":/pictures/%1.svg").arg(name), kToolbarIconSize,
                                                        ratio, Qt::black)
                                           .toImage()
                                           .convertToFormat(drawn.format());
                    QVERIFY2(svg == drawn, qPrintable(name));
                }
        QVERIFY(PrerenderedPicture(QStringLiteral("splash"), kSplashSize, 3).isNull());
        const QIcon icon = ProgramIcon();
        QCOMPARE(icon.availableSizes().size(), qsizetype(kProgramIconSizes.size()));
        QVERIFY(!icon.pixmap(QSize(32, 32)).isNull());
    }

    // A question asked during start-up is never hidden behind the splash.
    void aModalBoxTakesTheSplashAway()
    {
        SplashWindow splash(fake_.platform().appInfo);
        splash.showWhileStarting();
        QWidget other;
        other.show();
        QVERIFY(splash.isVisible());
        QMessageBox box(QMessageBox::Question, QStringLiteral("Restore?"), QStringLiteral("?"));
        box.setModal(true);
        box.show();
        QVERIFY(!splash.isVisible());
    }

    void aboutOpensModalAndClosesOnAClick_data()
    {
        QTest::addColumn<QString>("clicked");
        QTest::newRow("picture") << "splashPicture";
        QTest::newRow("version line") << "versionLBL";
    }
    void aboutOpensModalAndClosesOnAClick()
    {
        QFETCH(QString, clicked);
        QTest::mouseClick(child(QStringLiteral("aboutButton")), Qt::LeftButton, {}, QPoint(16, 16));
        AboutWindow* about = session_->aboutWindow();
        QTRY_VERIFY(about->isVisible());
        QVERIFY(about->isModal());
        QCOMPARE(about->findChild<QLabel*>(QStringLiteral("versionLBL"))->text(),
                 QStringLiteral("Version 1.5.3 Build 41"));
        QCOMPARE(about->geometry().center(), about->screen()->geometry().center());
        QTest::mouseClick(about->findChild<QWidget*>(clicked), Qt::LeftButton, {}, QPoint(40, 10));
        QVERIFY(!about->isVisible());
    }

    void aboutLinkOpensTheWebSiteInTheBrowser()
    {
        AboutWindow* about = session_->aboutWindow();
        about->Open();
        auto* link = about->findChild<QLabel*>(QStringLiteral("webLink"));
        emit link->linkActivated(AboutWindow::kWebSite);
        QCOMPARE(fake_.shell.urls, QStringList{AboutWindow::kWebSite});
        QVERIFY(about->isVisible());
    }

    void aMissingPictureFallsBackToAPlainOne()
    {
        const QPixmap picture = RenderSvgPicture(dir_.path() + QStringLiteral("/missing.svg"), QSize(32, 32), 2,
                                                 QColor(10, 20, 30));
        QCOMPARE(picture.deviceIndependentSize(), QSizeF(32, 32));
        QCOMPARE(picture.toImage().pixelColor(40, 40), QColor(10, 20, 30));
        QVERIFY(!SplashPicture().isNull());
    }

    // History docks at the main window's left edge and Reopen at its right
    // edge, both at its top, after every move once start-up is done.
    void sideWindowsFollowTheMainWindow_data()
    {
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<bool>("rolledUp");
        QTest::newRow("middle") << QPoint(300, 120) << false;
        QTest::newRow("further") << QPoint(330, 40) << false;
        QTest::newRow("super-minimized") << QPoint(280, 200) << true;
    }
    void sideWindowsFollowTheMainWindow()
    {
        QFETCH(QPoint, to);
        QFETCH(bool, rolledUp);
        colorlist::HistoryWindow* history = session_->historyWindow();
        colorlist::ReopenWindow* reopen = session_->reopenWindow();
        history->show();
        reopen->show();
        if (rolledUp)
            window()->ToggleSuperMinimize();
        window()->move(to);
        QTRY_COMPARE(history->geometry().topRight() + QPoint(1, 0), window()->geometry().topLeft());
        QTRY_COMPARE(reopen->geometry().topLeft(), window()->geometry().topRight() + QPoint(1, 0));
        QCOMPARE(history->isRolledUp(), rolledUp);
        QCOMPARE(reopen->isRolledUp(), rolledUp);
        // Shown again after the main window moved without it: docked at once.
        reopen->hide();
        window()->move(to + QPoint(15, 5));
        reopen->show();
        QTRY_COMPARE(reopen->geometry().topLeft(), window()->geometry().topRight() + QPoint(1, 0));
    }

    // Import Colors, the Color Mixer and the Quick Color Palette open
    // centred on the main window the first time, and where they were left
    // after that.
    void toolWindowsOpenCentredOnTheMainWindowOnce_data()
    {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<Command>("open");
        QTest::newRow("import") << "import" << Command::ImportColors;
        QTest::newRow("mixer") << "mixer" << Command::ColorMixer;
        QTest::newRow("quick palette") << "quickpalette" << Command::QuickPalette;
    }
    void toolWindowsOpenCentredOnTheMainWindowOnce()
    {
        QFETCH(QString, windowName);
        QFETCH(Command, open);
        window()->move(120, 90);
        QVERIFY(session_->commands().run(open));
        QWidget* tool = session_->windows().window(windowName);
        QVERIFY(tool);
        QTRY_VERIFY(tool->isVisible());
        const QRect main = window()->frameGeometry();
        const QRect shown = tool->frameGeometry();
        QVERIFY2(qAbs(shown.center().x() - main.center().x()) <= 1 &&
                     qAbs(shown.center().y() - main.center().y()) <= 1,
                 qPrintable(QStringLiteral("centre %1,%2 on %3,%4")
                                .arg(shown.center().x()).arg(shown.center().y())
                                .arg(main.center().x()).arg(main.center().y())));
        tool->hide();
        tool->move(10, 20);
        window()->move(200, 100);
        QVERIFY(session_->commands().run(open));
        QTRY_VERIFY(tool->isVisible());
        QCOMPARE(tool->pos(), QPoint(10, 20));
    }

    void superMinimizeRollsTheShownSideWindowsOnly()
    {
        colorlist::HistoryWindow* history = session_->historyWindow();
        history->show();
        session_->reopenWindow()->hide();
        window()->ToggleSuperMinimize();
        QCOMPARE(history->height(), controls::ToolWindow::kRolledUpHeight);
        QVERIFY(!session_->reopenWindow()->isRolledUp());
        window()->ToggleSuperMinimize();
        QCOMPARE(window()->height(), MainWindow::kClientHeight);
        QCOMPARE(history->height(), 457);
    }

    void sideWindowOpenedWhileSuperMinimizedComesRolledUp()
    {
        colorlist::ReopenWindow* reopen = session_->reopenWindow();
        reopen->hide();
        window()->ToggleSuperMinimize();
        reopen->show();
        QVERIFY(reopen->isRolledUp());
        window()->ToggleSuperMinimize();
        QVERIFY(!reopen->isRolledUp());
        QCOMPARE(reopen->height(), 457);
    }

    // Every key of a window's set runs the key's command from that window;
    // keys outside its set do nothing there. Variations and the quick
    // palette have no control that takes the keyboard: their keys act all
    // the same while they are the active window.
    void keyTableActsInEachWindow_data()
    {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<KeyWindow>("keys");
        QTest::newRow("main") << "main" << KeyWindow::Main;
        QTest::newRow("history") << "history" << KeyWindow::History;
        QTest::newRow("reopen") << "reopen" << KeyWindow::Reopen;
        QTest::newRow("variations") << "variations" << KeyWindow::Tool;
        QTest::newRow("quick palette") << "quickpalette" << KeyWindow::Tool;
    }
    void keyTableActsInEachWindow()
    {
        QFETCH(QString, windowName);
        QFETCH(KeyWindow, keys);
        QWidget* target = session_->windows().window(windowName);
        target->show();
        QApplication::setActiveWindow(target);
        QVERIFY(QTest::qWaitForWindowActive(target));
        recordAll(session_->commands());
        for (const controls::ShortcutRow& row : controls::ShortcutTable()) {
            ran_.clear();
            const auto set = controls::KeysOf(keys);
            const bool inSet = std::find(set.begin(), set.end(), row.key) != set.end();
            QTest::keyClick(target, row.key.key(), row.key.keyboardModifiers());
            QCOMPARE(ran_, inSet ? QList<Command>{row.command} : QList<Command>{});
        }
    }

    // The active window's keys act also when none of its controls holds the
    // keyboard, as after a tool window hid under its own open menu and took
    // the focus away with it.
    void keysActWhileNoControlHoldsTheKeyboard()
    {
        if (QWidget* focused = QApplication::focusWidget())
            focused->clearFocus();
        QVERIFY(!QApplication::focusWidget());
        recordAll(session_->commands());
        QTest::keyClick(window(), Qt::Key_F11);
        QTest::keyClick(window(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(ran_, (QList<Command>{Command::ReopenWindow, Command::Undo}));
    }

    // F7 in the active Test Color window hides it; with an edited layout it
    // asks first, and Cancel keeps the window. F7 in the main window shows
    // it again.
    void f7HidesTheActiveTestColorWindow()
    {
        layouts::TestColorWindow* testColor = session_->testColorWindow();
        QTest::keyClick(window(), Qt::Key_F7);
        QTRY_VERIFY(testColor->isVisible());
        QApplication::setActiveWindow(testColor);
        QVERIFY(QTest::qWaitForWindowActive(testColor));
        QTest::keyClick(testColor, Qt::Key_F7);
        QVERIFY(!testColor->isVisible());

        QApplication::setActiveWindow(window());
        QVERIFY(QTest::qWaitForWindowActive(window()));
        QTest::keyClick(window(), Qt::Key_F7);
        QTRY_VERIFY(testColor->isVisible());
        QApplication::setActiveWindow(testColor);
        QVERIFY(QTest::qWaitForWindowActive(testColor));
        testColor->NewLayout();
        testColor->EnterEditMode();
        QLineEdit* width = testColor->editor()->box(QStringLiteral("documentWidthBox"));
        width->setText(QStringLiteral("500"));
        emit width->textEdited(width->text());
        fake_.dialogs.calls.clear();
        fake_.dialogs.answers = {platform::Answer::Cancel};
        QTest::keyClick(testColor, Qt::Key_F7);
        QCOMPARE(fake_.dialogs.calls.size(), 1);
        QVERIFY(testColor->isVisible());
        fake_.dialogs.answers = {platform::Answer::No};
        QTest::keyClick(testColor, Qt::Key_F7);
        QVERIFY(!testColor->isVisible());
    }

    // The layout editor's boxes hold free text: there Ctrl+A selects the
    // box's text and Ctrl+C copies it, Ctrl+Z stays the layout's undo, and a
    // key the box does not use still runs the program's command.
    void editingKeysBelongToTheLayoutEditorsBoxes()
    {
        layouts::TestColorWindow* testColor = session_->testColorWindow();
        testColor->show();
        QApplication::setActiveWindow(testColor);
        QVERIFY(QTest::qWaitForWindowActive(testColor));
        testColor->NewLayout();
        QTest::mouseClick(testColor->findChild<QAbstractButton*>("advancedButton"), Qt::LeftButton);
        QLineEdit* width = testColor->editor()->box(QStringLiteral("documentWidthBox"));
        QTRY_VERIFY(width->isVisible());
        width->setFocus();
        QTRY_VERIFY(width->hasFocus());
        width->deselect();
        QGuiApplication::clipboard()->clear();
        recordAll(session_->commands());

        QTest::keyClick(width, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(width->selectedText(), QStringLiteral("425"));
        QTest::keyClick(width, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("425"));
        QTest::keyClick(width, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(width, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(ran_, QList<Command>{});
        QTest::keyClick(width, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(ran_, QList<Command>{Command::SaveList});
        QCOMPARE(width->text(), QStringLiteral("425"));
    }

    // The windows other parts of the program build take their sets from the
    // same table.
    void keySetsOfTheOtherWindows_data()
    {
        QTest::addColumn<KeyWindow>("keys");
        QTest::addColumn<QList<int>>("without");
        QTest::newRow("copy center") << KeyWindow::CopyCenter
                                     << QList<int>{Qt::Key_F5, Qt::Key_F9, Qt::Key_F10, Qt::Key_F11};
        QTest::newRow("test color") << KeyWindow::TestColor
                                    << QList<int>{Qt::Key_F9, Qt::Key_F10, Qt::Key_F11};
        QTest::newRow("tool") << KeyWindow::Tool << QList<int>{};
    }
    void keySetsOfTheOtherWindows()
    {
        QFETCH(KeyWindow, keys);
        QFETCH(QList<int>, without);
        QList<QKeyCombination> expected;
        for (const controls::ShortcutRow& row : controls::ShortcutTable())
            if (!without.contains(row.key.key()))
                expected << row.key;
        const auto set = controls::KeysOf(keys);
        QCOMPARE(QList<QKeyCombination>(set.begin(), set.end()), expected);
    }
};

// A screen wide enough for the main window with both side windows docked,
// also at twice the pixel density.
int main(int argc, char** argv)
{
    QTemporaryDir config;
    const QString path = config.path() + QStringLiteral("/screen.json");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 2560, "height": 2048,
                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + path.toUtf8());
    QApplication app(argc, argv);
    WindowChromeTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "window_chrome_test.moc"
