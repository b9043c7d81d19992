// With the program's face (ProgramFont), every text of the main window and
// the History window fits the fixed place it was laid out for: each label
// of one line within its width, word-wrapped labels within their height,
// and the page of extended values one line per value.
#include "colorlist/history_window.h"
#include "platform/qt_fonts.h"
#include "support/fake_platform.h"
#include "workspace/color_values_panel.h"
#include "workspace/hint_texts.h"
#include "workspace/main_window.h"
#include "workspace/one_line_label.h"

#include <QFontInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessaro;
using namespace tessaro::workspace;

class TextFitTest : public QObject {
    Q_OBJECT

private:
    platform::FakePlatform fake_;
    QTemporaryDir dataDir_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<colorlist::HistoryWindow> history_;

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
        QVERIFY(dataDir_.isValid());
    }
    void init()
    {
        window_ = std::make_unique<MainWindow>(fake_.platform(), dataDir_.path() + QLatin1Char('/'));
        colorlist::HistoryHooks hooks;
        hooks.mainWindowGeometry = [this] { return window_->frameGeometry(); };
        history_ = std::make_unique<colorlist::HistoryWindow>(fake_.platform(), hooks);
        window_->setHistory(history_.get());
        // Laid out and styled as on the screen.
        window_->show();
        history_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        QVERIFY(QTest::qWaitForWindowExposed(history_.get()));
    }
    void cleanup()
    {
        window_.reset();
        history_.reset();
    }

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
        window_->ShowHint(hint);
        auto* line = window_->findChild<QLabel*>(QStringLiteral("hintLBL"));
        QVERIFY(line);
        QVERIFY2(line->heightForWidth(line->width()) <= line->height(),
                 qPrintable(QString::number(line->heightForWidth(line->width()))));
    }

    void everyLabelFits()
    {
        window_->SetMainColor(MakeColor(255, 255, 255));
        verifyLabelsFit(window_.get());
        window_->colorValues()->showPage(2);
        verifyLabelsFit(window_.get());
        verifyLabelsFit(history_.get());
    }

    // The five values of page 2 stay on their own lines; the whole text is
    // kept (and shown as the tool tip) where the line is cut.
    void extendedValuesOneLineEach()
    {
        window_->SetMainColor(MakeColor(1, 2, 3));
        const char* const names[] = {"XYZLabel", "LabLabel", "HunterLabLabel", "CMYLabel", "CMYKLabel"};
        QRect previous;
        for (const char* name : names) {
            auto* label = window_->findChild<OneLineLabel*>(QString::fromLatin1(name));
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
