#include "export/copy_center_window.h"

#include "controls/shortcuts.h"
#include "engine/conversion_error.h"
#include "export/drawing_emf.h"
#include "export/drawing_image.h"
#include "export/drawing_svg.h"
#include "export/picture_clipboard.h"
#include "export/save_bytes.h"
#include "state/main_color.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QSlider>
#include <QStackedWidget>

namespace tessaro::exporting {

namespace {

constexpr int kPrefixPage = 6;
constexpr int kPreviewBarTop = 191;
constexpr int kPreviewTop = 208;
// Source and the buttons on the left, Format in the middle, Options right.
constexpr int kFormatLeft = 136;
constexpr int kFormatWidth = 150;
constexpr int kOptionsLeft = kFormatLeft + kFormatWidth + 6;
constexpr int kOptionsWidth = 315;

int PageOf(CenterFormat format)
{
    return std::min(int(format), kPrefixPage);
}

// The number typed in a box ("20x20" or "20"), when it is one of the box's
// values; `fallback` otherwise (a typed 0 or 100000 columns is refused).
template <std::size_t N>
int TypedNumber(const QString& text, const std::array<int, N>& allowed, int fallback)
{
    bool ok = false;
    const int value = text.trimmed().section(QLatin1Char('x'), 0, 0).toInt(&ok);
    return ok && std::find(allowed.begin(), allowed.end(), value) != allowed.end() ? value : fallback;
}

struct SaveKind {
    const char* filter;
    const char* pattern;
    const char* extension;
};

// The save dialog's filters for a text format.
SaveKind TextSaveKind(CenterFormat format)
{
    switch (format) {
    case CenterFormat::Css:
    case CenterFormat::CssVariables: return {"CSS File (*.css)", "*.css", "css"};
    case CenterFormat::Scss: return {"SCSS File (*.scss)", "*.scss", "scss"};
    case CenterFormat::Json: return {"JSON File (*.json)", "*.json", "json"};
    case CenterFormat::Tailwind: return {"JavaScript File (*.js)", "*.js", "js"};
    default: return {"Text File (*.txt)", "*.txt", "txt"};
    }
}

QByteArray EncodedImage(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

} // namespace

CopyCenterWindow::CopyCenterWindow(const platform::Platform& platform, CopySources sources,
                                   controls::CommandHandlers& commands, QWidget* parent)
    : controls::ToolWindow(platform, QStringLiteral("Copy/Export Center"), QSize(kWidth, kHeightWithoutPreview),
                           kTitleHeight, Qt::Tool, parent),
      sources_(std::move(sources))
{
    setObjectName(QStringLiteral("CopyCenterWindow"));
    setWindowModality(Qt::ApplicationModal);
    setBackgroundColor(QColor(0xEC, 0xEF, 0xF3));
    setFrameColor(QColor(0xB4, 0xBF, 0xCC));
    addCloseButton();
    buildLists();
    buildOptionPages();
    buildButtons();
    buildPreview();
    setRestoredHeight(kHeightWithoutPreview);

    // Esc and F5 close; Enter copies. The main window's other keys act here
    // too. A held key does not repeat: the F5 that opened the window does
    // not close it again.
    const auto addKey = [this](QKeySequence key, auto slot) {
        auto* action = new QAction(this);
        action->setShortcut(key);
        action->setAutoRepeat(false);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
    };
    addKey(QKeySequence(Qt::Key_Escape), &CopyCenterWindow::hide);
    addKey(QKeySequence(Qt::Key_F5), &CopyCenterWindow::hide);
    addKey(QKeySequence(Qt::Key_Return), &CopyCenterWindow::CopyNow);
    addKey(QKeySequence(Qt::Key_Enter), &CopyCenterWindow::CopyNow);
    // The boxes (Columns, Swatch Size, Name Prefix) hold text the user
    // types: there Ctrl+A selects, Ctrl+C copies, Ctrl+Z undoes as in
    // every text box.
    const qsizetype ownKeys = actions().size();
    controls::InstallShortcuts(this, controls::KeysOf(controls::KeyWindow::CopyCenter), commands,
                               controls::EditingKeys::TextBox);
    // A command run from here may change what the source collects (Ctrl+A
    // adds to the list, Ctrl+Z walks the history): the preview follows, so
    // it always shows what "Copy Now" copies.
    for (QAction* action : actions().mid(ownKeys))
        connect(action, &QAction::triggered, this, [this] {
            if (isVisible() && collect())
                render();
        });
    building_ = false;
}

void CopyCenterWindow::buildLists()
{
    const auto label = [this](const QString& text, int y) {
        auto* l = new QLabel(text, this);
        l->setGeometry(6, y, 120, 14);
    };
    label(QStringLiteral("Source"), 22);
    sourceList_ = new QListWidget(this);
    sourceList_->setObjectName(QStringLiteral("sourceList"));
    sourceList_->setGeometry(6, 36, 124, 64);
    sourceList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sourceList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const char* text : {"Main Color", "Color List", "Selected Colors", "Color Wheel"})
        sourceList_->addItem(QString::fromLatin1(text));
    sourceList_->setCurrentRow(0);
    connect(sourceList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            setSource(CenterSource(row));
    });

