// The Web Preview window: dividers dragged with the mouse, drops, the colour
// chooser, texts and fonts, the files it writes and reads, the roll-up.
#include "colorlist/color_list_commands.h"
#include "colorlist/color_mime.h"
#include "controls/swatch.h"
#include "controls/title_bar.h"
#include "engine/color_text.h"
#include "support/fake_platform.h"
#include "webpreview/web_fonts.h"
#include "webpreview/web_layout_file.h"
#include "webpreview/web_page_contrast.h"
#include "webpreview/web_page_html.h"
#include "webpreview/web_page_view.h"
#include "webpreview/web_preview_window.h"
#include "state/main_color.h"

#include <QComboBox>
#include <QDropEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessaro;
using namespace tessaro::webpreview;

Q_DECLARE_METATYPE(tessaro::webpreview::WebDivider)

class WebPreviewWindowTest : public QObject {
    Q_OBJECT

private:
    platform::FakePlatform fake_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<workspace::MainColor> mainColor_;
    std::unique_ptr<colorlist::ColorListCommands> list_;
    std::unique_ptr<WebPreviewWindow> window_;
    int raised_ = 0;

    QString path(const char* name) const { return dir_->filePath(QString::fromLatin1(name)); }
    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    WebPageView* page() const { return window_->page(); }
    // A colour from `source` dragged in and dropped at `at` on `target`.
    static void dropOn(QWidget* target, QPoint at, TColor color, colorlist::DragSource source)
    {
        QMimeData mime;
        colorlist::PopulateColorMime(mime, color, source);
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
    }
    void drop(QPoint at, TColor color, colorlist::DragSource source) { dropOn(page(), at, color, source); }
    QStringList dialogKinds() const
    {
        QStringList kinds;
        for (const auto& call : fake_.dialogs.calls)
            kinds << call.what;
        return kinds;
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        fake_.dialogs.calls.clear();
        fake_.dialogs.paths.clear();
        fake_.dialogs.texts.clear();
        fake_.dialogs.fonts.clear();
        fake_.shell.documents.clear();
        mainColor_ = std::make_unique<workspace::MainColor>();
        list_ = std::make_unique<colorlist::ColorListCommands>(fake_.platform(), *mainColor_, QString(), nullptr);
        raised_ = 0;
        window_ = std::make_unique<WebPreviewWindow>(fake_.platform(), *list_, [this] { ++raised_; });
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void pageAsLaidOut()
    {
        QCOMPARE(page()->size(), QSize(389, 301));
        QCOMPARE(page()->areaRect(WebArea::Header), QRect(2, 2, 385, 49));
        QCOMPARE(page()->areaRect(WebArea::Navigation), QRect(2, 53, 113, 219));
        QCOMPARE(page()->areaRect(WebArea::Contents), QRect(117, 53, 270, 219));
        QCOMPARE(page()->areaRect(WebArea::Footer), QRect(2, 274, 385, 25));
        QCOMPARE(page()->spotAt({0, 100}), kBorderSpot);
        QCOMPARE(page()->spotAt({116, 100}), std::nullopt);  // the navigation divider
        const QRect title = page()->textRect(WebText::Title);
        QCOMPARE(title.topLeft(), QPoint(117 + 8, 53 + 8));
        QCOMPARE(page()->spotAt(title.center()), TextSpot(WebText::Title));
        // The paragraph wraps inside its column.
        QVERIFY(page()->textRect(WebText::Contents).right() < 117 + 270 - 19 + 2);
    }

    // The faces keep their names in the model and are drawn with their twins.
    void fontsOnScreen()
    {
        QCOMPARE(QFontInfo(ScreenFont(window_->layout().Text(WebText::Header).font)).family(),
                 QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(ScreenFont(window_->layout().Text(WebText::Footer).font)).family(),
                 QStringLiteral("DejaVu Sans"));
        QCOMPARE(ScreenFont(window_->layout().Text(WebText::Header).font).pixelSize(), 32);
        QCOMPARE(window_->layout().Text(WebText::Footer).font.family, std::string("MS Sans Serif"));
        // A serif face that is not installed is drawn in a serif, not in the
        // window's sans-serif.
        WebFont georgia = window_->layout().Text(WebText::Header).font;
        georgia.family = "Georgia";
        const QString drawn = QFontInfo(ScreenFont(georgia).resolve(window_->font())).family();
        QVERIFY2(drawn.contains(QStringLiteral("Serif")), qPrintable(drawn));
    }

    void dividersDraggedWithTheMouse_data()
    {
        QTest::addColumn<WebDivider>("divider");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("size");
        QTest::newRow("navigation to the far left collapses it") << WebDivider::Navigation << QPoint(0, 150) << 0;
        QTest::newRow("navigation to 1 pixel snaps to 0") << WebDivider::Navigation << QPoint(3, 150) << 0;
        QTest::newRow("navigation to 2 pixels stays") << WebDivider::Navigation << QPoint(4, 150) << 2;
        QTest::newRow("header down") << WebDivider::Header << QPoint(200, 82) << 80;
        QTest::newRow("header to the top collapses it") << WebDivider::Header << QPoint(200, -20) << 0;
        QTest::newRow("footer up") << WebDivider::Footer << QPoint(200, 197) << 100;
        QTest::newRow("navigation far right is held") << WebDivider::Navigation << QPoint(600, 150) << 383;
    }

    void dividersDraggedWithTheMouse()
    {
        QFETCH(WebDivider, divider);
        QFETCH(QPoint, to);
        QFETCH(int, size);
        const QPoint grab = page()->dividerRect(divider).topLeft();
        QTest::mousePress(page(), Qt::LeftButton, {}, grab);
        QMouseEvent move(QEvent::MouseMove, to, page()->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(page(), &move);
        QTest::mouseRelease(page(), Qt::LeftButton, {}, to);
        QCOMPARE(window_->layout().DividerSize(divider), size);
        if (divider == WebDivider::Navigation && size == 0)
            QCOMPARE(page()->areaRect(WebArea::Contents).width(), 383);
    }

    void dropsOnThePage()
    {
        drop(page()->areaRect(WebArea::Header).bottomRight() - QPoint(5, 5), 0x0000FF, colorlist::DragSource::MainSwatch);
        QCOMPARE(window_->layout().AreaColor(WebArea::Header), TColor(0x0000FF));
        drop(page()->textRect(WebText::Link2).center(), 0x00FF00, colorlist::DragSource::ColorList);
        QCOMPARE(window_->layout().Text(WebText::Link2).color, TColor(0x00FF00));
        drop({1, 150}, 0x123456, colorlist::DragSource::ColorList);  // the border refuses the list
        QCOMPARE(window_->layout().BorderColor(), kBlack);
        drop({1, 150}, 0x123456, colorlist::DragSource::WheelSwatch);
        QCOMPARE(window_->layout().BorderColor(), TColor(0x123456));
        // The chooser's swatch follows what it shows.
        QCOMPARE(window_->chooserSwatch()->color(), TColor(0x123456));
    }

    // Another program's colour, as a GTK colour button or a text editor
    // drags it, colours the area or text under the drop and nothing else.
    void colourFromAnotherProgram()
    {
        const auto dropOutside = [this](QPoint at, const char* type, const QByteArray& payload) {
            QMimeData mime;
            mime.setData(QString::fromLatin1(type), payload);
            QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(page(), &enter);
            QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(page(), &drop);
        };
        const quint16 channels[4] = {0xABAB, 0xCDCD, 0xE1E1, 0xFFFF};
        dropOutside(page()->areaRect(WebArea::Contents).bottomRight() - QPoint(5, 5), "application/x-color",
                    QByteArray(reinterpret_cast<const char*>(channels), sizeof channels));
        QCOMPARE(window_->layout().AreaColor(WebArea::Contents), MakeColor(0xAB, 0xCD, 0xE1));
        dropOutside(page()->textRect(WebText::Title).center(), "text/plain", "#123456");
        QCOMPARE(window_->layout().Text(WebText::Title).color, MakeColor(0x12, 0x34, 0x56));
        dropOutside({1, 150}, "text/plain", "#654321");  // the border takes only the program's swatches
        QCOMPARE(window_->layout().BorderColor(), kBlack);
    }

    void captionSetsTheBackground()
    {
        dropOn(window_->colorsCaption(), QPoint(3, 3), 0x00FFFF, colorlist::DragSource::HarmonySwatch);
        QCOMPARE(window_->layout().BackgroundColor(), TColor(0x00FFFF));
    }

    void chooser()
    {
        QComboBox* chooser = window_->chooser();
        QCOMPARE(chooser->count(), 14);
        QCOMPARE(chooser->itemText(0), QStringLiteral("Border Color"));
        QCOMPARE(chooser->itemText(13), QStringLiteral("Footer Text Color"));
        QCOMPARE(chooser->currentText(), QStringLiteral("Border Color"));
        window_->chooseEntry(QStringLiteral("Header Color"));
        QCOMPARE(window_->chooserSwatch()->color(), kWhite);

        chooser->setCurrentText(QStringLiteral("Footer Text Color"));
        window_->dropOnChooserSwatch(0x3399FF);
        QCOMPARE(window_->layout().Text(WebText::Footer).color, TColor(0x3399FF));
        chooser->setCurrentText(QStringLiteral("Border Color"));
        window_->dropOnChooserSwatch(0x445566);
        QCOMPARE(window_->layout().BorderColor(), TColor(0x445566));
        QCOMPARE(window_->layout().DividerColor(), TColor(0x445566));
        const WebPageLayout before = window_->layout();
        chooser->setCurrentText(QStringLiteral("border color"));
        window_->dropOnChooserSwatch(0x778899);
        QVERIFY(window_->layout() == before);
    }

    void rightClickAsksForAString()
    {
        const QPoint at = page()->textRect(WebText::Header).center();
        fake_.dialogs.texts = {QStringLiteral("Welcome"), QString(), std::nullopt};
        for (int i = 0; i < 3; ++i)
            QTest::mousePress(page(), Qt::RightButton, {}, at);
        QCOMPARE(fake_.dialogs.calls.size(), 3);
        QCOMPARE(fake_.dialogs.calls[0].title, QStringLiteral("Type New String"));
        QCOMPARE(fake_.dialogs.calls[0].text, QStringLiteral("Type New String"));
        QCOMPARE(fake_.dialogs.calls[0].initial, QString());
        QCOMPARE(window_->layout().Text(WebText::Header).string, std::string("Welcome"));
    }

    void doubleClickChoosesAFont()
    {
        const QPoint at = page()->textRect(WebText::Title).center();
        QFont chosen(QStringLiteral("DejaVu Serif"));
        chosen.setPointSize(11);
        chosen.setItalic(true);
        chosen.setStrikeOut(true);
        fake_.dialogs.fonts = {platform::FontChoice{chosen, QColor(0x11, 0x22, 0x33)}};
        QTest::mouseDClick(page(), Qt::LeftButton, {}, at);
        QCOMPARE(dialogKinds(), QStringList{QStringLiteral("chooseFont")});
        const QFont& initial = fake_.dialogs.calls[0].font.font;
        QCOMPARE(initial.family(), QStringLiteral("Arial"));
        QCOMPARE(initial.pointSize(), 16);
        QVERIFY(initial.bold());
        const WebPageText& title = window_->layout().Text(WebText::Title);
        QCOMPARE(title.font.family, std::string("DejaVu Serif"));
        QCOMPARE(title.font.pointSize, 11);
        QVERIFY(title.font.italic && title.font.strikeOut && !title.font.bold);
        QCOMPARE(title.color, MakeColor(0x11, 0x22, 0x33));
    }

    void saveLoadAndExportThroughTheDialogs()
    {
        drop(page()->areaRect(WebArea::Footer).center(), 0x0080FF, colorlist::DragSource::MixerSwatch);
        fake_.dialogs.paths = {path("page.cls")};
        window_->SaveAs();
        QCOMPARE(fake_.dialogs.calls[0].filters[0].description,
                 QStringLiteral("KT Tessaro Simple Web Page Test Layout (*.cls)"));
        QCOMPARE(window_->lastLayout(), path("page.cls"));
        QCOMPARE(read(path("page.cls")), QByteArray::fromStdString(WriteWebLayoutFile(window_->layout())));

        fake_.dialogs.paths = {path("page.htm")};
        window_->ExportHtml();
        QCOMPARE(fake_.dialogs.calls[1].filters[0].description, QStringLiteral("HTML Document (*.htm)"));
        QCOMPARE(read(path("page.htm")), QByteArray::fromStdString(WriteWebPageHtml(window_->layout())));

        write(path("red.cls"), "header.color=clRed\r\n");
        fake_.dialogs.paths = {path("red.cls")};
        window_->Load();
        QCOMPARE(window_->layout().AreaColor(WebArea::Header), TColor(0x0000FF));
        QCOMPARE(window_->layout().AreaColor(WebArea::Footer), TColor(0x0080FF));
        QCOMPARE(window_->lastLayout(), path("red.cls"));

        // Cancelled dialogs change nothing.
        window_->ExportHtml();
        window_->Load();
        QCOMPARE(window_->lastLayout(), path("red.cls"));
    }

    void badFilesAreReported()
    {
        write(path("bad.cls"), "header.text=Kept\r\nheader.color=clBlue\r\nheader.height=tall\r\nfooter.height=30\r\n");
        QVERIFY(!window_->LoadLayoutFile(path("bad.cls")));
        QCOMPARE(fake_.dialogs.calls.last().text, QStringLiteral("'tall' is not a valid integer value"));
        QCOMPARE(window_->layout().Text(WebText::Header).string, std::string("Kept"));
        QCOMPARE(window_->layout().AreaColor(WebArea::Header), TColor(0xFF0000));
        QCOMPARE(window_->layout().FooterHeight(), 25);
        QCOMPARE(window_->lastLayout(), QString());

        write(path("huge.cls"), "header.height=5000\r\nleft.width=-7\r\n");
        QVERIFY(window_->LoadLayoutFile(path("huge.cls")));
        QCOMPARE(window_->layout().HeaderHeight(), 268);
        QCOMPARE(window_->layout().NavigationWidth(), 0);
        QCOMPARE(fake_.dialogs.calls.last().what, QStringLiteral("notify"));

        for (const QString& unreadable : {path("missing.cls"), dir_->path(), QStringLiteral("/dev/zero")}) {
            QVERIFY(!window_->LoadLayoutFile(unreadable));
            QCOMPARE(fake_.dialogs.calls.last().what, QStringLiteral("error"));
        }

        // A name taken by a folder cannot be written: reported, the folder stays.
        QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("folder.htm")));
        QVERIFY(!window_->ExportHtmlFile(path("folder.htm")));
        QCOMPARE(fake_.dialogs.calls.last().what, QStringLiteral("error"));
        QVERIFY(QFileInfo(path("folder.htm")).isDir());
    }

