// The gradient slider pickers: geometry, mouse, keys, change notifications,
// hint and painting.
#include "controls/color_pickers.h"
#include "controls/picker_math.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>

#include <array>
#include <memory>

using namespace tessaro;
using namespace tessaro::controls;
using Picker = TrackBarPicker;
using Components = std::array<int, 3>;

Q_DECLARE_METATYPE(Components)
Q_DECLARE_METATYPE(Qt::KeyboardModifiers)

namespace {

QString Rgb(TColor c)
{
    return QStringLiteral("(%1,%2,%3)").arg(RedOf(c)).arg(GreenOf(c)).arg(BlueOf(c));
}

QString Rgb(QColor c)
{
    return QStringLiteral("(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

// Pickers by the letter the main window's slider names use (RBar1 .. LBar1).
std::unique_ptr<Picker> MakePicker(const QString& kind)
{
    if (kind == "R") return std::make_unique<RColorPicker>();
    if (kind == "G") return std::make_unique<GColorPicker>();
    if (kind == "B") return std::make_unique<BColorPicker>();
    if (kind == "H") return std::make_unique<HColorPicker>();
    if (kind == "S") return std::make_unique<SColorPicker>();
    if (kind == "L") return std::make_unique<LColorPicker>();
    qFatal("unknown picker kind");
}

// A picker as the main window has them: horizontal, 135 x 16, new arrow.
std::unique_ptr<Picker> MakeSlider(const QString& kind, bool vertical = false)
{
    auto picker = MakePicker(kind);
    picker->setOrientation(vertical ? Picker::Orientation::Vertical : Picker::Orientation::Horizontal);
    picker->setNewArrowStyle(true);
    picker->resize(vertical ? QSize(16, 135) : QSize(135, 16));
    return picker;
}

// The three components a picker holds, in its own order: R, G, B; H, S, V;
// or H, S, L.
Components ComponentsOf(const Picker& picker)
{
    if (auto* rgb = dynamic_cast<const RgbComponentPicker*>(&picker))
        return {rgb->red(), rgb->green(), rgb->blue()};
    if (auto* hsv = dynamic_cast<const HsvComponentPicker*>(&picker))
        return {hsv->hue(), hsv->saturation(), hsv->hsvValue()};
    auto& hsl = dynamic_cast<const LColorPicker&>(picker);
    return {hsl.hue(), hsl.saturation(), hsl.luminance()};
}

void SetComponent(Picker& picker, int index, int v)
{
    using Setter = void (*)(Picker&, int);
    static const Setter rgb[] = {
        [](Picker& p, int x) { dynamic_cast<RgbComponentPicker&>(p).setRed(x); },
        [](Picker& p, int x) { dynamic_cast<RgbComponentPicker&>(p).setGreen(x); },
        [](Picker& p, int x) { dynamic_cast<RgbComponentPicker&>(p).setBlue(x); }};
    static const Setter hsv[] = {
        [](Picker& p, int x) { dynamic_cast<HsvComponentPicker&>(p).setHue(x); },
        [](Picker& p, int x) { dynamic_cast<HsvComponentPicker&>(p).setSaturation(x); },
        [](Picker& p, int x) { dynamic_cast<HsvComponentPicker&>(p).setHsvValue(x); }};
    static const Setter hsl[] = {
        [](Picker& p, int x) { dynamic_cast<LColorPicker&>(p).setHue(x); },
        [](Picker& p, int x) { dynamic_cast<LColorPicker&>(p).setSaturation(x); },
        [](Picker& p, int x) { dynamic_cast<LColorPicker&>(p).setLuminance(x); }};
    if (dynamic_cast<RgbComponentPicker*>(&picker))
        rgb[index](picker, v);
    else if (dynamic_cast<HsvComponentPicker*>(&picker))
        hsv[index](picker, v);
    else
        hsl[index](picker, v);
}

void SendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Shows the picker in an active window so that focus changes are delivered.
bool ShowActive(QWidget* widget)
{
    widget->show();
    widget->activateWindow();
    return QTest::qWaitForWindowActive(widget);
}

} // namespace

class PickerTest : public QObject {
    Q_OBJECT

private slots:
    void defaults_data();
    void defaults();
    void gradientRect_data();
    void gradientRect();
    void arrowPosition_data();
    void arrowPosition();
    void mousePress_data();
    void mousePress();
    void mouseDrag();
    void pressFocusesFirst();
    void keys_data();
    void keys();
    void selectedColor_data();
    void selectedColor();
    void changeSignals_data();
    void changeSignals();
    void gradientStrip_data();
    void gradientStrip();
    void painted_data();
    void painted();
    void paintedGradientFollowsEveryChange_data();
    void paintedGradientFollowsEveryChange();
    void hintText_data();
    void hintText();
    void hintFollowsMouse_data();
    void hintFollowsMouse();
};

// ---- widgets ----

void PickerTest::defaults_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QString>("hintFormat");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<Components>("components");
    QTest::newRow("R") << "R" << true << "Red: %r" << 255 << Components{0, 0, 0};
    QTest::newRow("G") << "G" << true << "Green: %g" << 255 << Components{0, 0, 0};
    QTest::newRow("B") << "B" << true << "Blue: %b" << 255 << Components{0, 0, 0};
    QTest::newRow("H") << "H" << false << "Hue: %h" << 360 << Components{0, 255, 255};
    QTest::newRow("S") << "S" << false << "Saturation: %s" << 255 << Components{0, 255, 255};
    QTest::newRow("L") << "L" << true << "Luminance: %l" << 240 << Components{0, 240, 120};
}

void PickerTest::defaults()
{
    QFETCH(QString, kind);
    QFETCH(bool, vertical);
    QFETCH(QString, hintFormat);
    QFETCH(int, maximum);
    QFETCH(Components, components);
    auto picker = MakePicker(kind);
    QCOMPARE(picker->orientation() == Picker::Orientation::Vertical, vertical);
    QCOMPARE(picker->arrowPlacement(), Picker::ArrowPlacement::After);
    QCOMPARE(picker->newArrowStyle(), false);
    QCOMPARE(picker->selectionIndicator(), Picker::SelectionIndicator::Arrows);
    QCOMPARE(picker->increment(), 1);
    QCOMPARE(picker->webSafe(), false);
    QCOMPARE(picker->hintFormat(), hintFormat);
    QCOMPARE(picker->minimum(), 0);
    QCOMPARE(picker->maximum(), maximum);
    QCOMPARE(ComponentsOf(*picker), components);
}

void PickerTest::gradientRect_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<bool>("newStyle");
    QTest::addColumn<Picker::ArrowPlacement>("placement");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("rect");
    using P = Picker::ArrowPlacement;
    QTest::newRow("main window slider") << false << true << P::After << QSize(135, 16) << QRect(8, 0, 119, 5);
    QTest::newRow("old arrow") << false << false << P::After << QSize(135, 16) << QRect(6, 0, 123, 6);
    QTest::newRow("arrow before") << false << true << P::Before << QSize(135, 30) << QRect(8, 11, 119, 19);
    QTest::newRow("arrows on both sides") << false << true << P::Both << QSize(135, 30) << QRect(8, 11, 119, 8);
    QTest::newRow("vertical") << true << true << P::After << QSize(16, 135) << QRect(0, 8, 5, 119);
    QTest::newRow("vertical, old arrow before") << true << false << P::Before << QSize(22, 135) << QRect(10, 6, 12, 123);
    QTest::newRow("too small for both arrows") << false << true << P::Both << QSize(135, 16) << QRect(8, 11, 119, 0);
}

