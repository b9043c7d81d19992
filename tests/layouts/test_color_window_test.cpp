// The Test Color window: loading layouts into the test area (order,
// failures, "Show Texts and Images"), the window size rule, drops through
// the area, the status texts, default colours and the scheme commands.
#include "colorlist/color_mime.h"
#include "engine/color_text.h"
#include "layouts/layout_editor.h"
#include "layouts/test_area_view.h"
#include "layouts/test_color_window.h"
#include "layouts/text_contrast.h"
#include "support/fake_platform.h"

#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessaro;
using namespace tessaro::layouts;
using platform::Answer;

namespace {

// A small layout: shape 1 at (10, 10) 50 x 40, text 1 at (100, 10) and
// image 1 at (200, 10), with default colours.
const QByteArray kCard = "title=Card\r\nwidth=300\r\nheight=200\r\n"
                         "s1.left=10\r\ns1.top=10\r\ns1.width=50\r\ns1.height=40\r\ns1.visible=1\r\n"
                         "s1.color=clRed\r\nt1.left=100\r\nt1.top=10\r\nt1.width=80\r\nt1.height=30\r\n"
                         "t1.text=Hello\r\nt1.visible=1\r\nt1.color=$00FF0000\r\n"
                         "i1.left=200\r\ni1.top=10\r\ni1.width=40\r\ni1.height=40\r\ni1.visible=1\r\n"
                         "i1.filename=pics\\logo.png\r\nbackground.color=$00F0F0F0\r\n";

} // namespace

class TestColorWindowTest : public QObject {
    Q_OBJECT

private:
    platform::FakePlatform fake_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<TestColorWindow> window_;

