// With the program's face (ProgramFont), every text of the main window and
// the History window fits the fixed place it was laid out for: each label
// of one line within its width, word-wrapped labels within their height,
// and the page of extended values one line per value.
#include "colorlist/history_window.h"
#include "layouts/test_color_window.h"
#include "platform/qt_fonts.h"
#include "support/fake_platform.h"
#include "workspace/color_values_panel.h"
#include "workspace/hint_texts.h"
#include "state/main_color.h"
#include "workspace/main_window.h"
#include "workspace/program_session.h"
#include "workspace/one_line_label.h"

#include <QFontInfo>
#include <QDir>
#include <QComboBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessaro;
using namespace tessaro::workspace;

class TextFitTest : public QObject {
    Q_OBJECT

private:
    platform::FakePlatform fake_;
    QTemporaryDir dir_;
    std::unique_ptr<ProgramSession> session_;

    MainWindow* window() const { return session_->mainWindow(); }
    colorlist::HistoryWindow* history() const { return session_->historyWindow(); }

    // Every visible label of a window fits its rectangle.
    static void verifyLabelsFit(QWidget* window)
    {
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->text().isEmpty() || qobject_cast<OneLineLabel*>(label))
                continue;
            const QString name = label->objectName().isEmpty() ? label->text() : label->objectName();
            const QRect room = label->contentsRect();
            if (label->wordWrap()) {
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(name));
            } else {
                const QFontMetrics metrics(label->font());
                for (const QString& line : label->text().split(QChar::LineSeparator)) {
                    QVERIFY2(metrics.horizontalAdvance(line) <= room.width(), qPrintable(name + ": " + line));
                }
                QVERIFY2(metrics.height() * int(label->text().count(QChar::LineSeparator) + 1) <= room.height() + 2,
                         qPrintable(name));
            }
        }
    }

private slots:
    void initTestCase()
    {
        QApplication::setFont(platform::ProgramFont());
        QVERIFY(dir_.isValid());
    }
    void init()
    {
        QDir(dir_.path()).mkpath(QStringLiteral("TD"));
        const QString app = dir_.path() + QLatin1Char('/');
        session_ = std::make_unique<ProgramSession>(
            fake_.platform(), DataFolders{app, app + QStringLiteral("TD/"), app + QStringLiteral("CLLs/")},
            QStringLiteral("kt-tessaro"));
        session_->Start();
        // Laid out and styled as on the screen.
        history()->show();
        QVERIFY(QTest::qWaitForWindowExposed(window()));
        QVERIFY(QTest::qWaitForWindowExposed(history()));
    }
    void cleanup() { session_.reset(); }

    void theProgramFaceIsTheMetricCompatibleOne()
    {
        const QFontInfo face(platform::ProgramFont());
        if (face.family() != QStringLiteral("Liberation Sans"))
            QSKIP("Liberation Sans is not installed (fonts-liberation)");
        QCOMPARE(face.pointSize(), 8);
    }

    // The longest hints: every value three digits, the websafe note.
    void hintsKeepTheirValueLine_data()
    {
        QTest::addColumn<QString>("hint");
        const TColor white = MakeColor(255, 255, 255);
        QTest::newRow("derived swatch") << hints::DerivedSwatchHint(MakeColor(255, 204, 153));
        QTest::newRow("main swatch, websafe") << hints::MainSwatchHint(white, true);
        QTest::newRow("value edits") << hints::kValueEdit;
    }
    void hintsKeepTheirValueLine()
    {
        QFETCH(QString, hint);
        window()->ShowHint(hint);
        auto* line = window()->findChild<QLabel*>(QStringLiteral("hintLBL"));
        QVERIFY(line);
        QVERIFY2(line->heightForWidth(line->width()) <= line->height(),
                 qPrintable(QString::number(line->heightForWidth(line->width()))));
    }

    void everyLabelFits()
    {
        session_->mainColor()->set(MakeColor(255, 255, 255));
        verifyLabelsFit(window());
        window()->colorValues()->showPage(2);
        verifyLabelsFit(window());
        verifyLabelsFit(history());
    }

    // The five values of page 2 stay on their own lines; the whole text is
    // kept (and shown as the tool tip) where the line is cut.
    // The Test Color window's fixed status texts stay whole on the status
    // line of the narrowest (425-pixel) layout, and the layout editor's
    // document sizes in their box.
    void testColorTextsFit()
    {
        layouts::TestColorWindow* testColor = session_->testColorWindow();
        auto* status = testColor->findChild<QLabel*>(QStringLiteral("statusText"));
        QVERIFY(status);
        const QFontMetrics metrics(status->font());
        for (const QString& text : {layouts::TestColorWindow::kStartStatus, layouts::TestColorWindow::kWindowStatus,
                                    layouts::TestColorWindow::kSchemeListStatus})
            QVERIFY2(metrics.horizontalAdvance(text) <= status->contentsRect().width(), qPrintable(text));

        // The layout editor's document sizes show whole in their closed box.
        auto* sizes = testColor->findChild<QComboBox*>(QStringLiteral("documentSizeChoice"));
        QVERIFY(sizes);
        QStyleOptionComboBox option;
        option.initFrom(sizes);
        option.rect = QRect(QPoint(), sizes->size());
        const int room =
            sizes->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, sizes).width();
        const QFontMetrics sizeMetrics(sizes->font());
        for (int i = 0; i < sizes->count(); ++i)
            QVERIFY2(sizeMetrics.horizontalAdvance(sizes->itemText(i)) <= room, qPrintable(sizes->itemText(i)));
    }

    void extendedValuesOneLineEach()
    {
        session_->mainColor()->set(MakeColor(1, 2, 3));
        const char* const names[] = {"XYZLabel", "LabLabel", "HunterLabLabel", "CMYLabel", "CMYKLabel"};
        QRect previous;
        for (const char* name : names) {
            auto* label = window()->findChild<OneLineLabel*>(QString::fromLatin1(name));
            QVERIFY2(label, name);
            QVERIFY(!label->wordWrap());
            QVERIFY2(!label->geometry().intersects(previous), name);
            previous = label->geometry();
            QVERIFY(label->text().startsWith(label->shownText().chopped(1)));
            QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->shownText()) <= label->contentsRect().width());
        }
    }
};

QTEST_MAIN(TextFitTest)
#include "text_fit_test.moc"
