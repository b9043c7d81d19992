// The "Color Values" section on its own: the value edits' "+" and "-", and
// when a slider that had the focus counts as left.
#include "controls/trackbar_picker.h"
#include "workspace/color_values_panel.h"

#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

using namespace tessaro;
using namespace tessaro::workspace;
using controls::TrackBarPicker;

Q_DECLARE_METATYPE(tessaro::RgbTriple)
Q_DECLARE_METATYPE(tessaro::HslTriple)

class ColorValuesPanelTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QWidget> window_;
    ColorValuesPanel* panel_ = nullptr;
    QLineEdit* elsewhere_ = nullptr;  // another control of the same window

    template <typename T = QWidget>
    T* child(const char* name) const
    {
        T* widget = panel_->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no child %s", name);
        return widget;
    }
    void focusSlider(TrackBarPicker* slider)
    {
        slider->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(panel_->draggedSlider(), slider);
    }

private slots:
    void init()
    {
        qRegisterMetaType<RgbTriple>();
        qRegisterMetaType<HslTriple>();
        window_ = std::make_unique<QWidget>();
        panel_ = new ColorValuesPanel(window_.get());
        panel_->setGeometry(0, 0, 196, 148);
        elsewhere_ = new QLineEdit(window_.get());
        elsewhere_->setGeometry(0, 150, 100, 20);
        window_->resize(200, 180);
        MainColorState state;
        panel_->showState(state);
        window_->show();
        QApplication::setActiveWindow(window_.get());
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void cleanup() { window_.reset(); }

    // The stepped number is clamped before it is written back: "1000" does
    // not fit the three-character edit.
    void stepClampsBeforeWritingBack_data()
    {
        QTest::addColumn<QByteArray>("edit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("shown");
        QTest::newRow("red 999 +") << QByteArray("redEdit") << "999" << "+" << "255";
        QTest::newRow("blue 999 -") << QByteArray("blueEdit") << "999" << "-" << "255";
        QTest::newRow("hue 999 +") << QByteArray("hhhedit") << "999" << "+" << "359";
        QTest::newRow("saturation 999 +") << QByteArray("sssedit") << "999" << "+" << "100";
        QTest::newRow("lightness 0 -") << QByteArray("llledit") << "0" << "-" << "100";
        QTest::newRow("red 254 +") << QByteArray("redEdit") << "254" << "+" << "255";
    }
    void stepClampsBeforeWritingBack()
    {
        QFETCH(QByteArray, edit);
        QFETCH(QString, typed);
        QFETCH(QString, key);
        QFETCH(QString, shown);
        QSignalSpy rgb(panel_, &ColorValuesPanel::rgbEntered);
        QSignalSpy hsl(panel_, &ColorValuesPanel::hslEntered);
        auto* line = child<QLineEdit>(edit.constData());
        line->setFocus();
        line->selectAll();
        QTest::keyClicks(line, typed + key);
        QCOMPARE(line->text(), shown);
        QCOMPARE(rgb.count() + hsl.count(), 1);
        const QList<QVariant> applied = rgb.isEmpty() ? hsl.constFirst() : rgb.constFirst();
        if (edit == "redEdit")
            QCOMPARE(int(applied.constFirst().value<RgbTriple>().red), shown.toInt());
        else if (edit == "hhhedit")
            QCOMPARE(applied.constFirst().value<HslTriple>().hue, shown.toInt());
    }

    // Opening a menu or another window takes the keyboard for a moment; the
    // slider is left only when another control of its window takes it.
    void sliderIsLeftOnlyForAnotherControl()
    {
        auto* red = child<TrackBarPicker>("RBar1");
        QSignalSpy left(panel_, &ColorValuesPanel::sliderLeft);
        focusSlider(red);

        for (int i = 0; i < 2; ++i) {
            QMenu menu(window_.get());
            menu.addAction(QStringLiteral("Random Color"));
            menu.popup(window_->mapToGlobal(QPoint(10, 10)));
            // The slider sees the focus go to the menu and come back; what
            // the menu does meanwhile moves it too.
            QVERIFY(QTest::qWaitForWindowExposed(&menu));
            MainColorState changed;
            changed.mainColor = MakeColor(std::uint8_t(100 + i), 0, 0);
            panel_->showState(changed);
            QCOMPARE(red->selectedColor(), changed.mainColor);
            menu.close();
            QTRY_VERIFY(!menu.isVisible());
        }
        QCOMPARE(left.count(), 0);
        QCOMPARE(panel_->draggedSlider(), red);

        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(left.count(), 0);
        QApplication::setActiveWindow(window_.get());
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QCOMPARE(left.count(), 0);

        elsewhere_->setFocus(Qt::MouseFocusReason);
        QTRY_COMPARE(left.count(), 1);
        QCOMPARE(panel_->draggedSlider(), nullptr);
    }
};

QTEST_MAIN(ColorValuesPanelTest)
#include "color_values_panel_test.moc"
