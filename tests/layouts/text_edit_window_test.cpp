// The Text Edit window: opening from an object, the preview and the backup,
// OK and Cancel, the placeholder texts and the size choice.
#include "layouts/text_edit_window.h"
#include "support/fake_platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QtTest>

using namespace tessaro;
using namespace tessaro::layouts;

class TextEditWindowTest : public QObject {
    Q_OBJECT

private:
    platform::FakePlatform fake_;
    std::unique_ptr<TextEditWindow> window_;
    LayoutObject text_;
    int changes_ = 0;

    void open(LayoutObject& object) { window_->Open(object, [this] { ++changes_; }); }

private slots:
    void init()
    {
        fake_.dialogs.calls.clear();
        window_ = std::make_unique<TextEditWindow>(fake_.platform());
        text_ = InitialTestArea().texts[0];
        text_.text = "Hello";
        text_.textColor = 0x0000FF;
        changes_ = 0;
    }

    void opensWithTheObjectsValues()
    {
        text_.fontSize = 15;
        text_.bold = true;
        open(text_);
        QCOMPARE(window_->minimumSize(), QSize(462, 317));
        QCOMPARE(window_->windowTitle(), QStringLiteral("Text Edit"));
        QCOMPARE(window_->faceChoice()->currentText(), QStringLiteral("Tahoma"));
        QCOMPARE(window_->sizeChoice()->currentIndex(), -1);
        QCOMPARE(window_->sizeChoice()->currentText(), QStringLiteral("15"));
        QVERIFY(window_->boldButton()->isChecked());
        QVERIFY(!window_->italicButton()->isChecked());
        QCOMPARE(window_->textBox()->toPlainText(), QStringLiteral("Hello"));
        QVERIFY(!window_->previewCheck()->isChecked());
    }

    void previewFollowsKeysAndClearingRestores()
    {
        open(text_);
        window_->previewCheck()->setChecked(true);
        window_->textBox()->moveCursor(QTextCursor::End);
        QTest::keyClicks(window_->textBox(), QStringLiteral(" there"));
        QCOMPARE(text_.text, std::string("Hello there"));
        window_->italicButton()->click();
        QVERIFY(text_.italic);
        window_->previewCheck()->setChecked(false);
        QCOMPARE(text_.text, std::string("Hello"));
        QVERIFY(!text_.italic);
        QVERIFY(changes_ > 0);
    }

    void cancelRestoresEverythingAndOkKeepsTheColour()
    {
        open(text_);
        window_->previewCheck()->setChecked(true);
        window_->textBox()->setPlainText(QStringLiteral("Changed"));
        window_->PreviewText();
        text_.textColor = 0x00FF00;  // changed behind the window's back
        window_->CancelEditing();
        QCOMPARE(text_.text, std::string("Hello"));
        QCOMPARE(text_.textColor, TColor(0x0000FF));

        open(text_);
        window_->textBox()->setPlainText(QStringLiteral("Applied"));
        window_->ApplyText();
        QCOMPARE(text_.text, std::string("Applied"));
        QCOMPARE(text_.textColor, TColor(0x0000FF));
        QCOMPARE(window_->result(), int(QDialog::Accepted));
    }

    void enterInTheTextBoxPressesOk()
    {
        open(text_);
        window_->textBox()->setPlainText(QStringLiteral("One line"));
        QTest::keyClick(window_->textBox(), Qt::Key_Return);
        QCOMPARE(text_.text, std::string("One line"));
        QCOMPARE(window_->result(), int(QDialog::Accepted));
    }

    void dummyTextStartsOnANewLine()
    {
        LayoutObject empty = text_;
        empty.text.clear();
        open(empty);
        window_->InsertDummyText(1);
        QCOMPARE(window_->textBox()->toPlainText(), QString::fromLatin1(TextEditWindow::kDummyTexts[1]));
        open(text_);
        window_->InsertDummyText(1);
        QCOMPARE(window_->textBox()->toPlainText(),
                 QStringLiteral("Hello\n") + QString::fromLatin1(TextEditWindow::kDummyTexts[1]));
        QVERIFY(QByteArray(TextEditWindow::kDummyTexts[0]).contains("ut  labore"));
    }

    // A layout may name a face this machine lacks: the box shows the name,
    // and OK keeps it through every other change, until an installed face
    // is chosen.
    void faceNotInstalledStaysUntilAnotherIsChosen()
    {
        text_.font = "Georgia";  // not among the installed faces
        open(text_);
        QCOMPARE(window_->faceChoice()->currentIndex(), -1);
        QCOMPARE(window_->faceChoice()->currentText(), QStringLiteral("Georgia"));
        window_->InsertDummyText(0);
        window_->ApplyText();
        QCOMPARE(text_.font, std::string("Georgia"));
        QVERIFY(text_.text.ends_with("magna aliq."));

        open(text_);
        window_->previewCheck()->setChecked(true);
        QLineEdit* size = window_->sizeChoice()->lineEdit();
        size->clear();
        QTest::keyClicks(size, QStringLiteral("12"));
        window_->boldButton()->click();
        QCOMPARE(text_.font, std::string("Georgia"));
        QCOMPARE(text_.fontSize, 12);
        QVERIFY(text_.bold);
        window_->ApplyText();
        QCOMPARE(text_.font, std::string("Georgia"));

        open(text_);
        const int verdana = window_->faceChoice()->findText(QStringLiteral("Verdana"));
        window_->faceChoice()->setCurrentIndex(verdana);
        emit window_->faceChoice()->activated(verdana);
        window_->ApplyText();
        QCOMPARE(text_.font, std::string("Verdana"));
        QCOMPARE(text_.fontSize, 12);
    }

    void badSizeIsReportedAndKept()
    {
        open(text_);
        QLineEdit* size = window_->sizeChoice()->lineEdit();
        size->clear();
        QTest::keyClicks(size, QStringLiteral("x"));
        QCOMPARE(fake_.dialogs.calls.last().text, QStringLiteral("'x' is not a valid integer value"));
    }

    void shapeOpensEmptyAndOkShowsNothing()
    {
        LayoutObject shape = InitialTestArea().shapes[0];
        const TColor fill = shape.fill;
        open(shape);
        QCOMPARE(window_->textBox()->toPlainText(), QString());
        window_->ApplyText();
        QCOMPARE(shape.fill, fill);
        QVERIFY(shape.text.empty());
    }
};

QTEST_MAIN(TextEditWindowTest)
#include "text_edit_window_test.moc"
