// The layout editor in the Test Color window: entering and leaving editing
// mode, selecting objects, the boxes (clamping, letters, Delete), the frame
// with the grid, the document size, and a layout saved and loaded back.
#include "layouts/layout_editor.h"
#include "layouts/selection_frame.h"
#include "layouts/test_area_view.h"
#include "layouts/test_color_window.h"
#include "support/fake_platform.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessaro;
using namespace tessaro::layouts;
using platform::Answer;

namespace {

const QByteArray kStart = "title=Start\r\nwidth=425\r\nheight=385\r\n"
                          "s1.left=16\r\ns1.top=24\r\ns1.width=25\r\ns1.height=25\r\ns1.visible=1\r\n"
                          "s2.left=-250\r\ns2.top=10\r\ns2.width=40\r\ns2.height=30\r\ns2.visible=1\r\ns2.shape=e\r\n"
                          "t7.left=100\r\nt7.top=200\r\nt7.width=120\r\nt7.height=20\r\nt7.visible=1\r\nt7.text=Hello\r\n"
                          "t7.font=Tahoma\r\nt7.font.size=300\r\n"
                          "i1.left=300\r\ni1.top=20\r\ni1.width=40\r\ni1.height=40\r\ni1.visible=1\r\n"
                          "i1.filename=pics\\logo.png\r\ni1.stretch=1\r\n";

} // namespace

class LayoutEditorTest : public QObject {
    Q_OBJECT

private:
    platform::FakePlatform fake_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<TestColorWindow> window_;

    QString layouts() const { return dir_->path() + QStringLiteral("/TLs/"); }
    LayoutEditor& editor() const { return *window_->editor(); }
    const LayoutObject& object(ObjectKind kind, int n) const { return window_->area().Object(kind, n); }
    void select(ObjectKind kind, int n) { emit window_->view()->released({HitTarget::What::Object, kind, n}); }
    void type(const QString& box, const QString& text)
    {
        QLineEdit* edit = editor().box(box);
        edit->clear();
        QTest::keyClicks(edit, text);
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QDir(dir_->path()).mkpath(QStringLiteral("TLs/pics"));
        fake_.dialogs.calls.clear();
        fake_.dialogs.answers.clear();
        fake_.dialogs.paths.clear();
        QFile layout(layouts() + QStringLiteral("Demo Layout 1.sts"));
        QVERIFY(layout.open(QIODevice::WriteOnly));
        layout.write(kStart);
        layout.close();
        QFile picture(layouts() + QStringLiteral("pics/logo.png"));
        QVERIFY(picture.open(QIODevice::WriteOnly));
        QImage logo(4, 4, QImage::Format_RGB32);
        logo.fill(Qt::blue);
        fake_.pictures.files.insert(layouts() + QStringLiteral("pics/logo.png"), logo);
        window_ = std::make_unique<TestColorWindow>(fake_.platform(), dir_->path() + QStringLiteral("/"));
        window_->SelectLayout(0);
        window_->EnterEditMode();
    }

    void editModeShowsTheEditPageAndSelectsOnRelease()
    {
        QVERIFY(window_->editMode());
        QCOMPARE(window_->currentPage(), 1);
        QVERIFY(window_->view()->editMode());
        select(ObjectKind::Shape, 1);
        QCOMPARE(editor().objectsList()->currentRow(), 0);
        QCOMPARE(editor().box(QStringLiteral("leftBox"))->text(), QStringLiteral("16"));
        QCOMPARE(window_->selectionFrame()->bounds(), (Box{14, 22, 30, 30}));
        select(ObjectKind::Image, 1);
        QCOMPARE(editor().objectsList()->currentRow(), 20);
        QCOMPARE(editor().box(QStringLiteral("fileNameBox"))->text(), QStringLiteral("pics\\logo.png"));
        QCOMPARE(editor().choice(QStringLiteral("stretchChoice"))->currentText(), QStringLiteral("True"));
    }

    void showingClampsAndWritesBack()
    {
        select(ObjectKind::Shape, 2);
        QCOMPARE(object(ObjectKind::Shape, 2).left, -200);
        QCOMPARE(editor().box(QStringLiteral("leftBox"))->text(), QStringLiteral("-200"));
        QCOMPARE(editor().choice(QStringLiteral("shapeChoice"))->currentText(), QStringLiteral("Ellipse"));
        select(ObjectKind::Text, 7);
        QCOMPARE(object(ObjectKind::Text, 7).fontSize, 240);
    }

