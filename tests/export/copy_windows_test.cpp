// The copy and export windows with fake platform services: quick copy texts
// and bitmaps on the clipboard, the Copy/Export Center's choices, copy and
// save, the list exports' dialogs and files, palettes opened as lists.
#include "colorlist/color_list_commands.h"
#include "controls/shortcuts.h"
#include "export/copy_center_window.h"
#include "export/list_export_commands.h"
#include "export/quick_copy_commands.h"
#include "platform/qt_fonts.h"
#include "support/fake_platform.h"
#include "state/main_color.h"

#include <QFile>
#include <QListWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessaro;
using namespace tessaro::exporting;

class CopyWindowsTest : public QObject {
    Q_OBJECT

private:
    platform::FakePlatform fake_;
    std::unique_ptr<workspace::MainColor> mainColor_;
    std::unique_ptr<QTemporaryDir> dir_;
    controls::CommandHandlers commands_;
    MainColorFields fields_;
    std::vector<std::string> entries_;
    std::vector<std::string> selected_;

    CopySources sources()
    {
        CopySources s;
        s.mainColor = mainColor_.get();
        s.mainFields = [this] { return fields_; };
        s.listEntries = [this] { return entries_; };
        s.selectedEntries = [this] { return selected_; };
        return s;
    }
    QString path(const char* name) const { return dir_->filePath(QString::fromLatin1(name)); }
    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }

private slots:
    void init()
    {
        fake_.clipboard = {};
        fake_.dialogs.calls.clear();
        fake_.dialogs.paths.clear();
        mainColor_ = std::make_unique<workspace::MainColor>();
        mainColor_->set(MakeColor(255, 128, 0));
        fields_ = {"255", "128", "0", "30", "100", "50", "FF8000", MakeColor(255, 128, 0)};
        entries_ = {"#FF8000", "#000000", "hello"};
        selected_.clear();
        dir_ = std::make_unique<QTemporaryDir>();
    }

    void quickCopyText_data()
    {
        QTest::addColumn<int>("notation");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QString>("copied");
        const QStringList none;
        const QStringList one{"#000000"};
        const QStringList two{"#FF8000", "#000000"};
        QTest::newRow("RGB of the fields") << int(CopyNotation::Rgb) << none << "RGB(255,128,0)";
        QTest::newRow("HSL of the fields") << int(CopyNotation::Hsl) << none << "HSL(30,100,50)";
        QTest::newRow("one selected entry copies the main colour") << int(CopyNotation::HtmlHex) << one << "FF8000";
        QTest::newRow("hex with #") << int(CopyNotation::HtmlHashHex) << none << "#FF8000";
        QTest::newRow("ActionScript") << int(CopyNotation::ActionScriptHex) << none << "0xFF8000";
        QTest::newRow("VB of two entries") << int(CopyNotation::VbHex) << two << "&H0080FF\r\n&H000000";
        QTest::newRow("Delphi of two entries") << int(CopyNotation::DelphiHex) << two << "$000080FF\r\n$00000000";
        QTest::newRow("VC++ of two entries") << int(CopyNotation::CppHex) << two << "0X000080FF\r\n0X00000000";
        QTest::newRow("entry without # skipped") << int(CopyNotation::HtmlHex) << QStringList{"#FF0000", "hello"}
                                                 << "FF0000";
    }
    void quickCopyText()
    {
        QFETCH(int, notation);
        QFETCH(QStringList, selected);
        QFETCH(QString, copied);
        for (const QString& s : selected)
            selected_.push_back(s.toStdString());
        QuickCopyCommands quick(fake_.platform(), sources(), nullptr);
        quick.CopyText(CopyNotation(notation));
        QCOMPARE(fake_.clipboard.content, copied);
    }

    void quickCopyCssNotations()
    {
        QuickCopyCommands quick(fake_.platform(), sources(), nullptr);
        QMenu menu;
        quick.BuildMenu(&menu, [] {});
        menu.findChild<QAction*>(QStringLiteral("copyCssOkLchAction"))->trigger();
        QCOMPARE(fake_.clipboard.content, QStringLiteral("oklch(73.189% 0.1858 52.985)"));
        selected_ = {"#FF8000", "#000000"};
        quick.CopyText(CssNotation::Rgb);
        QCOMPARE(fake_.clipboard.content, QStringLiteral("rgb(255 128 0)\r\nrgb(0 0 0)"));
    }

    void quickCopyConversionErrorLeavesClipboard()
    {
        selected_ = {"#FF0000", "hello"};
        fake_.clipboard.content = QStringLiteral("before");
        QuickCopyCommands quick(fake_.platform(), sources(), nullptr);
        quick.CopyText(CopyNotation::Rgb);
        QCOMPARE(fake_.clipboard.content, QStringLiteral("before"));
        QCOMPARE(fake_.dialogs.calls.size(), 1);
        QCOMPARE(fake_.dialogs.calls.at(0).text, QStringLiteral("'ello' is not a valid integer value"));
    }

    void quickCopyBitmaps()
    {
        QuickCopyCommands quick(fake_.platform(), sources(), nullptr);
        mainColor_->set(MakeColor(200, 200, 200));
        quick.CopyWheelBitmap();
        const QImage wheel = fake_.clipboard.image;
        QCOMPARE(wheel.size(), QSize(235, 15));
        QCOMPARE(wheel.pixelColor(0, 0), QColor(200, 200, 200));
        QCOMPARE(wheel.pixelColor(14, 14), QColor(200, 200, 200));
        QCOMPARE(wheel.pixelColor(15, 7), QColor(Qt::white));
        QCOMPARE(wheel.pixelColor(20, 0), QColor(199, 199, 199));
        QCOMPARE(wheel.pixelColor(234, 14), QColor(199, 199, 199));
        quick.CopyVariationsBitmap();
        QCOMPARE(fake_.clipboard.image.size(), QSize(195, 15));
        quick.CopyMainColorBitmap();
        QCOMPARE(fake_.clipboard.image.size(), QSize(60, 60));
        QCOMPARE(fake_.clipboard.image.pixelColor(59, 59), QColor(200, 200, 200));
        quick.CopyHarmoniesBitmap();
        const QImage harmonies = fake_.clipboard.image;
        QCOMPARE(harmonies.size(), QSize(90, 180));
        const auto& p = mainColor_->state().palette;
        QCOMPARE(harmonies.pixel(65, 179), QColor(RedOf(p.square[3]), GreenOf(p.square[3]), BlueOf(p.square[3])).rgb());
        QCOMPARE(harmonies.pixelColor(89, 179), QColor(Qt::white));
    }

    void quickCopyMenuOrder()
    {
        QuickCopyCommands quick(fake_.platform(), sources(), nullptr);
        QMenu menu;
        bool more = false;
        quick.BuildMenu(&menu, [&more] { more = true; });
        QStringList captions;
        for (QAction* a : menu.actions())
            captions << a->text();
        QCOMPARE(captions, (QStringList{"&RGB", "H&SL", "&HTML Style Hex", "H&TML Style  Hex (with #)", "&Delphi Hex",
                                        "V&B Hex", "V&C++ Hex", "&ActionScript Hex", "CSS rgb()", "CSS hsl()",
                                        "CSS oklch()", "CSS oklab()", "CSS lab()", "CSS lch()",
                                        "CSS color(display-p3)", "&Main Color as Bitmap",
                                        "Color &Wheel as Bitmap", "&Quick Variations as Bitmap",
                                        "Harm&onies as Bitmap", "", "M&ore..."}));
        menu.actions().last()->trigger();
        QVERIFY(more);
    }

    void centerStartsWithMainColourSwatches()
    {
        CopyCenterWindow center(fake_.platform(), sources(), commands_);
        QCOMPARE(center.windowTitle().isEmpty() ? QStringLiteral("Copy/Export Center") : center.windowTitle(),
                 QStringLiteral("Copy/Export Center"));
        center.Open();
        QCOMPARE(center.source(), CenterSource::MainColor);
        QCOMPARE(center.format(), CenterFormat::Swatches);
        QCOMPARE(center.picture().size(), QSize(276, 20));
        QCOMPARE(center.picture().pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(center.picture().pixelColor(5, 5), QColor(255, 128, 0));
        QCOMPARE(center.height(), CopyCenterWindow::kHeightWithoutPreview);
        center.findChild<QPushButton*>(QStringLiteral("previewButton"))->click();
        QCOMPARE(center.height(), CopyCenterWindow::kHeightWithPreview);
        QVERIFY(center.isPreviewShown());
    }

    // Both lists show every entry whole, without scrolling.
    void centerListsShowEveryEntryWhole()
    {
        CopyCenterWindow center(fake_.platform(), sources(), commands_);
        center.Open();
        QVERIFY(QTest::qWaitForWindowExposed(&center));
        for (const char* name : {"sourceList", "formatList"}) {
            auto* list = center.findChild<QListWidget*>(QString::fromLatin1(name));
            QVERIFY(list->count() >= 4);
            const QRect viewport = list->viewport()->rect();
            for (int row = 0; row < list->count(); ++row) {
                const QRect item = list->visualItemRect(list->item(row));
                const int textWidth = list->fontMetrics().horizontalAdvance(list->item(row)->text());
                QVERIFY2(viewport.contains(item), qPrintable(list->item(row)->text()));
                QVERIFY2(textWidth + 6 <= item.width(), qPrintable(list->item(row)->text()));
            }
        }
    }

    // A typed size or column count that is not in the box's list is not
    // used; the box shows the value in use once the typing ends, and the
    // copy matches it.
    void centerTypedValueOutsideItsListShowsTheValueInUse()
    {
        CopyCenterWindow center(fake_.platform(), sources(), commands_);
        center.Open();
        center.setSource(CenterSource::ColorWheel);
        auto* columns = center.findChild<QComboBox*>(QStringLiteral("columnsBox"));
        auto* size = center.findChild<QComboBox*>(QStringLiteral("swatchSizeBox"));
        columns->setEditText(QStringLiteral("6"));
        QCOMPARE(center.picture().size(), QSize(6 * 23, 3 * 20 + 2 * 3));
        columns->setEditText(QStringLiteral("0"));
        emit columns->lineEdit()->editingFinished();
        QCOMPARE(columns->currentText(), QStringLiteral("6"));
        size->setEditText(QStringLiteral("33x33"));
        emit size->lineEdit()->editingFinished();
        QCOMPARE(size->currentText(), QStringLiteral("20x20"));
        // Copy Now straight after the typing (Enter) settles the box first.
        columns->setEditText(QStringLiteral("100000"));
        center.CopyNow();
        QCOMPARE(columns->currentText(), QStringLiteral("6"));
        QCOMPARE(fake_.clipboard.image.size(), QSize(6 * 23, 3 * 20 + 2 * 3));
    }

    void centerCopiesTextAndClosesOnEnter()
    {
        CopyCenterWindow center(fake_.platform(), sources(), commands_);
        center.Open();
        center.setSource(CenterSource::ColorList);
        center.setFormat(CenterFormat::Css);
        center.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&center));
        QTest::keyClick(center.findChild<QListWidget*>(QStringLiteral("formatList")), Qt::Key_Return);
        QCOMPARE(fake_.clipboard.content, QStringLiteral(".color1 { color: #FF8000; }\r\n.color2 { color: #000000; }\r\n"));
        QVERIFY(!center.isVisible());
        // Later openings keep the choices and collect again.
        entries_ = {"#336699"};
        center.Open();
        QCOMPARE(center.format(), CenterFormat::Css);
        QCOMPARE(center.output().text, std::string(".color1 { color: #336699; }\r\n"));
        center.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&center));
        QTest::keyClick(center.findChild<QListWidget*>(QStringLiteral("sourceList")), Qt::Key_Escape);
        QVERIFY(!center.isVisible());
    }

    // The Center's boxes take the editing keys as every text box does; a
    // command run from elsewhere in the Center (Ctrl+A adds the main colour
    // to the list) brings the preview up to what "Copy Now" copies.
    void centerBoxesTakeTheEditingKeysAndThePreviewFollowsCommands()
    {
        QList<controls::Command> ran;
        commands_.set(controls::Command::AddMainColor, [&] {
            ran << controls::Command::AddMainColor;
            entries_.insert(entries_.begin(), "#FF8000");
        });
        commands_.set(controls::Command::Undo, [&] { ran << controls::Command::Undo; });
        CopyCenterWindow center(fake_.platform(), sources(), commands_);
        center.Open();
        center.setSource(CenterSource::ColorList);
        center.setFormat(CenterFormat::Value);
        center.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&center));
        QCOMPARE(center.output().text, std::string("FF8000\r\n\r\n000000\r\n\r\n"));

        center.setFormat(CenterFormat::Swatches);
        auto* columns = center.findChild<QComboBox*>(QStringLiteral("columnsBox"));
        columns->setFocus();
        QTRY_VERIFY(columns->hasFocus());
        QTest::keyClick(columns, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(columns->lineEdit()->selectedText(), QStringLiteral("12"));
        QTest::keyClick(columns, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(ran, QList<controls::Command>{});
        QCOMPARE(entries_.size(), std::size_t(3));

        center.setFormat(CenterFormat::Value);
        auto* formats = center.findChild<QListWidget*>(QStringLiteral("formatList"));
        formats->setFocus();
        QTRY_VERIFY(formats->hasFocus());
        QTest::keyClick(formats, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(ran, QList<controls::Command>{controls::Command::AddMainColor});
        QCOMPARE(center.output().text, std::string("FF8000\r\n\r\nFF8000\r\n\r\n000000\r\n\r\n"));
    }

    void centerValuePageOffersTheCssNotations()
    {
        CopyCenterWindow center(fake_.platform(), sources(), commands_);
        center.Open();
        center.setFormat(CenterFormat::Value);
        center.findChild<QCheckBox*>(QStringLiteral("HTML Hex"))->setChecked(false);
        center.findChild<QCheckBox*>(QStringLiteral("oklch()"))->setChecked(true);
        center.findChild<QCheckBox*>(QStringLiteral("display-p3"))->setChecked(true);
        QCOMPARE(center.output().text,
                 std::string("oklch(73.189% 0.1858 52.985)\r\ncolor(display-p3 0.9361 0.529 0.1987)\r\n\r\n"));
        // Fifteen boxes in three columns, none overlapping another, all on
        // the page, each caption fitting in the program's face.
        const QList<QCheckBox*> boxes =
            center.findChild<QCheckBox*>(QStringLiteral("oklch()"))->parentWidget()->findChildren<QCheckBox*>();
        QCOMPARE(boxes.size(), 15);
        const QFontMetrics metrics(platform::ProgramFont());
        for (QCheckBox* a : boxes) {
            QVERIFY(a->parentWidget()->rect().contains(a->geometry()));
            const int indicator = a->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                                  a->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
            QVERIFY2(indicator + metrics.horizontalAdvance(a->text()) <= a->width(), qPrintable(a->text()));
            for (QCheckBox* b : boxes)
                QVERIFY(a == b || !a->geometry().intersects(b->geometry()));
        }
    }

    void centerMetafileGoesAsEmfAndSvg()
    {
        CopyCenterWindow center(fake_.platform(), sources(), commands_);
        center.Open();
        center.findChild<QWidget*>(QStringLiteral("swatchesWMF"))->setProperty("checked", true);
        center.CopyNow();
        QVERIFY(fake_.clipboard.emf.startsWith(QByteArray("\x01\x00\x00\x00", 4)));
        QVERIFY(fake_.clipboard.svg.contains("<title>Color Swatches</title>"));
    }

    void centerSavesByExtensionAndKeepsFileOnFailure()
    {
        CopyCenterWindow center(fake_.platform(), sources(), commands_);
        center.Open();
        QVERIFY(center.SaveTo(path("s.png")));
        QCOMPARE(QImage(path("s.png")).size(), QSize(276, 20));
        QVERIFY(center.SaveTo(path("s.emf")));
        QVERIFY(read(path("s.emf")).mid(40, 4) == QByteArray(" EMF"));
        center.setFormat(CenterFormat::Json);
        QVERIFY(center.SaveTo(path("s.json")));
        QVERIFY(read(path("s.json")).startsWith("[\r\n  { \"name\": \"color-1\", \"hex\": \"#FF8000\""));
        QVERIFY(!center.SaveTo(path("no/such/folder.json")));
        QCOMPARE(fake_.dialogs.calls.last().what, QStringLiteral("error"));
        QVERIFY(fake_.dialogs.calls.last().text.contains(QStringLiteral("no/such/folder.json")));
    }

    void centerConversionErrorCopiesNothing()
    {
        fields_.hex = "12GG56";
        fake_.clipboard.content = QStringLiteral("before");
        CopyCenterWindow center(fake_.platform(), sources(), commands_);
        center.Open();
        center.setFormat(CenterFormat::Value);
        center.CopyNow();
        QCOMPARE(fake_.clipboard.content, QStringLiteral("before"));
        QVERIFY(fake_.dialogs.calls.last().text.endsWith(QStringLiteral("is not a valid integer value")));
    }

    void listExportWritesAfterItsDialog_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("HTML") << int(PaletteKind::Html) << "HTML (*.html)" << "html" << QByteArray("<!DOCTYPE html>");
        QTest::newRow("ACO") << int(PaletteKind::Aco) << "Photoshop ACO File (*.aco)" << "aco"
                             << QByteArray("\x00\x01\x00\x02", 4);
        QTest::newRow("PAL") << int(PaletteKind::Pal) << "MS PAL File (*.pal)" << "pal" << QByteArray("RIFF");
        QTest::newRow("GPL") << int(PaletteKind::Gpl) << "GIMP Palette (*.gpl)" << "gpl" << QByteArray("GIMP Palette\n");
        QTest::newRow("ASE") << int(PaletteKind::Ase) << "Adobe Swatch Exchange (*.ase)" << "ase" << QByteArray("ASEF");
    }
    void listExportWritesAfterItsDialog()
    {
        QFETCH(int, kind);
        QFETCH(QString, filter);
        QFETCH(QString, extension);
        QFETCH(QByteArray, start);
        entries_ = {"#FF8000", "#000000"};
        ListExportCommands exports(fake_.platform(), [this] { return entries_; }, {}, nullptr);
        fake_.dialogs.paths.push_back(std::nullopt);
        QVERIFY(!exports.Export(PaletteKind(kind)));
        fake_.dialogs.paths.push_back(path("out"));
        QVERIFY(exports.Export(PaletteKind(kind)));
        const auto& call = fake_.dialogs.calls.last();
        QCOMPARE(call.filters.at(0).description, filter);
        QCOMPARE(call.defaultExtension, extension);
        QVERIFY2(read(path("out")).startsWith(start), read(path("out")).left(20).constData());
    }

    // A GIMP palette goes by the list file's name, or by its own file's
    // name while the list has no file.
    void gplIsNamedAfterTheListOrItsOwnFile()
    {
        entries_ = {"#FF8000"};
        QString listFile;
        ListExportCommands exports(fake_.platform(), [this] { return entries_; }, [&listFile] { return listFile; },
                                   nullptr);
        QVERIFY(exports.ExportTo(PaletteKind::Gpl, path("Sunset.gpl")));
        QVERIFY(read(path("Sunset.gpl")).startsWith("GIMP Palette\nName: Sunset\n"));
        listFile = QStringLiteral("/home/someone/lists/Autumn leaves.cll");
        QVERIFY(exports.ExportTo(PaletteKind::Gpl, path("x.gpl")));
        QVERIFY(read(path("x.gpl")).startsWith("GIMP Palette\nName: Autumn leaves\n"));
    }

    void listMenuEntriesAreEnabled()
    {
        ListExportCommands exports(fake_.platform(), [this] { return entries_; }, {}, nullptr);
        QMenu menu;
        menu.addAction(QStringLiteral("as HTML"))->setEnabled(false);
        exports.BuildListMenu(&menu);
        QStringList captions;
        for (QAction* a : menu.actions()) {
            captions << a->text();
            QVERIFY(a->isEnabled());
        }
        QCOMPARE(captions, (QStringList{"as HTML", "as ACO", "as PAL", "as GPL", "as ASE"}));
    }

    void palettesOpenAsTheList()
    {
        colorlist::ColorListCommands list(fake_.platform(), *mainColor_, QString(), nullptr);
        QFile file(path("p.gpl"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("GIMP Palette\n255 128 0 orange\n0 0 0\n");
        file.close();
        list.OpenListFile(path("p.gpl"));
        QCOMPARE(list.model().list().entries(), (QStringList{"#FF8000", "#000000"}));
        QVERIFY(list.model().listChanged());
        QVERIFY(list.model().currentListPath().isEmpty());
        QFile bad(path("bad.ase"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("ASEF\x00\x01");
        bad.close();
        list.OpenListFile(path("bad.ase"));
        QCOMPARE(fake_.dialogs.calls.last().what, QStringLiteral("error"));
        QVERIFY(fake_.dialogs.calls.last().text.contains(QStringLiteral("bad.ase")));
        QCOMPARE(list.model().list().entries().size(), 2);
        // A grey swatch is converted, and one note says so once the list is open.
        QFile grey(path("grey.aco"));
        QVERIFY(grey.open(QIODevice::WriteOnly));
        grey.write(QByteArray("\x00\x01\x00\x02"
                              "\x00\x00\xFF\xFF\x80\x80\x00\x00\x00\x00"
                              "\x00\x08\x13\x88\x00\x00\x00\x00\x00\x00",
                              24));
        grey.close();
        const int calls = int(fake_.dialogs.calls.size());
        list.OpenListFile(path("grey.aco"));
        QCOMPARE(list.model().list().entries(), (QStringList{"#FF8000", "#808080"}));
        QCOMPARE(int(fake_.dialogs.calls.size()), calls + 1);
        QCOMPARE(fake_.dialogs.calls.last().what, QStringLiteral("notify"));
        QVERIFY2(fake_.dialogs.calls.last().text.contains(QStringLiteral("1 of 2 swatches was not RGB: 1 grey converted")),
                 qPrintable(fake_.dialogs.calls.last().text));
    }
};

QTEST_MAIN(CopyWindowsTest)
#include "copy_windows_test.moc"