    auto* formatLabel = new QLabel(QStringLiteral("Format"), this);
    formatLabel->setGeometry(kFormatLeft, 22, kFormatWidth, 14);
    formatList_ = new QListWidget(this);
    formatList_->setObjectName(QStringLiteral("formatList"));
    formatList_->setGeometry(kFormatLeft, 36, kFormatWidth, 151);
    formatList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    formatList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    formatList_->setUniformItemSizes(true);
    for (CenterFormat format : kCenterFormats)
        formatList_->addItem(QString::fromLatin1(CenterFormatCaption(format)));
    formatList_->setCurrentRow(0);
    connect(formatList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            setFormat(CenterFormat(row));
    });
}

void CopyCenterWindow::buildOptionPages()
{
    auto* box = new QGroupBox(QStringLiteral("Options"), this);
    box->setObjectName(QStringLiteral("optionsBox"));
    box->setGeometry(kOptionsLeft, 22, kOptionsWidth, 165);
    pages_ = new QStackedWidget(box);
    pages_->setGeometry(6, 16, 303, 145);
    pages_->addWidget(buildSwatchesPage());
    pages_->addWidget(buildListPage());
    CssOptions& css = options_.css;
    pages_->addWidget(buildTextPage({{"Text Color", &css.textColor}, {"Background Color", &css.backgroundColor}}));
    HtmlOptions& html = options_.html;
    pages_->addWidget(buildTextPage({{"Color", &html.color}, {"BGColor", &html.bgColor}}));
    ValueOptions& v = options_.value;
    // Three columns make room for the CSS Color 4 notations after the eight.
    pages_->addWidget(buildTextPage({{"RGB", &v.rgb},
                                     {"HSL", &v.hsl},
                                     {"HTML Hex", &v.hex},
                                     {"VB Hex", &v.vbHex},
                                     {"Delphi Hex", &v.delphiHex},
                                     {"HTML Hex (with #)", &v.hashHex},
                                     {"VC++ Hex", &v.cppHex},
                                     {"ActionScript Hex", &v.actionScriptHex},
                                     {"rgb()", &v.cssRgb},
                                     {"hsl()", &v.cssHsl},
                                     {"oklch()", &v.cssOkLch},
                                     {"oklab()", &v.cssOkLab},
                                     {"lab()", &v.cssLab},
                                     {"lch()", &v.cssLch},
                                     {"display-p3", &v.cssDisplayP3}},
                                    {{0, 86}, {88, 126}, {216, 87}}));
    ReportOptions& r = options_.report;
    pages_->addWidget(buildTextPage({{"RGB Value", &r.rgb},
                                     {"HSL Value", &r.hsl},
                                     {"Hex Value", &r.hex},
                                     {"Websafe Info", &r.websafe}}));
    pages_->addWidget(buildPrefixPage());
}

// "BMP" / "WMF" radio buttons for a picture kind, at the page's top.
static void AddKindButtons(QWidget* page, const QString& prefix, PictureKind* kind, std::function<void()> changed)
{
    auto* group = new QButtonGroup(page);
    int x = 0;
    for (const auto& [text, value] : {std::pair{"BMP", PictureKind::Bitmap}, std::pair{"WMF", PictureKind::Metafile}}) {
        auto* button = new QRadioButton(QString::fromLatin1(text), page);
        button->setObjectName(prefix + QString::fromLatin1(text));
        button->setGeometry(x, 0, 60, 18);
        button->setChecked(*kind == value);
        group->addButton(button);
        const PictureKind chosen = value;
        QObject::connect(button, &QRadioButton::toggled, page, [kind, chosen, changed](bool on) {
            if (on) {
                *kind = chosen;
                changed();
            }
        });
        x += 64;
    }
}