    void boxesClampDropLettersAndReportBadNumbers()
    {
        select(ObjectKind::Shape, 1);
        type(QStringLiteral("heightBox"), QStringLiteral("2000"));
        QCOMPARE(object(ObjectKind::Shape, 1).height, 1500);
        QCOMPARE(editor().box(QStringLiteral("heightBox"))->text(), QStringLiteral("1500"));
        // a, b and z are thrown away; c, v, w and x are kept.
        QLineEdit* left = editor().box(QStringLiteral("leftBox"));
        left->clear();
        QTest::keyClicks(left, QStringLiteral("abz"));
        QCOMPARE(left->text(), QString());
        QTest::keyClicks(left, QStringLiteral("x"));
        QCOMPARE(left->text(), QStringLiteral("x"));
        QCOMPARE(fake_.dialogs.calls.last().text, QStringLiteral("'x' is not a valid integer value"));
        QCOMPARE(object(ObjectKind::Shape, 1).left, 16);
    }

    // A face typed into " &Font" that the list does not hold is refused with
    // the list-index message; the box shows the face the text keeps. A face
    // of the list is taken.
    void fontBoxRefusesAFaceNotInTheList()
    {
        select(ObjectKind::Text, 7);
        QComboBox* font = editor().choice(QStringLiteral("fontChoice"));
        const int faces = font->count();
        font->lineEdit()->selectAll();
        QTest::keyClicks(font->lineEdit(), QStringLiteral("Zzqfont"));
        QTest::keyClick(font->lineEdit(), Qt::Key_Return);
        QCOMPARE(fake_.dialogs.calls.size(), 1);
        QVERIFY2(fake_.dialogs.calls.last().text.startsWith(QStringLiteral("List index out of bounds")),
                 qPrintable(fake_.dialogs.calls.last().text));
        QCOMPARE(object(ObjectKind::Text, 7).font, std::string("Tahoma"));
        QCOMPARE(font->currentText(), QStringLiteral("Tahoma"));
        QCOMPARE(font->count(), faces);

        font->lineEdit()->selectAll();
        QTest::keyClicks(font->lineEdit(), QStringLiteral("Courier New"));
        QTest::keyClick(font->lineEdit(), Qt::Key_Return);
        QCOMPARE(fake_.dialogs.calls.size(), 1);
        QCOMPARE(object(ObjectKind::Text, 7).font, std::string("Courier New"));
    }

    // A double click on a True/False choice switches it and applies it, in
    // two clicks as a user makes them: the first opens the choice's list,
    // the second lands on that list where the choice was.
    void doubleClickSwitchesATrueFalseChoice()
    {
        select(ObjectKind::Text, 7);
        QComboBox* visible = editor().choice(QStringLiteral("visibleChoice"));
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        for (const bool expected : {false, true}) {
            QTest::mouseClick(visible, Qt::LeftButton, {}, visible->rect().center());
            QTRY_VERIFY(visible->view()->isVisible());
            QWidget* list = visible->view()->viewport();
            QTest::mouseClick(list, Qt::LeftButton, {}, list->mapFromGlobal(visible->mapToGlobal(visible->rect().center())));
            QTRY_VERIFY(!visible->view()->isVisible());
            QCOMPARE(object(ObjectKind::Text, 7).visible, expected);
            QCOMPARE(visible->currentText(), expected ? QStringLiteral("True") : QStringLiteral("False"));
            QTest::qWait(QApplication::doubleClickInterval() + 50);
        }
    }

    void deleteHidesTheCurrentObject()
    {
        select(ObjectKind::Text, 7);
        QTest::keyClick(window_->selectionFrame(), Qt::Key_Delete);
        QVERIFY(!object(ObjectKind::Text, 7).visible);
        QCOMPARE(editor().choice(QStringLiteral("visibleChoice"))->currentText(), QStringLiteral("False"));
    }

    void frameDragSnapsToTheGridAndArrowsMoveByOne()
    {
        editor().snapToGrid()->setChecked(true);
        QCOMPARE(window_->selectionFrame()->grid(), 8);
        select(ObjectKind::Shape, 1);
        window_->selectionFrame()->Drag(GrabZone::Move, 8, 0);
        QCOMPARE(object(ObjectKind::Shape, 1).left, 16);
        window_->selectionFrame()->Drag(GrabZone::Move, 10, 0);
        QCOMPARE(object(ObjectKind::Shape, 1).left, 24);
        QCOMPARE(editor().box(QStringLiteral("leftBox"))->text(), QStringLiteral("24"));
        QTest::keyClick(window_->selectionFrame(), Qt::Key_Right);
        QCOMPARE(object(ObjectKind::Shape, 1).left, 25);
        QVERIFY(window_->layoutChanged());
    }