void PickerTest::gradientRect()
{
    QFETCH(bool, vertical);
    QFETCH(bool, newStyle);
    QFETCH(Picker::ArrowPlacement, placement);
    QFETCH(QSize, size);
    QFETCH(QRect, rect);
    auto picker = MakePicker("R");
    picker->setOrientation(vertical ? Picker::Orientation::Vertical : Picker::Orientation::Horizontal);
    picker->setNewArrowStyle(newStyle);
    picker->setArrowPlacement(placement);
    picker->resize(size);
    QCOMPARE(picker->gradientRect(), rect);
}

void PickerTest::arrowPosition_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("tip");
    QTest::newRow("red 0") << "R" << false << 0 << 0 << 8;
    QTest::newRow("red 128") << "R" << false << 128 << 62 << 70;
    QTest::newRow("red 255: tip stops at the gradient's end") << "R" << false << 255 << 123 << 127;
    QTest::newRow("hue 60") << "H" << false << 60 << 20 << 28;
    QTest::newRow("hue 360") << "H" << false << 360 << 123 << 127;
    QTest::newRow("luminance 120") << "L" << false << 120 << 62 << 70;
    QTest::newRow("vertical red 255 is at the top") << "R" << true << 255 << 0 << 8;
    QTest::newRow("vertical red 0 is at the bottom") << "R" << true << 0 << 123 << 127;
    QTest::newRow("vertical hue 0 is at the top") << "H" << true << 0 << 0 << 8;
    QTest::newRow("vertical hue 180") << "H" << true << 180 << 62 << 70;
}