QWidget* CopyCenterWindow::buildSwatchesPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("swatchesPage"));
    AddKindButtons(page, QStringLiteral("swatches"), &options_.swatchesKind, [this] { render(); });
    SwatchesOptions& s = options_.swatches;

    const auto addLabel = [page](const QString& text, int y) {
        auto* l = new QLabel(text, page);
        l->setGeometry(0, y, 80, 20);
    };
    const auto addCombo = [this, page](const char* name, int y, const auto& values, int current, const char* suffix,
                                       int* target) {
        auto* combo = new QComboBox(page);
        combo->setObjectName(QString::fromLatin1(name));
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setGeometry(84, y, 90, 20);
        for (int value : values) {
            QString text = QString::number(value);
            if (*suffix)
                text += QStringLiteral("x") + QString::number(value);
            combo->addItem(text);
        }
        const auto shown = [suffix](int value) {
            return *suffix ? QStringLiteral("%1x%1").arg(value) : QString::number(value);
        };
        combo->setCurrentText(shown(current));
        connect(combo, &QComboBox::currentTextChanged, this, [this, target, &values](const QString& text) {
            *target = TypedNumber(text, values, *target);
            render();
        });
        // A typed value that is not in the list is not used; once the typing
        // ends the box shows the value in use again, so the box, the preview
        // and the copy agree.
        const auto showUsed = [combo, target, shown, &values] {
            if (TypedNumber(combo->currentText(), values, -1) != *target)
                combo->setCurrentText(shown(*target));
        };
        connect(combo->lineEdit(), &QLineEdit::editingFinished, this, showUsed);
        settleBoxes_.push_back(showUsed);
    };
    addLabel(QStringLiteral("Swatch Size:"), 24);
    addCombo("swatchSizeBox", 24, kSwatchSides, s.side, "x", &s.side);
    addLabel(QStringLiteral("Columns:"), 48);
    addCombo("columnsBox", 48, kSwatchColumns, s.columns, "", &s.columns);

    addLabel(QStringLiteral("Space:"), 72);
    auto* space = new QSlider(Qt::Horizontal, page);
    space->setObjectName(QStringLiteral("spaceSlider"));
    space->setRange(0, kMaxSwatchSpace);
    space->setValue(s.space);
    space->setGeometry(84, 72, 150, 20);
    auto* spaceValue = new QLabel(QString::number(s.space), page);
    spaceValue->setGeometry(240, 72, 30, 20);
    connect(space, &QSlider::valueChanged, this, [this, spaceValue](int value) {
        options_.swatches.space = value;
        spaceValue->setText(QString::number(value));
        render();
    });

    auto* outline = new QCheckBox(QStringLiteral("Outline"), page);
    outline->setObjectName(QStringLiteral("outlineCheck"));
    outline->setChecked(s.outline);
    outline->setGeometry(0, 96, 120, 18);
    connect(outline, &QCheckBox::toggled, this, [this](bool on) {
        options_.swatches.outline = on;
        render();
    });
    return page;
}

QWidget* CopyCenterWindow::buildListPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("listPage"));
    AddKindButtons(page, QStringLiteral("list"), &options_.listKind, [this] { render(); });
    return page;
}

QWidget* CopyCenterWindow::buildTextPage(const std::vector<std::pair<const char*, bool*>>& switches,
                                         const std::vector<std::pair<int, int>>& columns)
{
    auto* page = new QWidget;
    int i = 0;
    for (const auto& [text, flag] : switches) {
        auto* check = new QCheckBox(QString::fromLatin1(text), page);
        check->setObjectName(QString::fromLatin1(text));
        check->setChecked(*flag);
        const std::size_t column = std::size_t(i / 5);
        const auto [left, width] = column < columns.size() ? columns[column] : std::pair{int(column) * 150, 146};
        check->setGeometry(left, (i % 5) * 22, width, 18);
        bool* target = flag;
        connect(check, &QCheckBox::toggled, this, [this, target](bool on) {
            *target = on;
            render();
        });
        ++i;
    }
    return page;
}

