// Build tool: the manual's screenshots, made by rendering the program's
// windows offscreen, so the pictures always show the program as it is.
//   tessaro-manual-shots OUTDIR
// Starts a whole session over a temporary data folder that holds what a
// designer's copy would (a colour list, a history, remembered list files,
// saved schemes), shows every registered window in turn and saves it as
// OUTDIR/<window name>.png; then the pictures of the windows inside them:
// the colour list, the Test Color window's menu, views, editor pages and
// dialogs, and the Web Preview's menu.
#include "colorlist/color_list_panel.h"
#include "layouts/color_scheme.h"
#include "layouts/layout_editor.h"
#include "layouts/test_color_window.h"
#include "platform/qt_platform.h"
#include "tools/eye_dropper_window.h"
#include "tools/import_window.h"
#include "tools/mixer_window.h"
#include "webpreview/web_preview_window.h"
#include "workspace/main_window.h"
#include "workspace/program_session.h"

#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QCursor>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

using tessaro::TColor;

// The colours the pictures show: a small brand palette.
const char* const kPalette[] = {"#22364F", "#2F4A6A", "#7FD46E", "#B4E3A9", "#E0B030",
                                "#D46E7F", "#F4F7FB", "#24303C"};
// The main colours chosen one after the other, oldest first.
const char* const kHistory[] = {"#D46E7F", "#E0B030", "#2F4A6A", "#22364F", "#B4E3A9", "#6FC45E", "#7FD46E"};

bool WriteText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// Two saved schemes beside the program: the test layouts' parts in the
// palette's colours, and in warm colours.
bool WriteSchemes(const QString& appDir)
{
    using tessaro::MakeColor;
    const TColor cool[] = {MakeColor(0x22, 0x36, 0x4F), MakeColor(0x2F, 0x4A, 0x6A), MakeColor(0x7F, 0xD4, 0x6E),
                           MakeColor(0xB4, 0xE3, 0xA9), MakeColor(0xF4, 0xF7, 0xFB)};
    const TColor warm[] = {MakeColor(0x6B, 0x2D, 0x1F), MakeColor(0xC8, 0x55, 0x3D), MakeColor(0xF2, 0x8F, 0x3B),
                           MakeColor(0xFF, 0xD5, 0xC2), MakeColor(0xFF, 0xF4, 0xEC)};
    for (const auto& [name, colors] : {std::pair{"Harbour", cool}, std::pair{"Terracotta", warm}}) {
        tessaro::layouts::ColorScheme scheme;
        for (std::size_t i = 0; i < scheme.shapeFills.size(); ++i)
            scheme.shapeFills[i] = colors[i % 4];
        for (std::size_t i = 0; i < scheme.textColors.size(); ++i)
            scheme.textColors[i] = i % 2 == 0 ? colors[0] : colors[4];
        scheme.background = colors[4];
        if (!tessaro::layouts::WriteColorScheme((appDir + QLatin1String(name) + QStringLiteral(".shm")).toStdString(),
                                                scheme))
            return false;
    }
    return true;
}

// Copies the files of folder `from` into folder `to`, subfolders too.
bool CopyFolder(const QString& from, const QString& to)
{
    QDir source(from);
    if (!QDir().mkpath(to))
        return false;
    for (const QFileInfo& entry : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + entry.fileName();
        if (entry.isDir() ? !CopyFolder(entry.filePath(), target) : !QFile::copy(entry.filePath(), target))
            return false;
    }
    return true;
}