void PickerTest::arrowPosition()
{
    QFETCH(QString, kind);
    QFETCH(bool, vertical);
    QFETCH(int, value);
    QFETCH(int, position);
    QFETCH(int, tip);
    auto picker = MakeSlider(kind, vertical);
    picker->setValue(value);
    QCOMPARE(picker->arrowPosition(), position);
    QCOMPARE(picker->arrowTip(), tip);
}

void PickerTest::mousePress_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<int>("at");
    QTest::addColumn<int>("value");
    QTest::newRow("red at the gradient's start") << "R" << false << 8 << 0;
    QTest::newRow("red left of the control") << "R" << false << -30 << 0;
    QTest::newRow("red 126") << "R" << false << 126 << 245;
    QTest::newRow("red 131") << "R" << false << 131 << 255;
    QTest::newRow("red beyond the control") << "R" << false << 400 << 255;
    QTest::newRow("hue 131") << "H" << false << 131 << 360;
    QTest::newRow("hue 67") << "H" << false << 67 << 173;
    QTest::newRow("luminance 131") << "L" << false << 131 << 240;
    QTest::newRow("vertical red top") << "R" << true << 8 << 255;
    QTest::newRow("vertical red 126") << "R" << true << 126 << 10;
    QTest::newRow("vertical red bottom") << "R" << true << 134 << 0;
    QTest::newRow("vertical hue top") << "H" << true << 8 << 0;
    QTest::newRow("vertical hue bottom") << "H" << true << 131 << 360;
}