QWidget* CopyCenterWindow::buildPrefixPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("prefixPage"));
    auto* label = new QLabel(QStringLiteral("Name Prefix:"), page);
    label->setGeometry(0, 0, 80, 20);
    prefixEdit_ = new QLineEdit(QString::fromStdString(options_.namePrefix), page);
    prefixEdit_->setObjectName(QStringLiteral("prefixEdit"));
    prefixEdit_->setGeometry(84, 0, 150, 20);
    prefixEdit_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z_][A-Za-z0-9_-]*")), prefixEdit_));
    connect(prefixEdit_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (IsValidNamePrefix(text.toStdString())) {
            options_.namePrefix = text.toStdString();
            render();
        }
    });
    return page;
}

void CopyCenterWindow::buildButtons()
{
    const auto addButton = [this](const char* name, const QString& text, int x, int width) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(6, x, width, 24);
        button->setAutoDefault(false);
        return button;
    };
    // One above the other under the Source list.
    connect(addButton("copyNowButton", QStringLiteral("Copy Now"), 104, 124), &QPushButton::clicked, this,
            &CopyCenterWindow::CopyNow);
    connect(addButton("saveAsButton", QStringLiteral("Save As..."), 133, 124), &QPushButton::clicked, this,
            &CopyCenterWindow::SaveAs);
    previewButton_ = addButton("previewButton", QStringLiteral("Preview"), 162, 124);
    previewButton_->setCheckable(true);
    connect(previewButton_, &QPushButton::toggled, this, &CopyCenterWindow::setPreviewShown);
}

void CopyCenterWindow::buildPreview()
{
    previewBar_ = new QLabel(QStringLiteral("Preview"), this);
    previewBar_->setObjectName(QStringLiteral("previewBar"));
    previewBar_->setGeometry(4, kPreviewBarTop, kWidth - 8, kPreviewTop - kPreviewBarTop - 1);
    previewBar_->setStyleSheet(QStringLiteral("background: #B4BFCC; color: #24303C; padding-left: 4px;"));

    previewArea_ = new QStackedWidget(this);
    previewArea_->setObjectName(QStringLiteral("previewArea"));
    previewArea_->setGeometry(QRect(QPoint(4, kPreviewTop), QSize(kWidth - 8, kPreviewHeight)));
    auto* scroll = new QScrollArea;
    scroll->setBackgroundRole(QPalette::Base);
    previewPicture_ = new QLabel;
    previewPicture_->setObjectName(QStringLiteral("previewPicture"));
    previewPicture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scroll->setWidget(previewPicture_);
    scroll->setWidgetResizable(true);
    previewArea_->addWidget(scroll);
    previewText_ = new QPlainTextEdit;
    previewText_->setObjectName(QStringLiteral("previewText"));
    previewText_->setReadOnly(true);
    previewText_->setLineWrapMode(QPlainTextEdit::NoWrap);
    previewText_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    previewArea_->addWidget(previewText_);
}

void CopyCenterWindow::setPreviewShown(bool shown)
{
    previewShown_ = shown;
    if (previewButton_->isChecked() != shown)
        previewButton_->setChecked(shown);
    setRestoredHeight(shown ? kHeightWithPreview : kHeightWithoutPreview);
}

void CopyCenterWindow::keyPressEvent(QKeyEvent* event)
{
    // Esc that a list or a box let through closes the window too.
    if (event->key() == Qt::Key_Escape && !event->isAutoRepeat()) {
        hide();
        return;
    }
    ToolWindow::keyPressEvent(event);
}

void CopyCenterWindow::titleDoubleClicked()
{
    // Rolled up to the title, and back down to the height with the preview.
    const bool unrolling = isRolledUp();
    ToggleRollUp();
    if (unrolling)
        setPreviewShown(true);
}

void CopyCenterWindow::setSource(CenterSource source)
{
    source_ = source;
    if (sourceList_->currentRow() != int(source))
        sourceList_->setCurrentRow(int(source));
    if (!building_ && collect())
        render();
}

void CopyCenterWindow::setFormat(CenterFormat format)
{
    options_.format = format;
    if (formatList_->currentRow() != int(format))
        formatList_->setCurrentRow(int(format));
    pages_->setCurrentIndex(PageOf(format));
    render();
}