    void startUpLoad()
    {
        write(path("Sample 1.cls"), "header.text=Sample\r\n");
        write(path("last.cls"), "header.text=Last\r\n");
        WebPreviewWindow fresh(fake_.platform(), *list_, {});
        fresh.LoadAtStart(QString(), path("Sample 1.cls"));
        QCOMPARE(fresh.layout().Text(WebText::Header).string, std::string("Sample"));
        QCOMPARE(fresh.lastLayout(), QString());
        WebPreviewWindow last(fake_.platform(), *list_, {});
        last.LoadAtStart(path("last.cls"), path("Sample 1.cls"));
        QCOMPARE(last.layout().Text(WebText::Header).string, std::string("Last"));
        WebPreviewWindow gone(fake_.platform(), *list_, {});
        gone.LoadAtStart(path("gone.cls"), path("Sample 1.cls"));
        QCOMPARE(gone.layout().Text(WebText::Header).string, std::string("Header"));
        QCOMPARE(gone.lastLayout(), path("gone.cls"));
    }

    void addAllColorsToTheList()
    {
        list_->model().setAllowDuplicates(true);
        window_->AddAllColors();
        QCOMPARE(list_->model().rowCount(), 14);
        QCOMPARE(list_->model().list().entries().front(), QStringLiteral("#000000"));  // the border first
        QVERIFY(list_->model().listChanged());
        QCOMPARE(raised_, 1);
    }