void PickerTest::mousePress()
{
    QFETCH(QString, kind);
    QFETCH(bool, vertical);
    QFETCH(int, at);
    QFETCH(int, value);
    auto picker = MakeSlider(kind, vertical);
    picker->setValue(100);
    QSignalSpy changed(picker.get(), &Picker::changed);
    const QPoint pos = vertical ? QPoint(4, at) : QPoint(at, 4);
    SendMouse(picker.get(), QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(picker->value(), value);
    QCOMPARE(changed.count(), 1);
}

void PickerTest::mouseDrag()
{
    auto picker = MakeSlider("R");
    QList<int> seen;
    connect(picker.get(), &Picker::changed, picker.get(), [&] { seen << picker->value(); });
    auto* p = picker.get();
    SendMouse(p, QEvent::MouseButtonPress, {8, 3}, Qt::LeftButton, Qt::LeftButton);
    SendMouse(p, QEvent::MouseMove, {126, 3}, Qt::NoButton, Qt::LeftButton);
    SendMouse(p, QEvent::MouseMove, {126, 40}, Qt::NoButton, Qt::LeftButton);
    SendMouse(p, QEvent::MouseMove, {900, 3}, Qt::NoButton, Qt::LeftButton);
    SendMouse(p, QEvent::MouseButtonRelease, {70, 3}, Qt::LeftButton, Qt::NoButton);
    // Moving after the release, or with another button, sets nothing.
    SendMouse(p, QEvent::MouseMove, {20, 3}, Qt::NoButton, Qt::NoButton);
    SendMouse(p, QEvent::MouseButtonPress, {20, 3}, Qt::RightButton, Qt::RightButton);
    SendMouse(p, QEvent::MouseMove, {30, 3}, Qt::NoButton, Qt::RightButton);
    QCOMPARE(seen, (QList<int>{0, 245, 245, 255, 129}));
    QCOMPARE(picker->value(), 129);
}

void PickerTest::pressFocusesFirst()
{
    // The main window marks a slider as dragged when it gets the focus, so
    // the focus must arrive before the first change.
    QWidget window;
    auto* edit = new QLineEdit(&window);
    auto picker = MakeSlider("H");
    picker->setParent(&window);
    picker->move(0, 30);
    QVERIFY(ShowActive(&window));
    edit->setFocus();
    QVERIFY(edit->hasFocus());
    QStringList order;
    connect(picker.get(), &Picker::focusEntered, picker.get(), [&] { order << "focus"; });
    connect(picker.get(), &Picker::changed, picker.get(), [&] { order << QString::number(picker->value()); });
    SendMouse(picker.get(), QEvent::MouseButtonPress, {131, 3}, Qt::LeftButton, Qt::LeftButton);
    QVERIFY(picker->hasFocus());
    QCOMPARE(order, (QStringList{"focus", "360"}));
}

void PickerTest::keys_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<int>("increment");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("changes");
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    QTest::newRow("Right") << "R" << false << 1 << 100 << int(Qt::Key_Right) << none << 101 << 1;
    QTest::newRow("Left by increment") << "G" << false << 10 << 100 << int(Qt::Key_Left) << none << 90 << 1;
    QTest::newRow("Left stops at 0") << "B" << false << 10 << 4 << int(Qt::Key_Left) << none << 0 << 1;
    QTest::newRow("Right at the maximum still reports") << "R" << false << 1 << 255 << int(Qt::Key_Right) << none << 255 << 1;
    QTest::newRow("Ctrl+Right red") << "R" << false << 1 << 100 << int(Qt::Key_Right) << ctrl << 255 << 1;
    QTest::newRow("Ctrl+Right hue") << "H" << false << 1 << 100 << int(Qt::Key_Right) << ctrl << 360 << 1;
    QTest::newRow("Ctrl+Right saturation") << "S" << false << 1 << 100 << int(Qt::Key_Right) << ctrl << 255 << 1;
    QTest::newRow("Ctrl+Right luminance") << "L" << false << 1 << 100 << int(Qt::Key_Right) << ctrl << 240 << 1;
    QTest::newRow("Ctrl+Left") << "L" << false << 1 << 100 << int(Qt::Key_Left) << ctrl << 0 << 1;
    QTest::newRow("Up on a horizontal slider") << "R" << false << 1 << 100 << int(Qt::Key_Up) << none << 100 << 0;
    QTest::newRow("Ctrl+Down on a horizontal slider") << "H" << false << 1 << 100 << int(Qt::Key_Down) << ctrl << 100 << 0;
    QTest::newRow("a letter") << "R" << false << 1 << 100 << int(Qt::Key_A) << none << 100 << 0;
    QTest::newRow("vertical Up raises") << "R" << true << 1 << 100 << int(Qt::Key_Up) << none << 101 << 1;
    QTest::newRow("vertical Ctrl+Down") << "L" << true << 1 << 100 << int(Qt::Key_Down) << ctrl << 0 << 1;
    QTest::newRow("vertical Right does nothing") << "R" << true << 1 << 100 << int(Qt::Key_Right) << none << 100 << 0;
    QTest::newRow("vertical hue Up lowers") << "H" << true << 5 << 100 << int(Qt::Key_Up) << none << 95 << 1;
    QTest::newRow("vertical hue Ctrl+Up") << "H" << true << 1 << 100 << int(Qt::Key_Up) << ctrl << 0 << 1;
    QTest::newRow("vertical hue Ctrl+Down") << "H" << true << 1 << 100 << int(Qt::Key_Down) << ctrl << 360 << 1;
}

void PickerTest::keys()
{
    QFETCH(QString, kind);
    QFETCH(bool, vertical);
    QFETCH(int, increment);
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, value);
    QFETCH(int, changes);
    auto picker = MakeSlider(kind, vertical);
    picker->setIncrement(increment);
    picker->setValue(start);
    QSignalSpy changed(picker.get(), &Picker::changed);
    QSignalSpy keyDown(picker.get(), &Picker::keyDown);
    QTest::keyClick(picker.get(), Qt::Key(key), modifiers);
    QCOMPARE(picker->value(), value);
    QCOMPARE(changed.count(), changes);
    // The control reports its own key-downs (a held Ctrl arrives first).
    QVERIFY(!keyDown.isEmpty());
    QCOMPARE(keyDown.last().at(0).toInt(), key);
    QCOMPARE(keyDown.last().at(1).value<Qt::KeyboardModifiers>(), modifiers);
}