    void gridSizeBoxKeepsTheGridAboveZero()
    {
        // Each change of the box counts: "5", "51", then "512" (low 8 bits 0) is ignored.
        type(QStringLiteral("gridSizeBox"), QStringLiteral("512"));
        QCOMPARE(window_->selectionFrame()->grid(), 51);
        type(QStringLiteral("gridSizeBox"), QStringLiteral("264"));
        QCOMPARE(window_->selectionFrame()->grid(), 8);
    }

    void documentSizeBoxesAndPresets()
    {
        type(QStringLiteral("documentWidthBox"), QStringLiteral("900"));
        QCOMPARE(window_->area().width, 900);
        QCOMPARE(window_->width(), 900 + 194);
        type(QStringLiteral("documentWidthBox"), QStringLiteral("901"));
        QCOMPARE(window_->area().width, 900);
        QCOMPARE(editor().box(QStringLiteral("documentWidthBox"))->palette().color(QPalette::Base),
                 LayoutEditor::kRefusedBox);
        QComboBox* presets = editor().documentSize();
        presets->setCurrentIndex(3);
        emit presets->activated(3);
        QCOMPARE(window_->size(), QSize(768 + 194, 576 + 66));
        QCOMPARE(editor().box(QStringLiteral("documentHeightBox"))->text(), QStringLiteral("576"));
    }

    void savedLayoutLoadsBackObjectByObject()
    {
        select(ObjectKind::Shape, 1);
        window_->selectionFrame()->Drag(GrabZone::BottomRight, 10, 5);
        window_->DropColor({HitTarget::What::Object, ObjectKind::Shape, 1}, MakeColor(255, 128, 0),
                           colorlist::DragSource::MainSwatch);
        window_->setPropertiesAsker([](const DocumentFields& fields) {
            DocumentFields mine = fields;
            mine.title = "Mine";
            mine.author = "Me";
            return std::optional<DocumentFields>(mine);
        });
        fake_.dialogs.paths.push_back(layouts() + QStringLiteral("Mine.sts"));
        QVERIFY(window_->SaveLayoutAs());
        // The save dialog offered the loaded layout's own file.
        QCOMPARE(fake_.dialogs.calls.last().what, QStringLiteral("saveFile"));
        QCOMPARE(fake_.dialogs.calls.last().folder, layouts() + QStringLiteral("Demo Layout 1.sts"));
        QVERIFY(!window_->layoutChanged());
        const TestArea saved = window_->area();
        QCOMPARE(window_->layoutList()->count(), 77);
        QCOMPARE(window_->layoutList()->currentItem()->text(), QStringLiteral("Mine.sts"));
        QFile list(window_->userLayoutsFile());
        QVERIFY(list.open(QIODevice::ReadOnly));
        QCOMPARE(list.readAll(), QByteArray("Mine.sts\r\n"));

        // Loaded again into an area of other colours and places.
        TestColorWindow other(fake_.platform(), dir_->path() + QStringLiteral("/"));
        QCOMPARE(other.layoutList()->count(), 77);
        other.SelectLayout(76);
        other.RestoreDefaultColors();
        QCOMPARE(other.areaTitle(), QStringLiteral("Test Area - Mine"));
        QCOMPARE(other.currentLayout().fields.author, std::string("Me"));
        for (int n = 1; n <= kShapeCount; ++n)
            QCOMPARE(other.area().shapes[std::size_t(n - 1)], saved.shapes[std::size_t(n - 1)]);
        for (int n = 1; n <= kTextCount; ++n)
            QCOMPARE(other.area().texts[std::size_t(n - 1)], saved.texts[std::size_t(n - 1)]);
        QCOMPARE(other.area().images[0].fileValue, std::string("pics\\logo.png"));
        // The bottom-right drag by 10: g(30 + 10) - 3 for the frame, 7 more for the object.
        QCOMPARE(other.area().shapes[0].width, 32);
        QCOMPARE(other.area().shapes[0].fill, MakeColor(255, 128, 0));

        // A second layout joins the list's end; a save that fails says
        // why and leaves the list alone.
        fake_.dialogs.paths.push_back(layouts() + QStringLiteral("Second.sts"));
        QVERIFY(window_->SaveLayoutAs());
        const QString missing = layouts() + QStringLiteral("missing/Third.sts");
        fake_.dialogs.paths.push_back(missing);
        QVERIFY(!window_->SaveLayoutAs());
        QCOMPARE(fake_.dialogs.calls.last().what, QStringLiteral("error"));
        QCOMPARE(fake_.dialogs.calls.last().text,
                 QStringLiteral("Can not save the layout to %1:\nNo such file or directory").arg(missing));
        QFile longer(window_->userLayoutsFile());
        QVERIFY(longer.open(QIODevice::ReadOnly));
        QCOMPARE(longer.readAll(), QByteArray("Mine.sts\r\nSecond.sts\r\n"));
    }