// The data folder of a copy in use: the program's own data files (the
// build lays them beside this tool), settings, the default colour list
// with the palette, a history of main colours that ends on the palette's
// green, the remembered list files and the saved schemes.
bool SeedDataFolder(const QString& programFolder, const QString& appDir)
{
    for (const char* folder : {"TD", "TLs", "CWSs"})
        if (!CopyFolder(programFolder + QLatin1String(folder), appDir + QLatin1String(folder)))
            return false;
    for (const char* folder : {"CLLs", "help"})
        QDir(appDir).mkpath(QLatin1String(folder));
    if (!QFile::copy(programFolder + QStringLiteral("Sample 1.cls"), appDir + QStringLiteral("Sample 1.cls")))
        return false;
    QByteArray list;
    for (const char* color : kPalette)
        list += QByteArray(color) + "\r\n";
    QByteArray history;
    for (const char* color : kHistory) {
        const QColor c = QColor::fromString(QLatin1String(color));
        history += QStringLiteral("%1,%2,%3 - %4\r\n")
                       .arg(c.red())
                       .arg(c.green())
                       .arg(c.blue())
                       .arg(QLatin1String(color))
                       .toLatin1();
    }
    // Lists remembered from a designer's own folder.
    QByteArray reopen;
    for (const char* name : {"Harbour Brand.cll", "Autumn Catalogue.cll", "Web Shop.cll", "Spring 2027.cll"})
        reopen += QByteArray("/home/anna/") + name + "\r\n";
    return WriteText(appDir + QStringLiteral("TD/set.set"), "program=tessaro\r\nfirstrun=0\r\nshowtext=1\r\n") &&
           WriteText(appDir + QStringLiteral("CLLs/default.cll"), list) &&
           WriteText(appDir + QStringLiteral("TD/history.cl2"), history) &&
           WriteText(appDir + QStringLiteral("TD/colorlist.cl1"), reopen) && WriteSchemes(appDir);
}

class Shots {
public:
    explicit Shots(QString folder) : folder_(std::move(folder)) {}

    int failures() const { return failures_; }

    void save(const QString& name, QWidget* widget)
    {
        QApplication::processEvents();
        if (!widget || !widget->grab().save(folder_ + name + QStringLiteral(".png"), "PNG")) {
            std::fprintf(stderr, "tessaro-manual-shots: %s not saved\n", qPrintable(name));
            ++failures_;
        }
    }

    // A window shown for its picture and hidden again.
    void saveShown(const QString& name, QWidget* window)
    {
        window->show();
        save(name, window);
        window->hide();
    }

    // A menu popped up at its owner's corner for its picture.
    void saveMenu(const QString& name, QMenu* menu, QWidget* owner)
    {
        menu->popup(owner->mapToGlobal(QPoint(owner->width() / 2, 40)));
        save(name, menu);
        menu->hide();
    }

    // Runs `open`, which shows a modal dialog, and saves that dialog's
    // picture before it is dismissed.
    void saveDialog(const QString& name, const std::function<void()>& open)
    {
        bool seen = false;
        QTimer::singleShot(0, [this, name, &seen] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            seen = true;
            save(name, dialog);
            if (auto* box = qobject_cast<QDialog*>(dialog))
                box->reject();
            else
                dialog->close();
        });
        open();
        if (!seen) {
            std::fprintf(stderr, "tessaro-manual-shots: no dialog for %s\n", qPrintable(name));
            ++failures_;
        }
    }

private:
    QString folder_;
    int failures_ = 0;
};

// The Test Color window's pictures beyond its own: its menu, the layout
// in a colour-vision view and under a saved scheme, the contrast report,
// the editor's two pages, Text Edit and Document Properties.
// The eye dropper over a desktop that shows the main window, the pointer
// on the colour list's green.
void SaveEyeDropperShot(Shots& shots, tessaro::tools::EyeDropperWindow& dropper, QWidget* desktop)
{
    tessaro::platform::DesktopPicture picture;
    picture.image = desktop->grab().toImage();
    picture.geometry = QRect(QPoint(0, 0), desktop->size());
    dropper.ShowPicture(picture);
    dropper.setPanelPosition(QPoint(16, 200));
    QCursor::setPos(344, 160);
    dropper.Tick();
    shots.save(QStringLiteral("eyedropper"), &dropper);
    dropper.Close();
}

const QString kSampleLayout = QStringLiteral("Member Card.sts");

void SaveTestColorShots(Shots& shots, tessaro::layouts::TestColorWindow& window)
{
    using namespace tessaro::layouts;
    window.show();
    const QList<QListWidgetItem*> sample = window.layoutList()->findItems(kSampleLayout, Qt::MatchExactly);
    if (!sample.isEmpty())
        window.SelectLayout(window.layoutList()->row(sample.first()));
    if (window.schemeList()->count() > 0)
        window.ApplyScheme(0);
    shots.save(QStringLiteral("testcolor"), &window);
    shots.saveMenu(QStringLiteral("testcolor-menu"), window.layoutsMenu(), &window);
    shots.saveDialog(QStringLiteral("contrastreport"), [&window] { window.ShowContrastReport(); });
    window.setVision(tessaro::ColorVision::Deuteranopia);
    shots.save(QStringLiteral("testcolor-viewas"), &window);
    window.setVision(tessaro::ColorVision::Normal);

    window.EnterEditMode();
    // The first text the layout shows.
    for (const LayoutObject& text : window.area().texts)
        if (text.visible) {
            window.editor()->Select({ObjectKind::Text, text.number});
            break;
        }
    shots.save(QStringLiteral("layouteditor"), &window);
    shots.saveDialog(QStringLiteral("textedit"), [&window] { window.EditCurrentText(); });
    window.editor()->snapToGrid()->setChecked(true);
    if (auto* advanced = window.findChild<QPushButton*>(QStringLiteral("advancedButton")))
        advanced->click();
    shots.save(QStringLiteral("layouteditor-advanced"), &window);
    shots.saveDialog(QStringLiteral("documentproperties"), [&window] { window.SaveLayoutAs(); });
    window.hide();
}

} // namespace