void PickerTest::selectedColor_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("webSafe");
    QTest::addColumn<TColor>("color");
    QTest::addColumn<Components>("components");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("hue of pure red") << "H" << false << MakeColor(255, 0, 0) << Components{0, 255, 255} << "(255,0,0)";
    QTest::newRow("saturation picker") << "S" << false << MakeColor(100, 200, 100) << Components{120, 128, 200} << "(100,200,100)";
    QTest::newRow("luminance of grey") << "L" << false << MakeColor(128, 128, 128) << Components{0, 0, 120} << "(128,128,128)";
    QTest::newRow("luminance round trip is lossy") << "L" << false << MakeColor(0, 0, 128) << Components{159, 240, 60} << "(0,1,128)";
    QTest::newRow("green picker") << "G" << false << MakeColor(1, 2, 3) << Components{1, 2, 3} << "(1,2,3)";
    QTest::newRow("red websafe") << "R" << true << MakeColor(200, 10, 130) << Components{204, 0, 153} << "(204,0,153)";
    QTest::newRow("blue websafe") << "B" << true << MakeColor(200, 10, 130) << Components{204, 0, 153} << "(204,0,153)";
    QTest::newRow("hue websafe reads back snapped") << "H" << true << MakeColor(200, 10, 130) << Components{315, 255, 204} << "(204,0,153)";
    QTest::newRow("high byte ignored") << "R" << false << (MakeColor(9, 8, 7) | 0x80000000u) << Components{9, 8, 7} << "(9,8,7)";
}

void PickerTest::selectedColor()
{
    QFETCH(QString, kind);
    QFETCH(bool, webSafe);
    QFETCH(TColor, color);
    QFETCH(Components, components);
    QFETCH(QString, readBack);
    auto picker = MakeSlider(kind);
    picker->setWebSafe(webSafe);
    picker->setSelectedColor(color);
    QCOMPARE(ComponentsOf(*picker), components);
    QCOMPARE(Rgb(picker->selectedColor()), readBack);
    QCOMPARE(picker->selectedColor() >> 24, 0u);
}

void PickerTest::changeSignals_data()
{
    // Each row starts from the picker holding (100, 150, 200) and makes one
    // call: component 0..2 is set through its own setter, 3 is setValue and
    // 4 is setSelectedColor.
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("what");
    QTest::addColumn<int>("argument");
    QTest::addColumn<int>("changes");
    QTest::addColumn<Components>("components");
    const TColor c = MakeColor(100, 150, 200);
    QTest::newRow("setValue changes") << "R" << 3 << 50 << 1 << Components{50, 150, 200};
    QTest::newRow("setValue same") << "R" << 3 << 100 << 0 << Components{100, 150, 200};
    QTest::newRow("setValue clamps") << "G" << 3 << 999 << 1 << Components{100, 255, 200};
    QTest::newRow("setValue below range") << "B" << 3 << -5 << 1 << Components{100, 150, 0};
    QTest::newRow("held component changes") << "R" << 1 << 20 << 1 << Components{100, 20, 200};
    QTest::newRow("held component same") << "R" << 2 << 200 << 0 << Components{100, 150, 200};
    QTest::newRow("held component clamped") << "L" << 1 << 999 << 1 << Components{139, 240, 141};
    QTest::newRow("held hue clamped to 360") << "S" << 0 << 999 << 1 << Components{360, 128, 200};
    QTest::newRow("held HSL hue clamped to 239") << "L" << 0 << 999 << 1 << Components{239, 114, 141};
    QTest::newRow("selected colour fires once") << "H" << 4 << int(MakeColor(255, 0, 0)) << 1 << Components{0, 255, 255};
    QTest::newRow("same selected colour fires too") << "R" << 4 << int(c) << 1 << Components{100, 150, 200};
}