    void quitAsksAboutChangesAndCancelStays()
    {
        select(ObjectKind::Shape, 1);
        window_->selectionFrame()->MoveBy(1, 0);
        fake_.dialogs.answers.push_back(Answer::Cancel);
        QVERIFY(!window_->QuitEditMode());
        QVERIFY(window_->editMode());
        fake_.dialogs.answers.push_back(Answer::No);
        QVERIFY(window_->QuitEditMode());
        QVERIFY(!window_->editMode());
        QCOMPARE(window_->currentPage(), 0);
        QVERIFY(window_->selectionFrame()->held().empty());
    }

    // Every way out of an edited layout asks as "Quit Editing Mode" does:
    // Cancel keeps the edit and takes the way back; No goes on unsaved.
    void everyWayOutAsksAndCancelKeepsTheEdit_data()
    {
        QTest::addColumn<QString>("way");
        for (const char* way :
             {"close button", "window manager close", "F7", "another layout", "Show Texts and Images", "New Layout"})
            QTest::newRow(way) << QString::fromLatin1(way);
    }

    void everyWayOutAsksAndCancelKeepsTheEdit()
    {
        QFETCH(QString, way);
        const auto leave = [&] {
            if (way == QStringLiteral("close button"))
                window_->closeByHand();
            else if (way == QStringLiteral("window manager close"))
                window_->close();
            else if (way == QStringLiteral("F7"))
                window_->Toggle();
            else if (way == QStringLiteral("another layout"))
                window_->SelectLayout(1);
            else if (way == QStringLiteral("Show Texts and Images"))
                window_->layoutsMenu()->findChild<QAction*>(QStringLiteral("showTextsAction"))->trigger();
            else
                window_->NewLayout();
        };
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        select(ObjectKind::Shape, 1);
        QTest::keyClick(window_->selectionFrame(), Qt::Key_Right);
        QCOMPARE(object(ObjectKind::Shape, 1).left, 17);

        fake_.dialogs.calls.clear();
        fake_.dialogs.answers.push_back(Answer::Cancel);
        leave();
        QCOMPARE(fake_.dialogs.calls.size(), 1);
        QCOMPARE(fake_.dialogs.calls[0].what, QStringLiteral("askYesNoCancel"));
        QCOMPARE(fake_.dialogs.calls[0].title, QStringLiteral("Save?"));
        QVERIFY(window_->editMode());
        QVERIFY(window_->isVisible());
        QCOMPARE(object(ObjectKind::Shape, 1).left, 17);
        QCOMPARE(window_->layoutList()->currentRow(), 0);
        QVERIFY(window_->showTexts());
        QVERIFY(window_->layoutsMenu()->findChild<QAction*>(QStringLiteral("showTextsAction"))->isChecked());
        QCOMPARE(window_->areaTitle(), QStringLiteral("Test Area - Start"));

        fake_.dialogs.answers.push_back(Answer::No);
        leave();
        QCOMPARE(fake_.dialogs.calls.size(), 2);
        QVERIFY(fake_.dialogs.paths.empty());
        if (way == QStringLiteral("New Layout")) {
            QCOMPARE(window_->areaTitle(), QStringLiteral("Test Area - New Layout"));
            return;
        }
        QVERIFY(!window_->editMode());
        if (way == QStringLiteral("another layout"))
            QCOMPARE(window_->layoutList()->currentRow(), 1);
        else if (way == QStringLiteral("Show Texts and Images"))
            QVERIFY(!window_->showTexts());
        else
            QVERIFY(!window_->isVisible());
    }

    void unchangedLayoutLeavesWithoutAQuestion()
    {
        window_->show();
        select(ObjectKind::Shape, 1);
        QTest::keyClick(window_->selectionFrame(), Qt::Key_Right);
        QTest::keyClick(window_->selectionFrame(), Qt::Key_Left);
        // A dropped colour is no change of the layout.
        window_->DropColor({HitTarget::What::Object, ObjectKind::Shape, 1}, MakeColor(1, 2, 3),
                           colorlist::DragSource::MainSwatch);
        QVERIFY(!window_->layoutChanged());
        window_->closeByHand();
        QVERIFY(fake_.dialogs.calls.isEmpty());
        QVERIFY(!window_->isVisible());
        QVERIFY(!window_->editMode());
    }