bool CopyCenterWindow::collect()
{
    CenterSourceInput input;
    if (sources_.mainFields)
        input.hexField = sources_.mainFields().hex;
    if (sources_.listEntries)
        input.listEntries = sources_.listEntries();
    if (sources_.selectedEntries)
        input.selectedEntries = sources_.selectedEntries();
    if (sources_.mainColor) {
        const auto& wheel = sources_.mainColor->state().palette.wheel;
        input.wheel.assign(wheel.begin(), wheel.end());
    }
    collected_ = CollectCenterSource(source_, input);
    try {
        colors_ = ColorsOfHashTexts(collected_);
    } catch (const ConversionError& error) {
        colors_.clear();
        platform().dialogs->error(this, QStringLiteral("KT Tessaro"), QString::fromStdString(error.what()));
        return false;
    }
    return true;
}

void CopyCenterWindow::render()
{
    if (building_)
        return;
    output_ = RenderCenter(options_, colors_);
    picture_ = output_.isPicture ? DrawingImage(output_.drawing) : QImage();
    showOutput();
}

void CopyCenterWindow::showOutput()
{
    if (output_.isPicture) {
        previewPicture_->setPixmap(QPixmap::fromImage(picture_));
        previewArea_->setCurrentIndex(0);
    } else {
        QString shown = QString::fromStdString(output_.text);
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        previewText_->setPlainText(shown);
        previewArea_->setCurrentIndex(1);
    }
}

void CopyCenterWindow::Open()
{
    collect();
    render();
    // Without a place of its own the first opening stands over the window
    // that asked for it.
    if (!placed_) {
        placed_ = true;
        if (QWidget* active = QApplication::activeWindow())
            move(active->geometry().center() - QPoint(kWidth / 2, kHeightWithPreview / 2));
    }
    platform().windows->showToolWindow(this);
    activateWindow();
}

void CopyCenterWindow::settleBoxes()
{
    for (const auto& settle : settleBoxes_)
        settle();
}

void CopyCenterWindow::CopyNow()
{
    settleBoxes();
    if (!collect())
        return;
    render();
    if (output_.isPicture)
        CopyDrawing(*platform().clipboard, output_.drawing, output_.kind);
    else
        platform().clipboard->setText(QString::fromStdString(output_.text));
    hide();
}

void CopyCenterWindow::SaveAs()
{
    QList<platform::FileFilter> filters;
    QString extension;
    if (output_.isPicture) {
        filters = {{QStringLiteral("PNG Picture (*.png)"), QStringLiteral("*.png")},
                   {QStringLiteral("Bitmap (*.bmp)"), QStringLiteral("*.bmp")},
                   {QStringLiteral("SVG Picture (*.svg)"), QStringLiteral("*.svg")},
                   {QStringLiteral("Enhanced Metafile (*.emf)"), QStringLiteral("*.emf")}};
        extension = QStringLiteral("png");
    } else {
        const SaveKind kind = TextSaveKind(options_.format);
        filters = {{QString::fromLatin1(kind.filter), QString::fromLatin1(kind.pattern)},
                   {QStringLiteral("Text File (*.txt)"), QStringLiteral("*.txt")}};
        extension = QString::fromLatin1(kind.extension);
    }
    const std::optional<QString> path =
        platform().dialogs->saveFile(this, QStringLiteral("Save As"), filters, extension, QString());
    if (path)
        SaveTo(*path);
}

bool CopyCenterWindow::SaveTo(const QString& path)
{
    settleBoxes();
    if (!collect())
        return false;
    render();
    std::string bytes;
    if (!output_.isPicture) {
        bytes = output_.text;
    } else {
        const QString suffix = QFileInfo(path).suffix().toLower();
        if (suffix == QStringLiteral("svg"))
            bytes = DrawingSvg(output_.drawing);
        else if (suffix == QStringLiteral("emf"))
            bytes = DrawingEmf(output_.drawing, DrawnTextAdvances);
        else
            bytes = EncodedImage(picture_, suffix == QStringLiteral("bmp") ? "BMP" : "PNG").toStdString();
    }
    return SaveBytesReporting(*platform().dialogs, this, path, bytes);
}

} // namespace tessaro::exporting