void PickerTest::changeSignals()
{
    QFETCH(QString, kind);
    QFETCH(int, what);
    QFETCH(int, argument);
    QFETCH(int, changes);
    QFETCH(Components, components);
    auto picker = MakeSlider(kind);
    picker->setSelectedColor(MakeColor(100, 150, 200));
    QSignalSpy changed(picker.get(), &Picker::changed);
    if (what < 3)
        SetComponent(*picker, what, argument);
    else if (what == 3)
        picker->setValue(argument);
    else
        picker->setSelectedColor(TColor(argument));
    QCOMPARE(changed.count(), changes);
    QCOMPARE(ComponentsOf(*picker), components);
}

void PickerTest::gradientStrip_data()
{
    // The strip after selecting a colour (and optionally setting one held
    // component afterwards): its length and the colour of one step, counted
    // from the top for vertical strips.
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<bool>("webSafe");
    QTest::addColumn<TColor>("color");
    QTest::addColumn<int>("heldIndex");
    QTest::addColumn<int>("heldValue");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("pixel");
    QTest::addColumn<QString>("rgb");
    const TColor blueish = MakeColor(7, 40, 200);
    const TColor red = MakeColor(255, 0, 0);
    const TColor grey = MakeColor(128, 128, 128);
    QTest::newRow("red first") << "R" << false << false << blueish << -1 << 0 << 256 << 0 << "(0,40,200)";
    QTest::newRow("red last") << "R" << false << false << blueish << -1 << 0 << 256 << 255 << "(255,40,200)";
    QTest::newRow("red after held green changed") << "R" << false << false << blueish << 1 << 99 << 256 << 10 << "(10,99,200)";
    QTest::newRow("green websafe") << "G" << false << true << blueish << -1 << 0 << 256 << 100 << "(0,102,204)";
    QTest::newRow("vertical red: highest on top") << "R" << true << false << blueish << -1 << 0 << 256 << 0 << "(255,40,200)";
    QTest::newRow("vertical blue bottom") << "B" << true << false << blueish << -1 << 0 << 256 << 255 << "(7,40,0)";
    QTest::newRow("hue circle start") << "H" << false << false << red << -1 << 0 << 360 << 0 << "(255,0,0)";
    QTest::newRow("hue circle middle") << "H" << false << false << red << -1 << 0 << 360 << 180 << "(0,255,255)";
    QTest::newRow("hue circle end") << "H" << false << false << red << -1 << 0 << 360 << 359 << "(255,0,5)";
    QTest::newRow("hue at held value") << "H" << false << false << red << 2 << 128 << 360 << 90 << "(64,128,0)";
    QTest::newRow("vertical hue grows downward") << "H" << true << false << red << -1 << 0 << 360 << 0 << "(255,0,0)";
    QTest::newRow("saturation grey end") << "S" << false << false << MakeColor(100, 200, 100) << -1 << 0 << 255 << 0 << "(200,200,200)";
    QTest::newRow("saturation ends at 254") << "S" << false << false << MakeColor(100, 200, 100) << -1 << 0 << 255 << 254 << "(1,200,1)";
    QTest::newRow("luminance of grey starts black") << "L" << false << false << grey << -1 << 0 << 240 << 0 << "(0,0,0)";
    QTest::newRow("luminance of grey ends near white") << "L" << false << false << grey << -1 << 0 << 240 << 239 << "(254,254,254)";
    QTest::newRow("luminance of red middle") << "L" << false << false << red << -1 << 0 << 240 << 120 << "(255,0,0)";
    QTest::newRow("vertical luminance top") << "L" << true << false << grey << -1 << 0 << 240 << 0 << "(254,254,254)";
}

void PickerTest::gradientStrip()
{
    QFETCH(QString, kind);
    QFETCH(bool, vertical);
    QFETCH(bool, webSafe);
    QFETCH(TColor, color);
    QFETCH(int, heldIndex);
    QFETCH(int, heldValue);
    QFETCH(int, steps);
    QFETCH(int, pixel);
    QFETCH(QString, rgb);
    auto picker = MakeSlider(kind, vertical);
    // The strip is built before each change, so every change must rebuild it.
    (void)picker->gradientStrip();
    picker->setSelectedColor(color);
    (void)picker->gradientStrip();
    picker->setWebSafe(webSafe);
    (void)picker->gradientStrip();
    if (heldIndex >= 0)
        SetComponent(*picker, heldIndex, heldValue);
    const QImage strip = picker->gradientStrip();
    QCOMPARE(vertical ? strip.height() : strip.width(), steps);
    QCOMPARE(vertical ? strip.width() : strip.height(), 12);
    const QPoint at = vertical ? QPoint(5, pixel) : QPoint(pixel, 5);
    QCOMPARE(Rgb(strip.pixelColor(at)), rgb);
}