    QString folder() const { return dir_->path() + QStringLiteral("/"); }
    void writeLayout(const QString& name, const QByteArray& bytes)
    {
        QFile file(folder() + QStringLiteral("TLs/") + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QStringList dialogs(const QString& what) const { return fake_.dialogs.textsOf(what); }
    // A colour drag dropped on the test area at `at`.
    void drop(QPoint at, TColor color, colorlist::DragSource source)
    {
        QMimeData mime;
        colorlist::PopulateColorMime(mime, color, source);
        // A drop goes to the widget that took the drag's entry.
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window_->view(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent event(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window_->view(), &event);
    }
    void hover(QWidget* widget, QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }

    // An edit in the layout editor: the document's width typed.
    void resizeDocument(const QString& width)
    {
        QLineEdit* box = window_->editor()->box(QStringLiteral("documentWidthBox"));
        box->setText(width);
        emit box->textEdited(width);
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QDir(dir_->path()).mkpath(QStringLiteral("TLs/pics"));
        fake_.dialogs.calls.clear();
        fake_.dialogs.answers.clear();
        fake_.dialogs.texts.clear();
        fake_.pictures.files.clear();
        QImage logo(8, 8, QImage::Format_RGB32);
        logo.fill(Qt::green);
        fake_.pictures.files.insert(folder() + QStringLiteral("TLs/pics/logo.png"), logo);
        QFile pictureFile(folder() + QStringLiteral("TLs/pics/logo.png"));
        QVERIFY(pictureFile.open(QIODevice::WriteOnly));
        writeLayout(QStringLiteral("Demo Layout 1.sts"), kCard);
        window_ = std::make_unique<TestColorWindow>(fake_.platform(), folder());
    }

    void startsWithTheInitialArea()
    {
        QCOMPARE(window_->statusText(), TestColorWindow::kStartStatus);
        QCOMPARE(window_->size(), QSize(619, 451));
        QCOMPARE(window_->layoutList()->count(), 76);
        QCOMPARE(window_->areaTitle(), QStringLiteral("Test Area"));
        QVERIFY(window_->showTexts());
        QVERIFY(!window_->schemeChanged());
    }

    void showingLoadsTheFirstLayout()
    {
        window_->show();
        QCOMPARE(window_->layoutList()->currentRow(), 0);
        QCOMPARE(window_->areaTitle(), QStringLiteral("Test Area - Card"));
        QCOMPARE(window_->view()->geometry(), QRect(8, 40, 300, 200));
        const LayoutObject& shape = window_->area().shapes[0];
        QCOMPARE(QRect(shape.left, shape.top, shape.width, shape.height), QRect(10, 10, 50, 40));
        QVERIFY(shape.visible);
        QVERIFY(!window_->area().shapes[1].visible);
        QVERIFY(window_->area().texts[0].visible);
        QCOMPARE(window_->pictures()[0].size(), QSize(8, 8));
        // A load changes no colour.
        QCOMPARE(shape.fill, TColor(0xF2F2F2));
    }

    void windowSizeFollowsTheDocument_data()
    {
        QTest::addColumn<QByteArray>("size");
        QTest::addColumn<QSize>("window");
        QTest::newRow("default 425 x 385") << QByteArray("title=x\r\n") << QSize(619, 451);
        QTest::newRow("768 x 576") << QByteArray("width=768\r\nheight=576\r\n") << QSize(962, 642);
        QTest::newRow("hexadecimal") << QByteArray("width=$100\r\nheight=x80\r\n") << QSize(256 + 194, 128 + 66);
        QTest::newRow("held to what a screen shows")
            << QByteArray("width=100000\r\nheight=-5\r\n") << QSize(kMaxDocumentSide + 194, 66);
    }
    void windowSizeFollowsTheDocument()
    {
        QFETCH(QByteArray, size);
        QFETCH(QSize, window);
        writeLayout(QStringLiteral("Demo Layout 2.sts"), size);
        window_->SelectLayout(1);
        QCOMPARE(window_->size(), window);
        QCOMPARE(window_->view()->size(), window - QSize(194, 66));
    }

    void missingFileKeepsTheLinesReadLast()
    {
        window_->SelectLayout(0);
        window_->SelectLayout(2);  // "Demo Layout 3.sts" does not exist
        QCOMPARE(window_->areaTitle(), QStringLiteral("Test Area - Card"));
        QCOMPARE(window_->pictures()[0].size(), QSize(8, 8));
        QVERIFY(dialogs(QStringLiteral("error")).isEmpty());
    }

    void missingFirstLayoutGivesAnEmptyWhiteArea()
    {
        QFile::remove(folder() + QStringLiteral("TLs/Demo Layout 1.sts"));
        window_->show();
        QCOMPARE(window_->areaTitle(), QStringLiteral("Test Area"));
        QCOMPARE(window_->size(), QSize(619, 451));
        for (const auto* objects : {&window_->area().shapes, &window_->area().texts})
            for (const LayoutObject& object : *objects)
                QVERIFY(!object.visible);
        const QImage shown = window_->view()->grab().toImage();
        QCOMPARE(shown.pixelColor(200, 200), QColor(Qt::white));
    }

    void failuresStopTheLoadWithAMessage_data()
    {
        QTest::addColumn<QByteArray>("layout");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("shapeShown");
        QTest::addColumn<bool>("textShown");
        QTest::newRow("bad shape size stops at it")
            << QByteArray("s1.visible=1\r\ns1.height=tall\r\nt1.visible=1\r\n")
            << QStringLiteral("'tall' is not a valid integer value") << false << false;
        QTest::newRow("bad font size stops the texts")
            << QByteArray("s1.visible=1\r\nt1.visible=1\r\nt1.font.size=big\r\n")
            << QStringLiteral("'big' is not a valid integer value") << true << false;
        QTest::newRow("unreadable picture")
            << QByteArray("s1.visible=1\r\nt1.visible=1\r\ni1.filename=pics\\broken.png\r\n")
            << QStringLiteral("Cannot open file \"%1TLs/pics/broken.png\"") << true << true;
    }
    void failuresStopTheLoadWithAMessage()
    {
        QFETCH(QByteArray, layout);
        QFETCH(QString, message);
        QFETCH(bool, shapeShown);
        QFETCH(bool, textShown);
        QFile broken(folder() + QStringLiteral("TLs/pics/broken.png"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        writeLayout(QStringLiteral("Demo Layout 2.sts"), layout);
        window_->SelectLayout(1);
        QCOMPARE(dialogs(QStringLiteral("error")), QStringList{message.contains(QStringLiteral("%1"))
                                                                   ? message.arg(folder())
                                                                   : message});
        QCOMPARE(window_->area().shapes[0].visible, shapeShown);
        QCOMPARE(window_->area().texts[0].visible, textShown);
    }

    void textsAndImagesFollowTheMenuEntry()
    {
        window_->SelectLayout(0);
        window_->ToggleShowTexts();
        QVERIFY(!window_->showTexts());
        QVERIFY(!window_->area().texts[0].visible);
        QVERIFY(!window_->area().images[0].visible);
        QVERIFY(window_->pictures()[0].isNull());
        QVERIFY(window_->area().shapes[0].visible);
        window_->ToggleShowTexts();
        QVERIFY(window_->area().texts[0].visible);
        QVERIFY(window_->area().images[0].visible);
        QCOMPARE(window_->pictures()[0].size(), QSize(8, 8));
    }

    void dropsColourTheTopmostPart()
    {
        window_->SelectLayout(0);
        // Over the shape; the text; the image (takes nothing); the background.
        drop(QPoint(20, 20), MakeColor(255, 128, 0), colorlist::DragSource::HarmonySwatch);
        QCOMPARE(window_->area().shapes[0].fill, MakeColor(255, 128, 0));
        QCOMPARE(window_->area().shapes[0].outline, MakeColor(255, 128, 0));
        QVERIFY(window_->schemeChanged());
        drop(QPoint(110, 20), MakeColor(0, 0, 255), colorlist::DragSource::WebText);
        QCOMPARE(window_->area().texts[0].textColor, TColor(0));
        drop(QPoint(210, 20), MakeColor(0, 0, 255), colorlist::DragSource::MainSwatch);
        drop(QPoint(150, 150), MakeColor(0, 0, 255), colorlist::DragSource::MainSwatch);
        QCOMPARE(window_->area().background, MakeColor(0, 0, 255));
        // What is drawn shows it.
        const QImage shown = window_->view()->grab().toImage();
        QCOMPARE(shown.pixelColor(30, 30), QColor(255, 128, 0));
        QCOMPARE(shown.pixelColor(150, 150), QColor(0, 0, 255));
        // Colours stay when the next layout loads.
        window_->SelectLayout(0);
        QCOMPARE(window_->area().shapes[0].fill, MakeColor(255, 128, 0));
    }

    void greyscaleViewRecoloursTheDrawnArea()
    {
        window_->SelectLayout(0);
        window_->DropColor({HitTarget::What::Object, ObjectKind::Shape, 1}, MakeColor(255, 0, 0),
                           colorlist::DragSource::MainSwatch);
        window_->setVision(ColorVision::Greyscale);
        const QImage shown = window_->view()->grab().toImage();
        QCOMPARE(shown.pixelColor(30, 30), QColor(0x7F, 0x7F, 0x7F));
        QVERIFY(window_->layoutsMenu()->findChild<QAction*>(QStringLiteral("view_greyscale"))->isChecked());
        // The model keeps the real colour.
        QCOMPARE(window_->area().shapes[0].fill, MakeColor(255, 0, 0));
        // The header says which view is on, also across a layout load, and
        // nothing once the normal view is back.
        const auto header = [this] { return window_->findChild<QLabel*>(QStringLiteral("areaTitle"))->text(); };
        QVERIFY2(header().endsWith(QStringLiteral(" - viewed as Greyscale")), qPrintable(header()));
        window_->setVision(ColorVision::Protanopia);
        window_->SelectLayout(1);
        QVERIFY2(header().endsWith(QStringLiteral(" - viewed as Protanopia")), qPrintable(header()));
        window_->setVision(ColorVision::Normal);
        QCOMPARE(header(), QStringLiteral(" ") + window_->areaTitle());
    }

    void statusTexts()
    {
        window_->SelectLayout(0);
        window_->DropColor({HitTarget::What::Object, ObjectKind::Shape, 1}, MakeColor(255, 128, 0),
                           colorlist::DragSource::MainSwatch);
        hover(window_->view(), QPoint(20, 20));
        QCOMPARE(window_->statusText(), QStringLiteral(" R: 255, G: 128, B: 0, HEX: #FF8000 "));
        hover(window_->view(), QPoint(150, 150));
        QCOMPARE(window_->statusText(),
                 QStringLiteral("Drag and drop a color to change background color. R: 255, G: 255, B: 255, HEX: #FFFFFF "));
        hover(window_->view(), QPoint(110, 20));
        QCOMPARE(window_->statusText(),
                 QStringLiteral(" R: 0, G: 0, B: 0, HEX: #000000  Contrast 21.00:1, AA pass, AAA pass, APCA Lc 106.0 (body text)"));
        hover(window_.get(), QPoint(3, 30));
        QCOMPARE(window_->statusText(), TestColorWindow::kWindowStatus);
        hover(window_->findChild<QPushButton*>(QStringLiteral("newLayoutButton")), QPoint(2, 2));
        QCOMPARE(window_->statusText(), TestColorWindow::kEditButtonStatus);
        hover(window_->schemeList()->viewport(), QPoint(2, 2));
        QCOMPARE(window_->statusText(), TestColorWindow::kSchemeListStatus);
        hover(window_->findChild<QPushButton*>(QStringLiteral("saveSchemeButton")), QPoint(2, 2));
        QCOMPARE(window_->statusText(), TestColorWindow::kSaveSchemeStatus);
    }

    void restoreAsksOnlyAfterADrop()
    {
        window_->SelectLayout(0);
        window_->RestoreDefaultColors();
        QVERIFY(dialogs(QStringLiteral("askYesNo")).isEmpty());
        QCOMPARE(window_->area().shapes[0].fill, MakeColor(255, 0, 0));
        QCOMPARE(window_->area().texts[0].textColor, MakeColor(0, 0, 255));
        QCOMPARE(window_->area().background, TColor(0xF0F0F0));
        window_->DropColor({}, 0x000000, colorlist::DragSource::MainSwatch);
        fake_.dialogs.answers.push_back(Answer::No);
        window_->RestoreDefaultColors();
        QCOMPARE(dialogs(QStringLiteral("askYesNo")), QStringList{QStringLiteral("Restore to default colors? ")});
        QCOMPARE(window_->area().background, TColor(0));
        fake_.dialogs.answers.push_back(Answer::Yes);
        window_->RestoreDefaultColors();
        QCOMPARE(window_->area().background, TColor(0xF0F0F0));
        QVERIFY(window_->schemeChanged());
    }

    void savingAndApplyingSchemes()
    {
        window_->SelectLayout(0);
        window_->DropColor({}, MakeColor(1, 2, 3), colorlist::DragSource::MainSwatch);
        fake_.dialogs.texts.push_back(QStringLiteral("Ocean"));
        window_->SaveScheme();
        QVERIFY(!window_->schemeChanged());
        QCOMPARE(window_->schemeList()->count(), 1);
        QCOMPARE(window_->schemeList()->item(0)->text(), QStringLiteral("Ocean.shm"));
        QFile saved(folder() + QStringLiteral("Ocean.shm"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().endsWith("background=$00030201\r\n"));

        // The same name again: No writes nothing, Yes replaces.
        window_->DropColor({}, MakeColor(9, 9, 9), colorlist::DragSource::MainSwatch);
        fake_.dialogs.texts.push_back(QStringLiteral("Ocean"));
        fake_.dialogs.answers.push_back(Answer::No);
        window_->SaveScheme();
        QVERIFY(window_->schemeChanged());
        QCOMPARE(dialogs(QStringLiteral("askYesNo")).last(),
                 QStringLiteral("Ocean.shm already exists. Do you want to replace it?"));

        // Applying asks while changed; No keeps the colours.
        fake_.dialogs.answers.push_back(Answer::No);
        window_->ApplyScheme(0);
        QCOMPARE(window_->area().background, MakeColor(9, 9, 9));
        fake_.dialogs.answers.push_back(Answer::Yes);
        window_->ApplyScheme(0);
        QCOMPARE(dialogs(QStringLiteral("askYesNo")).last(),
                 QStringLiteral("Scheme has been changed. Changes will be lost. Continue? "));
        QCOMPARE(window_->area().background, MakeColor(1, 2, 3));
        QVERIFY(!window_->schemeChanged());

        // A scheme that cannot be written is reported; the colours stay
        // unsaved.
        QVERIFY(QDir(folder()).mkdir(QStringLiteral("Folder.shm")));
        fake_.dialogs.texts.push_back(QStringLiteral("Folder"));
        fake_.dialogs.answers.push_back(Answer::Yes);
        window_->DropColor({}, MakeColor(9, 9, 9), colorlist::DragSource::MainSwatch);
        window_->SaveScheme();
        QCOMPARE(dialogs(QStringLiteral("error")),
                 QStringList{QStringLiteral("Can not save the scheme to %1Folder.shm:\nIs a directory").arg(folder())});
        QVERIFY(window_->schemeChanged());
        QVERIFY(QDir(folder()).rmdir(QStringLiteral("Folder.shm")));

        // An empty name writes ".shm".
        fake_.dialogs.texts.push_back(QString());
        window_->SaveScheme();
        QVERIFY(QFile::exists(folder() + QStringLiteral(".shm")));
        QCOMPARE(window_->schemeList()->item(0)->text(), QStringLiteral(".shm"));

        // Delete: asked, then gone from the folder and the list.
        window_->schemeList()->setCurrentRow(1);
        fake_.dialogs.answers.push_back(Answer::Yes);
        window_->DeleteScheme();
        QCOMPARE(dialogs(QStringLiteral("askYesNo")).last(), QStringLiteral("Are you sure to delete selected scheme?"));
        QCOMPARE(window_->schemeList()->count(), 1);
        QVERIFY(!QFile::exists(folder() + QStringLiteral("Ocean.shm")));
    }

    void deleteLayoutAsksAndRemovesFileAndEntry()
    {
        window_->SelectLayout(0);
        fake_.dialogs.answers.push_back(Answer::No);
        window_->DeleteLayout();
        QCOMPARE(window_->layoutList()->count(), 76);
        fake_.dialogs.answers.push_back(Answer::Yes);
        window_->DeleteLayout();
        QCOMPARE(window_->layoutList()->count(), 75);
        QVERIFY(!QFile::exists(folder() + QStringLiteral("TLs/Demo Layout 1.sts")));
        QCOMPARE(window_->layoutList()->item(0)->text(), QStringLiteral("Demo Layout 2.sts"));
    }

    // The list names the layout shown: the arrow keys and type-ahead load
    // the entry they reach (through the question about an edited layout,
    // whose Cancel puts the mark back), and a new layout, which has no file
    // yet, leaves no entry marked, also after leaving editing mode without
    // saving it.
    void layoutListMarksTheLayoutShown()
    {
        writeLayout(QStringLiteral("Demo Layout 2.sts"), "title=Second\r\nwidth=300\r\nheight=200\r\n");
        writeLayout(QStringLiteral("T2.sts"), "title=Tee Two\r\nwidth=300\r\nheight=200\r\n");
        window_->show();
        QListWidget* list = window_->layoutList();
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(window_->areaTitle(), QStringLiteral("Test Area - Second"));
        QTest::keyClicks(list, QStringLiteral("T2"));
        QCOMPARE(list->currentItem()->text(), QStringLiteral("T2.sts"));
        QCOMPARE(window_->areaTitle(), QStringLiteral("Test Area - Tee Two"));

        window_->EnterEditMode();
        resizeDocument(QStringLiteral("500"));
        fake_.dialogs.answers = {Answer::Cancel};
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("T2.sts"));
        QVERIFY(window_->editMode());
        fake_.dialogs.answers = {Answer::No};
        QVERIFY(window_->QuitEditMode());

        window_->NewLayout();
        QCOMPARE(list->currentRow(), -1);
        resizeDocument(QStringLiteral("600"));
        fake_.dialogs.answers = {Answer::No};
        QVERIFY(window_->QuitEditMode());
        QCOMPARE(window_->areaTitle(), QStringLiteral("Test Area - New Layout"));
        QCOMPARE(list->currentRow(), -1);
        QVERIFY(list->selectedItems().isEmpty());
    }

    void contrastReport()
    {
        window_->SelectLayout(0);
        window_->ShowContrastReport();
        QCOMPARE(dialogs(QStringLiteral("notify")),
                 QStringList{QStringLiteral("Text 1 \"Hello\": Contrast 21.00:1, AA pass, AAA pass, APCA Lc 106.0 (body text)")});
    }

    // A text failing AA gets a suggestion in the report and in "Contrast
    // Fixes"; one click gives the text that colour, which passes.
    void contrastFixAppliesTheSuggestion()
    {
        window_->SelectLayout(0);
        const TColor grey = MakeColor(170, 170, 170);
        window_->DropColor(HitTarget{HitTarget::What::Object, ObjectKind::Text, 1}, grey,
                           colorlist::DragSource::ColorList);
        QVERIFY(!TextContrast(window_->area(), 1).passesAA);
        const std::vector<TextContrastFix> fixes = ContrastFixes(window_->area());
        QCOMPARE(fixes.size(), std::size_t(1));
        const QString hex = QString::fromStdString(HashHexText(fixes[0].suggested));
        window_->ShowContrastReport();
        QVERIFY(dialogs(QStringLiteral("notify")).first().endsWith(QStringLiteral(", suggested ") + hex));

        QMenu* menu = window_->contrastFixesMenu();
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().size(), 1);
        QCOMPARE(menu->actions().first()->text(), QStringLiteral("Text 1: use ") + hex);
        menu->actions().first()->trigger();
        QCOMPARE(window_->area().texts[0].textColor, fixes[0].suggested);
        QVERIFY(TextContrast(window_->area(), 1).passesAA);
        emit menu->aboutToShow();
        QVERIFY(!menu->actions().first()->isEnabled());
    }
};

QTEST_MAIN(TestColorWindowTest)
#include "test_color_window_test.moc"