int main(int argc, char** argv)
{
    // Offscreen and nothing of the user's desktop touched.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    // The program's own face, as the running program shows it.
    QApplication::setFont(tessaro::platform::ProgramFont());
    if (QApplication::arguments().size() != 2 || !home.isValid()) {
        std::fprintf(stderr, "usage: tessaro-manual-shots OUTDIR\n");
        return 2;
    }
    const QString out = QApplication::arguments().at(1) + QLatin1Char('/');
    QDir().mkpath(out);

    QTemporaryDir data;
    const QString appDir = data.path() + QLatin1Char('/');
    if (!SeedDataFolder(QApplication::applicationDirPath() + QLatin1Char('/'), appDir)) {
        std::fprintf(stderr, "tessaro-manual-shots: the data folder could not be made\n");
        return 1;
    }

    tessaro::platform::QtPlatform qtPlatform;
    tessaro::workspace::ProgramSession session(
        qtPlatform.platform(), {appDir, appDir + QStringLiteral("TD/"), appDir + QStringLiteral("CLLs/")},
        QStringLiteral("kt-tessaro"));
    session.Start();
    Shots shots(out);
    // Found colours in the Import Colors window, as after a scan of a
    // style sheet.
    tessaro::tools::ImportWindow* import = session.importWindow();
    import->ScanText(QStringLiteral("body { color: #24303C; background: #F4F7FB; }\n"
                                    "a { color: #2F4A6A; } a:hover { color: #7FD46E; }\n"
                                    ".warning { background: #E0B030; } .error { color: #D46E7F; }\n"));
    while (import->isScanning())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QApplication::processEvents();

    // Tool windows are built on their first use: asking the registry for
    // each by name builds it.
    tessaro::workspace::WindowRegistry& windows = session.windows();
    QStringList names;
    for (const tessaro::workspace::WindowEntry& entry : windows.entries())
        names.append(entry.name);
    // The mixer with three of the palette's colours in its slots.
    tessaro::tools::MixerWindow* mixer = session.mixerWindow();
    mixer->setSlotColor(0, tessaro::MakeColor(0x7F, 0xD4, 0x6E));
    mixer->setSlotColor(1, tessaro::MakeColor(0x22, 0x36, 0x4F));
    mixer->setSlotColor(2, tessaro::MakeColor(0xE0, 0xB0, 0x30));
    mixer->setAmount(2, 20);
    mixer->setAmount(3, 0);
    for (const QString& name : names) {
        QWidget* window = windows.window(name);
        if (!window || !window->isWindow() || name == QStringLiteral("testcolor") ||
            name == QStringLiteral("eyedropper"))
            continue;
        if (window == session.mainWindow()) {
            shots.save(name, window);
            continue;
        }
        // Shown the way its command shows it, which fills it.
        windows.show(name);
        shots.save(name, window);
        window->hide();
    }
    SaveEyeDropperShot(shots, *session.eyeDropper(), session.mainWindow());
    shots.save(QStringLiteral("colorlist"), session.mainWindow()->colorListPanel());
    shots.saveMenu(QStringLiteral("colorlist-menu"), session.mainWindow()->colorListPanel()->menu(),
                   session.mainWindow()->colorListPanel());
    tessaro::webpreview::WebPreviewWindow* web = session.webPreviewWindow();
    web->show();
    shots.saveMenu(QStringLiteral("webpreview-menu"), web->menu(), web);
    web->hide();
    SaveTestColorShots(shots, *session.testColorWindow());
    session.mainWindow()->setEnding();
    return shots.failures() == 0 ? 0 : 1;
}