void PickerTest::painted_data()
{
    // A main window slider (135 x 16, new arrow) painted and grabbed.
    QTest::addColumn<QString>("kind");
    QTest::addColumn<TColor>("color");
    QTest::addColumn<bool>("newStyle");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("rgb");
    const TColor red = MakeColor(255, 0, 0);
    QTest::newRow("gradient start") << "H" << red << true << QPoint(8, 2) << "(255,0,0)";
    QTest::newRow("gradient inside") << "H" << red << true << QPoint(38, 4) << "(124,255,0)";
    QTest::newRow("gradient end") << "H" << red << true << QPoint(126, 0) << "(255,0,5)";
    QTest::newRow("luminance end") << "L" << MakeColor(128, 128, 128) << true << QPoint(126, 2) << "(254,254,254)";
    QTest::newRow("below the gradient") << "H" << red << true << QPoint(60, 5) << "(240,240,240)";
    QTest::newRow("arrow tip outlined") << "H" << red << true << QPoint(8, 7) << "(160,160,160)";
    QTest::newRow("arrow filled with the window colour") << "H" << red << true << QPoint(8, 12) << "(240,240,240)";
    QTest::newRow("arrow base outlined") << "H" << red << true << QPoint(4, 15) << "(160,160,160)";
    QTest::newRow("beside the arrow") << "H" << red << true << QPoint(30, 12) << "(240,240,240)";
    QTest::newRow("old arrow, no focus: grey") << "H" << red << false << QPoint(6, 12) << "(128,128,128)";
    QTest::newRow("old arrow gradient is taller") << "H" << red << false << QPoint(6, 5) << "(255,0,0)";
}

void PickerTest::painted()
{
    QFETCH(QString, kind);
    QFETCH(TColor, color);
    QFETCH(bool, newStyle);
    QFETCH(QPoint, at);
    QFETCH(QString, rgb);
    auto picker = MakeSlider(kind);
    picker->setNewArrowStyle(newStyle);
    QPalette palette = picker->palette();
    palette.setColor(QPalette::Window, QColor(240, 240, 240));
    palette.setColor(QPalette::Dark, QColor(160, 160, 160));
    picker->setPalette(palette);
    picker->setSelectedColor(color);
    const QImage image = picker->grab().toImage();
    QCOMPARE(image.size(), QSize(135, 16));
    QCOMPARE(Rgb(image.pixelColor(at)), rgb);
}

void PickerTest::paintedGradientFollowsEveryChange_data()
{
    // Each row paints the picker once, makes one change and paints again;
    // the second picture's gradient must be the strip stretched afresh.
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QString>("change");
    QTest::newRow("red, held green") << "R" << false << "held";
    QTest::newRow("red, value only") << "R" << false << "value";
    QTest::newRow("vertical blue, selected colour") << "B" << true << "color";
    QTest::newRow("hue, websafe") << "H" << false << "websafe";
    QTest::newRow("vertical hue, held value") << "H" << true << "held";
    QTest::newRow("saturation, wider") << "S" << false << "resize";
    QTest::newRow("vertical luminance, taller") << "L" << true << "resize";
    QTest::newRow("luminance turned vertical") << "L" << false << "orientation";
}

