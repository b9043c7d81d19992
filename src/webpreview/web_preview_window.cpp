#include "webpreview/web_preview_window.h"

#include "colorlist/color_list_commands.h"
#include "colorlist/color_mime.h"
#include "controls/swatch.h"
#include "engine/color_text.h"
#include "engine/conversion_error.h"
#include "platform/qt_color.h"
#include "platform/replace_file.h"
#include "webpreview/web_fonts.h"
#include "webpreview/web_layout_file.h"
#include "webpreview/web_page_colors.h"
#include "webpreview/web_page_contrast.h"
#include "webpreview/web_page_drops.h"
#include "webpreview/web_page_html.h"
#include "webpreview/web_page_view.h"

#include <QActionGroup>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QIcon>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryFile>

namespace tessaro::webpreview {

namespace {

const QString kCaption = QStringLiteral("KT Tessaro");
const platform::FileFilter kLayoutFilter{QStringLiteral("KT Tessaro Simple Web Page Test Layout (*.cls)"),
                                         QStringLiteral("*.cls")};
const platform::FileFilter kHtmlFilter{QStringLiteral("HTML Document (*.htm)"), QStringLiteral("*.htm")};

// Where the page and the controls under it lie.
constexpr int kMargin = 7;
constexpr int kPageTop = 23;
constexpr int kControlsTop = kPageTop + WebPageView::kHeight + 4;
constexpr int kRowHeight = 21;
// Far beyond any layout file: nine strings and a few numbers.
constexpr qint64 kLargestLayoutFile = 16 * 1024 * 1024;


// Reads the layout file at `path` into `layout`; problems are reported
// over `parent`. True when the file was read whole.
bool ReadLayoutFile(const platform::Platform& platform, QWidget* parent, const QString& path, WebPageLayout& layout)
{
    // Only regular files are read (not folders, devices or pipes), and no
    // more of them than a layout could ever need.
    const QFileInfo info(path);
    QFile file(path);
    QString problem;
    if (info.exists() && !info.isFile())
        problem = QStringLiteral("Not a file");
    else if (info.size() > kLargestLayoutFile)
        problem = QStringLiteral("The file is too large for a layout");
    else if (!file.open(QIODevice::ReadOnly))
        problem = file.errorString();
    if (!problem.isEmpty()) {
        platform.dialogs->error(parent, kCaption, QStringLiteral("Can not open %1:\n%2").arg(path, problem));
        return false;
    }
    const QByteArray bytes = file.readAll();
    std::vector<WebLayoutNote> notes;
    bool whole = true;
    try {
        ApplyWebLayoutFile(std::string_view(bytes.constData(), std::size_t(bytes.size())), layout, &notes);
    } catch (const ConversionError& error) {
        platform.dialogs->error(parent, kCaption, QString::fromStdString(error.what()));
        whole = false;
    }
    if (!notes.empty()) {
        QStringList lines;
        for (const WebLayoutNote& note : notes)
            lines << QString::fromStdString(DescribeNote(note));
        platform.dialogs->notify(parent, kCaption,
                                QStringLiteral("Sizes larger than the page were held to it:\n") + lines.join('\n'));
    }
    return whole;
}

} // namespace

WebPreviewWindow::WebPreviewWindow(const platform::Platform& platform, colorlist::ColorListCommands& list,
                                   std::function<void()> raiseMainWindow, QWidget* parent)
    : controls::ToolWindow(platform, QStringLiteral("Web Preview"), QSize(kWidth, kHeight), kTitleHeight, Qt::Tool,
                           parent),
      list_(list),
      raiseMainWindow_(std::move(raiseMainWindow)),
      page_(new WebPageView(layout_, this)),
      menu_(new QMenu(this))
{
    setObjectName(QStringLiteral("TForm9"));
    setWindowTitle(QStringLiteral("Simple Web Page Test"));
    setAcceptDrops(true);
    page_->move(kMargin, kPageTop);
    connect(page_, &WebPageView::layoutChanged, this, &WebPreviewWindow::layoutChanged);
    connect(page_, &WebPageView::stringRequested, this, &WebPreviewWindow::askForString);
    connect(page_, &WebPageView::fontRequested, this, &WebPreviewWindow::askForFont);
    buildMenu();
    buildControls();
    chooseEntry(QStringLiteral("Border Color"));
}

void WebPreviewWindow::buildMenu()
{
    menu_->setObjectName(QStringLiteral("SWPTsubPM"));
    menu_->addAction(QStringLiteral("Save As..."), this, &WebPreviewWindow::SaveAs);
    menu_->addAction(QStringLiteral("Load..."), this, &WebPreviewWindow::Load);
    menu_->addAction(QStringLiteral("Export as HTML..."), this, &WebPreviewWindow::ExportHtml);
    menu_->addSeparator();
    menu_->addAction(QStringLiteral("Add All Colors to Color List"), this, &WebPreviewWindow::AddAllColors);
    menu_->addSeparator();
    menu_->addAction(QStringLiteral("Open in Browser"), this, &WebPreviewWindow::OpenInBrowser);
    menu_->addAction(QStringLiteral("Contrast Report"), this, &WebPreviewWindow::ContrastReport);
    contrastFixes_ = menu_->addMenu(QStringLiteral("Contrast Fixes"));
    contrastFixes_->setObjectName(QStringLiteral("contrastFixesMenu"));
    connect(contrastFixes_, &QMenu::aboutToShow, this, [this] {
        contrastFixes_->clear();
        const std::vector<webpreview::WebContrastFix> fixes = webpreview::ContrastFixes(layout_);
        for (const webpreview::WebContrastFix& fix : fixes) {
            const QString hex = QString::fromStdString(HashHexText(fix.suggested));
            QPixmap swatch(12, 12);
            swatch.fill(QColor::fromRgb(ToQRgb(fix.suggested)));
            contrastFixes_->addAction(QIcon(swatch),
                                      QStringLiteral("%1: use %2").arg(QString::fromStdString(TextName(fix.text)), hex),
                                      this, [this, fix] { ApplyContrastFix(fix); });
        }
        if (fixes.empty())
            contrastFixes_->addAction(QStringLiteral("Every text passes AA"))->setEnabled(false);
    });
    QMenu* viewAs = menu_->addMenu(QStringLiteral("View as"));
    viewAs->setObjectName(QStringLiteral("viewAsMenu"));
    visionGroup_ = new QActionGroup(this);
    for (ColorVision vision : kColorVisions) {
        QString name = QString::fromUtf8(ColorVisionName(vision).data(), qsizetype(ColorVisionName(vision).size()));
        name[0] = name[0].toUpper();
        QAction* action = viewAs->addAction(name, this, [this, vision] { page_->setVision(vision); });
        action->setCheckable(true);
        action->setChecked(vision == ColorVision::Normal);
        visionGroup_->addAction(action);
    }
    menu_->addSeparator();
    menu_->addAction(QStringLiteral("Close"), this, &WebPreviewWindow::hide);
    addMenuButton(QStringLiteral("webMenuButton"), menu_);
    addCloseButton();
}

void WebPreviewWindow::buildControls()
{
    colorsCaption_ = new QLabel(QStringLiteral("Colors:"), this);
    colorsCaption_->setObjectName(QStringLiteral("Label1"));
    colorsCaption_->setGeometry(kMargin, kControlsTop, 60, 16);
    colorsCaption_->setAcceptDrops(true);
    colorsCaption_->installEventFilter(this);

    chooser_ = new QComboBox(this);
    chooser_->setObjectName(QStringLiteral("RenkCB"));
    chooser_->setEditable(true);
    chooser_->setInsertPolicy(QComboBox::NoInsert);
    for (const ColorChooserEntry& entry : kColorChooserEntries)
        chooser_->addItem(QString::fromLatin1(entry.label));
    chooser_->setGeometry(kMargin, kControlsTop + 16, 170, kRowHeight);
    connect(chooser_, &QComboBox::textActivated, this, &WebPreviewWindow::chooseEntry);

    chooserSwatch_ = new controls::Swatch(controls::Swatch::Shape::Square, this);
    chooserSwatch_->setObjectName(QStringLiteral("renkSHP"));
    chooserSwatch_->setGeometry(kMargin, kControlsTop + 16 + kRowHeight + 3, 24, 24);
    chooserSwatch_->setDropTarget(colorlist::DropTarget::WebArea);
    connect(chooserSwatch_, &controls::Swatch::colorDropped, this,
            [this](TColor color, colorlist::DragSource) { dropOnChooserSwatch(color); });

    const int buttonsLeft = kMargin + 170 + 12;
    const int buttonWidth = (kWidth - kMargin - buttonsLeft - 6) / 2;
    auto button = [this](const char* name, const QString& text, QRect place, void (WebPreviewWindow::*command)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(place);
        connect(b, &QPushButton::clicked, this, command);
    };
    button("saveButton", QStringLiteral("Save As..."), QRect(buttonsLeft, kControlsTop + 16, buttonWidth, 23),
           &WebPreviewWindow::SaveAs);
    button("loadButton", QStringLiteral("Load..."),
           QRect(buttonsLeft + buttonWidth + 6, kControlsTop + 16, buttonWidth, 23), &WebPreviewWindow::Load);
    button("exportButton", QStringLiteral("Export as HTML..."),
           QRect(buttonsLeft, kControlsTop + 16 + kRowHeight + 3, 2 * buttonWidth + 6, 23),
           &WebPreviewWindow::ExportHtml);
}

void WebPreviewWindow::layoutChanged()
{
    page_->refresh();
    if (const auto color = ChooserColor(layout_, chooser_->currentText().toStdString()))
        chooserSwatch_->setColor(*color);
}

void WebPreviewWindow::LoadAtStart(const QString& lastLayout, const QString& sampleLayout)
{
    Restore(LoadStartLayout(platform(), this, lastLayout, sampleLayout));
}

void WebPreviewWindow::Restore(const StartLayout& start)
{
    layout_ = start.layout;
    lastLayout_ = start.lastLayout;
    layoutChanged();
    chooser_->setCurrentText(QStringLiteral("Border Color"));
    chooseEntry(QStringLiteral("Border Color"));
}

StartLayout LoadStartLayout(const platform::Platform& platform, QWidget* parent, const QString& lastLayout,
                            const QString& sampleLayout)
{
    StartLayout start;
    if (!lastLayout.isEmpty()) {
        // Kept as the last layout even while its file is gone.
        start.lastLayout = lastLayout;
        if (QFileInfo(lastLayout).isFile())
            ReadLayoutFile(platform, parent, lastLayout, start.layout);
    } else if (!sampleLayout.isEmpty() && QFileInfo(sampleLayout).isFile()) {
        // The sample is shown, not remembered: only the commands set the
        // last layout.
        ReadLayoutFile(platform, parent, sampleLayout, start.layout);
    }
    return start;
}

void WebPreviewWindow::chooseEntry(const QString& label)
{
    if (const auto color = ChooserColor(layout_, label.toStdString()))
        chooserSwatch_->setColor(*color);
}

void WebPreviewWindow::dropOnChooserSwatch(TColor color)
{
    chooserSwatch_->setColor(color);
    if (SetChooserColor(layout_, chooser_->currentText().toStdString(), color))
        page_->refresh();
}

void WebPreviewWindow::askForString(WebText text)
{
    const auto string = platform().dialogs->inputText(this, QStringLiteral("Type New String"),
                                                      QStringLiteral("Type New String"), QString());
    if (!string || !layout_.SetTextString(text, string->toStdString()))
        return;
    page_->refresh();
}

void WebPreviewWindow::askForFont(WebText text)
{
    const WebPageText& current = layout_.Text(text);
    const auto choice = platform().dialogs->chooseFont(this, ToFontChoice(current));
    if (!choice)
        return;
    layout_.SetTextFont(text, FromFontChoice(*choice, current.font.charset));
    layout_.SetTextColor(text, FromQColor(choice->color));
    layoutChanged();
}

bool WebPreviewWindow::LoadLayoutFile(const QString& path)
{
    const bool whole = ReadLayoutFile(platform(), this, path, layout_);
    layoutChanged();
    if (whole)
        lastLayout_ = path;
    return whole;
}

bool WebPreviewWindow::writeWhole(const QString& path, const std::string& bytes)
{
    int error = 0;
    if (ReplaceFileBytes(QFile::encodeName(path).toStdString(), bytes, &error))
        return true;
    platform().dialogs->error(this, kCaption,
                              QStringLiteral("Can not write %1:\n%2").arg(path, QString::fromLocal8Bit(ReplaceErrorText(error))));
    return false;
}

bool WebPreviewWindow::SaveLayoutFile(const QString& path)
{
    if (!writeWhole(path, WriteWebLayoutFile(layout_)))
        return false;
    lastLayout_ = path;
    return true;
}

bool WebPreviewWindow::ExportHtmlFile(const QString& path)
{
    return writeWhole(path, WriteWebPageHtml(layout_));
}

void WebPreviewWindow::SaveAs()
{
    const QString folder = lastLayout_.isEmpty() ? QString() : QFileInfo(lastLayout_).absolutePath();
    if (const auto path = platform().dialogs->saveFile(this, QStringLiteral("Save As"), {kLayoutFilter},
                                                       QStringLiteral("cls"), folder))
        SaveLayoutFile(*path);
}

void WebPreviewWindow::Load()
{
    const QString folder = lastLayout_.isEmpty() ? QString() : QFileInfo(lastLayout_).absolutePath();
    if (const auto path = platform().dialogs->openFile(this, QStringLiteral("Load"), {kLayoutFilter}, folder))
        LoadLayoutFile(*path);
}

void WebPreviewWindow::ExportHtml()
{
    // The page is built before the question, as it stands now.
    const std::string html = WriteWebPageHtml(layout_);
    if (const auto path = platform().dialogs->saveFile(this, QStringLiteral("Export as HTML"), {kHtmlFilter},
                                                       QStringLiteral("htm"), QString()))
        writeWhole(*path, html);
}

void WebPreviewWindow::AddAllColors()
{
    const std::vector<TColor> colors = ColorsForColorList(layout_);
    list_.AddColors(colors, colorlist::Placement::AtEnd, false);
    if (raiseMainWindow_)
        raiseMainWindow_();
}

void WebPreviewWindow::OpenInBrowser()
{
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/kt-tessaro-web-XXXXXX.htm"));
    // The browser reads the file after this returns, so it stays.
    file.setAutoRemove(false);
    const std::string html = WriteWebPageHtml(layout_);
    if (!file.open() || file.write(html.data(), qint64(html.size())) != qint64(html.size()) || !file.flush()) {
        platform().dialogs->error(this, kCaption, QStringLiteral("Can not write %1:\n%2").arg(file.fileName(), file.errorString()));
        file.remove();
        return;
    }
    const QString path = file.fileName();
    file.close();
    if (!platform().shell->openDocument(path))
        platform().dialogs->error(this, kCaption,
                                  QStringLiteral("The page could not be opened: this desktop has no program set to "
                                                 "open web pages.\nThe page is the file %1")
                                      .arg(path));
}

void WebPreviewWindow::ContrastReport()
{
    QStringList lines;
    for (const std::string& line : webpreview::ContrastReport(layout_))
        lines << QString::fromStdString(line);
    platform().dialogs->notify(this, QStringLiteral("Contrast Report"), lines.join('\n'));
}

void WebPreviewWindow::ApplyContrastFix(const webpreview::WebContrastFix& fix)
{
    // As dropped from a text of the page, which every text takes.
    if (DropOnSpot(layout_, TextSpot(fix.text), fix.suggested, colorlist::DragSource::WebText))
        layoutChanged();
}

void WebPreviewWindow::Open()
{
    platform().windows->showToolWindow(this);
    activateWindow();
}

void WebPreviewWindow::titleDoubleClicked()
{
    ToggleRollUp();
    // Rolled down, the window takes its full height, a little more than
    // the height it opens with.
    if (isRolledUp())
        setRestoredHeight(kUnrolledHeight);
}

bool WebPreviewWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == colorsCaption_) {
        if (event->type() == QEvent::DragEnter) {
            raise();
            auto* enter = static_cast<QDragEnterEvent*>(event);
            if (colorlist::CanDecodeColorMime(*enter->mimeData()))
                enter->acceptProposedAction();
            return true;
        }
        if (event->type() == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            if (const auto dropped = colorlist::DecodeColorMime(*drop->mimeData())) {
                drop->acceptProposedAction();
                if (DropOnSpot(layout_, kBackgroundSpot, dropped->color, dropped->source))
                    page_->refresh();
            }
            return true;
        }
    }
    return ToolWindow::eventFilter(watched, event);
}

void WebPreviewWindow::dragEnterEvent(QDragEnterEvent* event)
{
    // Anything dragged over the window brings it to the front.
    raise();
    event->ignore();
}

} // namespace tessaro::webpreview