    void rollUpReturnsToItsFullHeight()
    {
        QCOMPARE(window_->height(), 397);
        QTest::mouseDClick(window_->titleBar(), Qt::LeftButton, {}, QPoint(60, 8));
        QCOMPARE(window_->height(), 20);
        QTest::mouseDClick(window_->titleBar(), Qt::LeftButton, {}, QPoint(60, 8));
        QCOMPARE(window_->height(), 404);
    }

    void contrastHintAndReport()
    {
        QCOMPARE(page()->contrastHint(WebText::Header), QStringLiteral("Contrast 21.00:1 large text, AA pass, AAA pass, APCA Lc 106.0 (body text)"));
        window_->ContrastReport();
        const QStringList lines = fake_.dialogs.calls.last().text.split('\n');
        QCOMPARE(lines.size(), 9);
        QCOMPARE(lines[2], QStringLiteral("Link 1 Text: Contrast 21.00:1, AA pass, AAA pass, APCA Lc 106.0 (body text)"));
    }

    // A text failing AA gets a suggestion in the report and in "Contrast
    // Fixes"; one click gives the text that colour, which passes.
    void contrastFixAppliesTheSuggestion()
    {
        const TColor pale = MakeColor(190, 200, 230);
        drop(page()->textRect(WebText::Title).center(), pale, colorlist::DragSource::ColorList);
        QCOMPARE(window_->layout().Text(WebText::Title).color, pale);
        QVERIFY(!TextContrast(window_->layout(), WebText::Title).passesAA);
        std::optional<WebContrastFix> title;
        for (const WebContrastFix& fix : ContrastFixes(window_->layout()))
            if (fix.text == WebText::Title)
                title = fix;
        QVERIFY(title);
        const QString hex = QString::fromStdString(HashHexText(title->suggested));
        window_->ContrastReport();
        QVERIFY(fake_.dialogs.calls.last().text.split('\n')[7].endsWith(QStringLiteral(", suggested ") + hex));

        QMenu* menu = window_->contrastFixesMenu();
        emit menu->aboutToShow();
        QAction* action = nullptr;
        for (QAction* a : menu->actions())
            if (a->text() == QStringLiteral("Title Text: use ") + hex)
                action = a;
        QVERIFY(action);
        action->trigger();
        QCOMPARE(window_->layout().Text(WebText::Title).color, title->suggested);
        QVERIFY(TextContrast(window_->layout(), WebText::Title).passesAA);
    }

    void openInBrowserWritesThePage()
    {
        window_->OpenInBrowser();
        QCOMPARE(fake_.shell.documents.size(), 1);
        const QString file = fake_.shell.documents[0];
        QVERIFY(file.endsWith(QStringLiteral(".htm")));
        QCOMPARE(read(file), QByteArray::fromStdString(WriteWebPageHtml(window_->layout())));
        QFile::remove(file);
    }

    void viewAsSimulatesThePage()
    {
        drop(page()->areaRect(WebArea::Header).bottomRight() - QPoint(3, 3), 0x0000FF, colorlist::DragSource::MainSwatch);
        const QPoint spot = page()->areaRect(WebArea::Header).bottomRight() - QPoint(3, 3);
        QCOMPARE(page()->grab().toImage().pixelColor(spot), QColor(0xFF, 0, 0));
        page()->setVision(ColorVision::Protanopia);
        QCOMPARE(page()->grab().toImage().pixelColor(spot), QColor(0x6D, 0x5F, 0x00));
    }
};

QTEST_MAIN(WebPreviewWindowTest)
#include "web_preview_window_test.moc"