void PickerTest::paintedGradientFollowsEveryChange()
{
    QFETCH(QString, kind);
    QFETCH(bool, vertical);
    QFETCH(QString, change);
    auto picker = MakeSlider(kind, vertical);
    picker->setSelectedColor(MakeColor(200, 10, 130));
    (void)picker->grab();
    if (change == "held")
        SetComponent(*picker, kind == "R" ? 1 : 2, 99);
    else if (change == "value")
        picker->setValue(17);
    else if (change == "color")
        picker->setSelectedColor(MakeColor(7, 40, 200));
    else if (change == "websafe")
        picker->setWebSafe(true);
    else if (change == "resize")
        picker->resize(vertical ? QSize(16, 300) : QSize(300, 16));
    else
        picker->setOrientation(Picker::Orientation::Vertical);
    if (change == "orientation")
        picker->resize(135, 135);

    const QImage image = picker->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage strip = picker->gradientStrip();
    const QRect g = picker->gradientRect();
    const bool alongX = picker->orientation() == Picker::Orientation::Horizontal;
    const int length = alongX ? g.width() : g.height();
    const int steps = alongX ? strip.width() : strip.height();
    QVERIFY(length > 1);
    for (int y = g.top(); y <= g.bottom(); ++y)
        for (int x = g.left(); x <= g.right(); ++x) {
            const int along = alongX ? x - g.left() : y - g.top();
            const int step = StripStepOfPixel(along, length, steps);
            const QRgb expected = alongX ? strip.pixel(step, 0) : strip.pixel(0, step);
            if (image.pixel(x, y) != expected)
                QFAIL(qPrintable(QStringLiteral("pixel (%1,%2) is %3, expected %4")
                                     .arg(x).arg(y).arg(Rgb(QColor(image.pixel(x, y)))).arg(Rgb(QColor(expected)))));
        }
}

void PickerTest::hintText_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("text");
    QTest::newRow("red") << "R" << 245 << QString() << "Red: 245";
    QTest::newRow("green") << "G" << 0 << QString() << "Green: 0";
    QTest::newRow("blue") << "B" << 255 << QString() << "Blue: 255";
    QTest::newRow("hue") << "H" << 360 << QString() << "Hue: 360";
    QTest::newRow("saturation") << "S" << 17 << QString() << "Saturation: 17";
    QTest::newRow("luminance clamped") << "L" << 999 << QString() << "Luminance: 240";
    QTest::newRow("every placeholder") << "R" << 5 << "%r of %r" << "5 of 5";
    QTest::newRow("another picker's placeholder stays") << "H" << 5 << "%r %h" << "%r 5";
}

void PickerTest::hintText()
{
    QFETCH(QString, kind);
    QFETCH(int, value);
    QFETCH(QString, format);
    QFETCH(QString, text);
    auto picker = MakeSlider(kind);
    if (!format.isNull())
        picker->setHintFormat(format);
    picker->setValue(value);
    QCOMPARE(picker->hintText(), text);
}

void PickerTest::hintFollowsMouse_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QPoint>("mouse");
    // Where the hint's top-left corner is, relative to the control.
    QTest::addColumn<QPoint>("hintAt");
    QTest::newRow("horizontal: 2 below, 8 before the mouse") << false << QPoint(60, 4) << QPoint(52, 18);
    QTest::newRow("vertical: 2 right, 8 above the mouse") << true << QPoint(4, 60) << QPoint(18, 52);
}

void PickerTest::hintFollowsMouse()
{
    QFETCH(bool, vertical);
    QFETCH(QPoint, mouse);
    QFETCH(QPoint, hintAt);
    auto picker = MakeSlider("R", vertical);
    QVERIFY(ShowActive(picker.get()));
    picker->setFocus();
    QVERIFY(picker->hasFocus());
    picker->setValue(77);
    SendMouse(picker.get(), QEvent::MouseMove, mouse, Qt::NoButton, Qt::NoButton);
    auto* hint = qobject_cast<QLabel*>(picker->hintWindow());
    QVERIFY(hint);
    QVERIFY(hint->isVisible());
    QCOMPARE(hint->text(), "Red: 77");
    QCOMPARE(hint->pos(), picker->mapToGlobal(hintAt));
    // The hint never takes the focus from the slider.
    QVERIFY(picker->hasFocus());
    // It follows the mouse and the value.
    const QPoint step = vertical ? QPoint(0, 10) : QPoint(10, 0);
    QTest::keyClick(picker.get(), vertical ? Qt::Key_Up : Qt::Key_Right);
    SendMouse(picker.get(), QEvent::MouseMove, mouse + step, Qt::NoButton, Qt::NoButton);
    QCOMPARE(hint->text(), "Red: 78");
    QCOMPARE(hint->pos(), picker->mapToGlobal(hintAt + step));
    picker->setShowHint(false);
    QVERIFY(!hint->isVisible());
}

QTEST_MAIN(PickerTest)
#include "picker_test.moc"