    void yesSavesFirstAndAnUnsavedLayoutStays()
    {
        window_->show();
        select(ObjectKind::Text, 7);
        QTest::keyClick(window_->selectionFrame(), Qt::Key_Down);
        window_->setPropertiesAsker([](const DocumentFields& fields) { return std::optional<DocumentFields>(fields); });
        // The save dialog cancelled: nothing saved, the window stays.
        fake_.dialogs.answers.push_back(Answer::Yes);
        fake_.dialogs.paths.push_back(std::nullopt);
        window_->closeByHand();
        QVERIFY(window_->isVisible());
        QVERIFY(window_->editMode());
        fake_.dialogs.answers.push_back(Answer::Yes);
        fake_.dialogs.paths.push_back(layouts() + QStringLiteral("Moved.sts"));
        window_->closeByHand();
        QVERIFY(!window_->isVisible());
        QVERIFY(!window_->editMode());
        QFile saved(layouts() + QStringLiteral("Moved.sts"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("\r\nt7.top=201\r\n"));
    }

    // The program hides its windows and shows them again (a minimise, a
    // screen grab): the layout being edited stays.
    void showingAgainWhileEditingKeepsTheEdit()
    {
        window_->show();
        select(ObjectKind::Shape, 1);
        QTest::keyClick(window_->selectionFrame(), Qt::Key_Right);
        window_->hide();
        window_->show();
        QVERIFY(window_->editMode());
        QCOMPARE(object(ObjectKind::Shape, 1).left, 17);
        QVERIFY(window_->layoutChanged());
    }

    void ctrlZAndCtrlYUndoAndRedoEditsButNoColours()
    {
        select(ObjectKind::Shape, 1);
        window_->selectionFrame()->MoveBy(5, 0);
        window_->selectionFrame()->MoveBy(0, 7);
        window_->DropColor({HitTarget::What::Object, ObjectKind::Shape, 1}, MakeColor(1, 2, 3),
                           colorlist::DragSource::MainSwatch);
        QTest::keyClick(window_->selectionFrame(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(object(ObjectKind::Shape, 1).top, 24);
        QCOMPARE(object(ObjectKind::Shape, 1).left, 21);
        QTest::keyClick(editor().box(QStringLiteral("leftBox")), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(object(ObjectKind::Shape, 1).left, 16);
        QCOMPARE(editor().box(QStringLiteral("leftBox"))->text(), QStringLiteral("16"));
        QCOMPARE(object(ObjectKind::Shape, 1).fill, MakeColor(1, 2, 3));
        QTest::keyClick(window_->selectionFrame(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(object(ObjectKind::Shape, 1).left, 21);
    }

    void newLayoutIsEmptyAndEditable()
    {
        select(ObjectKind::Text, 7);
        QCOMPARE(editor().box(QStringLiteral("textBox"))->text(), QStringLiteral("Hello"));
        // Showing text 7 clamped its size, a change left unsaved.
        fake_.dialogs.answers.push_back(Answer::No);
        QVERIFY(window_->QuitEditMode());
        window_->NewLayout();
        QVERIFY(window_->editMode());
        QCOMPARE(window_->areaTitle(), QStringLiteral("Test Area - New Layout"));
        QCOMPARE(window_->size(), QSize(619, 451));
        QVERIFY(object(ObjectKind::Shape, 10).visible);
        QCOMPARE(object(ObjectKind::Text, 3).text, std::string("Text3"));
        QCOMPARE(object(ObjectKind::Shape, 1).left, 16);
        // The boxes show the new layout's text 7, not the old one's.
        QCOMPARE(editor().box(QStringLiteral("textBox"))->text(), QStringLiteral("Text7"));
        QCOMPARE(editor().box(QStringLiteral("leftBox"))->text(), QString::number(object(ObjectKind::Text, 7).left));
        // Save As offers the new layout's title as its name.
        window_->setPropertiesAsker([](const DocumentFields& fields) { return std::optional<DocumentFields>(fields); });
        fake_.dialogs.paths.push_back(std::nullopt);
        QVERIFY(!window_->SaveLayoutAs());
        QCOMPARE(fake_.dialogs.calls.last().folder, layouts() + QStringLiteral("New Layout.sts"));
    }
};

QTEST_MAIN(LayoutEditorTest)
#include "layout_editor_test.moc"
