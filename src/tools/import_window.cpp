#include "tools/import_window.h"

#include "colorlist/color_list_commands.h"
#include "controls/swatch.h"
#include "engine/color_scan.h"
#include "tools/found_color_delegate.h"
#include "tools/found_list_view.h"
#include "tools/picture_colors.h"
#include "tools/picture_samples.h"
#include "engine/color_text.h"
#include "platform/text_files.h"

#include <QAction>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QToolButton>

#include <algorithm>
#include <cctype>
#include <climits>

namespace tessaro::tools {

namespace {

const QString kNoSource = QStringLiteral("Select a file first.");
const QString kNoColor = QStringLiteral("Select a color first.");

QLabel* Caption(const QString& text, QRect geometry, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setGeometry(geometry);
    return label;
}

QPushButton* TextButton(const QString& text, const QString& name, QRect geometry, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

ImportWindow::ImportWindow(const platform::Platform& platform, colorlist::ColorListCommands& list, QWidget* parent)
    : controls::ToolWindow(platform, QStringLiteral("Import Colors"), QSize(kWidth, kHeight), kTitleHeight, Qt::Tool,
                           parent),
      list_(list)
{
    setObjectName(QStringLiteral("ImportWindow"));
    addCloseButton();
    buildSource();
    buildFound();
    buildMenu();

    swatch_ = new controls::Swatch(controls::Swatch::Shape::Square, this);
    swatch_->setObjectName(QStringLiteral("mocolorSHP"));
    swatch_->setGeometry(8, 289, 17, 17);
    colorValue_ = new QLabel(kNoColor, this);
    colorValue_->setObjectName(QStringLiteral("colorvalueLBL"));
    colorValue_->setGeometry(32, 289, kWidth - 40, 17);

    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &ImportWindow::AddAllToColorList);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &ImportWindow::hide);

    progressTimer_.setInterval(50);
    connect(&progressTimer_, &QTimer::timeout, this, &ImportWindow::updateProgress);
    connect(&scan_, &ImportScan::finished, this, &ImportWindow::scanEnded);
}

void ImportWindow::buildSource()
{
    Caption(QStringLiteral("Source"), QRect(8, kTitleHeight + 6, 160, 16), this);
    sourceName_ = new QPlainTextEdit(kNoSource, this);
    sourceName_->setObjectName(QStringLiteral("sourcenameMEM"));
    sourceName_->setReadOnly(true);
    sourceName_->setGeometry(8, kTitleHeight + 24, 160, 145);
    fromImage_ = TextButton(QStringLiteral("From Image..."), QStringLiteral("fromImageButton"),
                            QRect(8, 192, 112, 24), this);
    pictureColors_ = new QSpinBox(this);
    pictureColors_->setObjectName(QStringLiteral("pictureColorsSPN"));
    pictureColors_->setRange(kMinPictureColors, kMaxPictureColors);
    pictureColors_->setValue(kDefaultPictureColors);
    pictureColors_->setToolTip(QStringLiteral("How many colors From Image finds"));
    pictureColors_->setGeometry(124, 192, 44, 24);
    connect(fromImage_, &QPushButton::clicked, this, &ImportWindow::FromImage);
    fromFile_ = TextButton(QStringLiteral("From File..."), QStringLiteral("fromFileButton"),
                           QRect(8, 222, 160, 24), this);
    fromClipboard_ = TextButton(QStringLiteral("From Clipboard"), QStringLiteral("fromClipboardButton"),
                                QRect(8, 252, 160, 24), this);
    connect(fromFile_, &QPushButton::clicked, this, &ImportWindow::FromFile);
    connect(fromClipboard_, &QPushButton::clicked, this, &ImportWindow::FromClipboard);
}

void ImportWindow::buildFound()
{
    Caption(QStringLiteral("Found Colors"), QRect(178, kTitleHeight + 6, 150, 16), this);
    listView_ = new FoundListView(this);
    listView_->setObjectName(QStringLiteral("ListBox1"));
    listView_->setItemDelegate(new FoundColorDelegate(listView_));
    listView_->setModel(&found_);
    listView_->setGeometry(178, kTitleHeight + 24, kWidth - 186, 150);
    connect(listView_, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) { ShowEntry(index.row()); });
    // The label describes an entry of the list: once that entry is gone
    // (removed, cleared, a duplicate dropped) it asks for a choice again.
    connect(&found_, &QAbstractItemModel::rowsRemoved, this, &ImportWindow::forgetRemovedEntry);
    connect(&found_, &QAbstractItemModel::modelReset, this, &ImportWindow::forgetRemovedEntry);
    connect(listView_, &FoundListView::deletePressed, this, &ImportWindow::RemoveSelected);

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("FoundProB"));
    progress_->setGeometry(178, 198, kWidth - 186 - 56, 18);
    progress_->setTextVisible(false);
    progress_->hide();
    cancel_ = TextButton(QStringLiteral("Cancel"), QStringLiteral("cancelScanButton"),
                         QRect(kWidth - 60, 196, 52, 22), this);
    cancel_->hide();
    connect(cancel_, &QPushButton::clicked, this, &ImportWindow::CancelScan);

    addAll_ = TextButton(QStringLiteral("Add All to Color List"), QStringLiteral("addAllButton"),
                         QRect(178, 222, kWidth - 186, 24), this);
    clear_ = TextButton(QStringLiteral("Clear"), QStringLiteral("clearButton"), QRect(178, 252, kWidth - 186, 24), this);
    connect(addAll_, &QPushButton::clicked, this, &ImportWindow::AddAllToColorList);
    connect(clear_, &QPushButton::clicked, this, &ImportWindow::ClearAll);
}

void ImportWindow::buildMenu()
{
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("FoundPM"));
    menu_->addAction(QStringLiteral("&Add All to Color List"), this, &ImportWindow::AddAllToColorList);
    menu_->addSeparator();
    menu_->addAction(QStringLiteral("Remove Selecte&d"), this, &ImportWindow::RemoveSelected);
    menu_->addAction(QStringLiteral("&Clear All"), this, &ImportWindow::ClearAll);
    menu_->addSeparator();
    allowDuplicatesAction_ = menu_->addAction(QStringLiteral("Allow Duplicates"), this,
                                              &ImportWindow::ToggleAllowDuplicates);
    allowDuplicatesAction_->setCheckable(true);
    menu_->addAction(QStringLiteral("Re&move Duplicates"), this, &ImportWindow::RemoveDuplicates);

    auto* button = new QToolButton(this);
    button->setObjectName(QStringLiteral("foundMenuButton"));
    button->setText(QStringLiteral("\u25BE"));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(kWidth - 26, kTitleHeight + 5, 18, 18);
    connect(button, &QToolButton::pressed, this,
            [this, button] { menu_->popup(button->mapToGlobal(QPoint(0, button->height()))); });
    listView_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(listView_, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { menu_->popup(listView_->viewport()->mapToGlobal(at)); });
}

void ImportWindow::setAllowDuplicates(bool allow)
{
    allowDuplicates_ = allow;
    allowDuplicatesAction_->setChecked(allow);
}

QString ImportWindow::sourceName() const
{
    return sourceName_->toPlainText();
}

QString ImportWindow::colorValueText() const
{
    return colorValue_->text();
}

bool ImportWindow::IsImportFile(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QStringLiteral("css") || suffix == QStringLiteral("htm") || suffix == QStringLiteral("html") ||
           suffix == QStringLiteral("txt");
}

void ImportWindow::OpenDroppedFiles(const QStringList& paths)
{
    for (const QString& path : paths)
        if (IsImportFile(path))
            LoadFile(path);
}

void ImportWindow::FromFile()
{
    const QList<platform::FileFilter> filters{
        {QStringLiteral("All Supported Formats"), QStringLiteral("*.html; *.htm; *.css; *.cll; *.txt")},
        {QStringLiteral("HTML Document (*.html; *.htm)"), QStringLiteral("*.html; *.htm")},
        {QStringLiteral("CSS File (*.css)"), QStringLiteral("*.css")},
        {QStringLiteral("KT Tessaro Color List File (*.cll)"), QStringLiteral("*.cll")},
        {QStringLiteral("Text File (*.txt)"), QStringLiteral("*.txt")},
    };
    if (const std::optional<QString> path = platform().dialogs->openFile(this, QStringLiteral("Open"), filters, {}))
        LoadFile(*path);
}

void ImportWindow::LoadFile(const QString& path)
{
    ImportSource source;
    source.path = path;
    pending_.push_back(std::move(source));
    startNext();
}

void ImportWindow::FromImage()
{
    const QList<platform::FileFilter> filters{
        {QStringLiteral("Pictures"),
         QStringLiteral("*.png; *.jpg; *.jpeg; *.bmp; *.gif; *.webp; *.wmf; *.emf; *.svg; *.ico")},
        {QStringLiteral("All Files"), QStringLiteral("*")},
    };
    if (const std::optional<QString> path =
            platform().dialogs->openFile(this, QStringLiteral("Open Picture"), filters, {}))
        AddPictureColors(*path, pictureColors_->value());
}

void ImportWindow::AddPictureColors(const QString& path, int count)
{
    if (isScanning())
        return;
    // Metafiles and drawings go through the program's own picture loading;
    // other kinds through the image readers, which refuse oversized ones.
    const QString suffix = QFileInfo(path).suffix().toLower();
    std::optional<QImage> picture;
    QString error;
    if (suffix == QStringLiteral("wmf") || suffix == QStringLiteral("emf") || suffix == QStringLiteral("svg")) {
        try {
            picture = platform().pictures->load(path);
        } catch (const platform::PictureError& e) {
            error = QString::fromStdString(e.what());
        }
    } else {
        picture = ReadPictureFile(path, error);
    }
    if (!picture || picture->isNull()) {
        platform().dialogs->error(this, QStringLiteral("Import Colors"),
                                  error.isEmpty() ? QStringLiteral("Cannot read the picture \"%1\".").arg(path) : error);
        return;
    }
    std::vector<std::string> entries;
    std::vector<std::string> known = found_.entries();
    for (TColor color : RepresentativeColors(PictureSamples(*picture), count)) {
        const std::string entry = HashHexText(color);
        const bool listed = std::any_of(known.cbegin(), known.cend(), [&entry](const std::string& k) {
            return std::equal(k.cbegin(), k.cend(), entry.cbegin(), entry.cend(),
                              [](char a, char b) { return std::tolower(a) == std::tolower(b); });
        });
        if (listed && !allowDuplicates_)
            continue;
        known.push_back(entry);
        entries.push_back(entry);
    }
    sourceName_->setPlainText(path);
    found_.append(std::move(entries));
}

void ImportWindow::FromClipboard()
{
    ScanText(platform().clipboard->text());
}

void ImportWindow::ScanText(const QString& text)
{
    ImportSource source;
    source.text = text;
    pending_.push_back(std::move(source));
    startNext();
}

void ImportWindow::startNext()
{
    if (scan_.isRunning() || pending_.empty())
        return;
    ImportSource source = std::move(pending_.front());
    pending_.pop_front();
    sourceBeforeScan_ = sourceName();
    if (!source.path.isEmpty())
        sourceName_->setPlainText(source.path);
    setScanningLook(true);
    scan_.start(std::move(source), found_.entries(), allowDuplicates_);
}

void ImportWindow::CancelScan()
{
    pending_.clear();
    scan_.cancel();
}

void ImportWindow::updateProgress()
{
    const std::size_t maximum = scan_.maximum();
    // A bar counts in int: very long texts are shown in coarser steps.
    const std::size_t scale = maximum / std::size_t(INT_MAX) + 1;
    progress_->setMaximum(int(maximum / scale));
    progress_->setValue(int(std::min(scan_.step(), maximum) / scale));
}

void ImportWindow::setScanningLook(bool scanning)
{
    progress_->setValue(0);
    progress_->setVisible(scanning);
    cancel_->setVisible(scanning);
    for (QWidget* control : {static_cast<QWidget*>(fromFile_), static_cast<QWidget*>(fromClipboard_),
                             static_cast<QWidget*>(fromImage_),
                             static_cast<QWidget*>(addAll_), static_cast<QWidget*>(clear_)})
        control->setEnabled(!scanning);
    menu_->setEnabled(!scanning);
    if (scanning)
        progressTimer_.start();
    else
        progressTimer_.stop();
}

void ImportWindow::scanEnded()
{
    updateProgress();
    ImportScanResult result = scan_.takeResult();
    setScanningLook(false);
    if (!result.fileError.isEmpty()) {
        sourceName_->setPlainText(sourceBeforeScan_);
        platform().dialogs->error(this, QStringLiteral("Import Colors"), result.fileError);
    } else if (!result.cancelled) {
        found_.append(std::move(result.added));
        if (!result.sawHash)
            platform().dialogs->notify(this, QStringLiteral("Import Colors"), QStringLiteral("No colors found!"));
    }
    emit scanFinished();
    startNext();
}

void ImportWindow::AddAllToColorList()
{
    if (isScanning())
        return;
    std::vector<TColor> colors;
    colors.reserve(found_.entries().size());
    for (const std::string& entry : found_.entries())
        colors.push_back(HashEntryToColor(entry));
    list_.AddColors(colors, colorlist::Placement::AtInsertPoint, false);
    hide();
}

void ImportWindow::RemoveSelected()
{
    if (isScanning())
        return;
    if (platform().dialogs->askYesNo(this, QStringLiteral("Remove Selected?"),
                                     QStringLiteral("Are you sure to remove selected color(s)?")) !=
        platform::Answer::Yes)
        return;
    QList<int> rows;
    for (const QModelIndex& index : listView_->selectionModel()->selectedIndexes())
        rows.append(index.row());
    found_.removeRowsAt(rows);
}

void ImportWindow::ClearAll()
{
    if (isScanning())
        return;
    if (platform().dialogs->askYesNo(this, QStringLiteral("Clear?"),
                                     QStringLiteral("Are you sure clear all found colors?")) != platform::Answer::Yes)
        return;
    found_.clear();
}

void ImportWindow::ToggleAllowDuplicates()
{
    setAllowDuplicates(!allowDuplicates_);
}

void ImportWindow::RemoveDuplicates()
{
    if (!isScanning())
        found_.RemoveDuplicates();
}

void ImportWindow::ShowEntry(int row)
{
    if (row < 0 || row >= found_.rowCount())
        return;
    const TColor color = found_.colorAt(row);
    swatch_->setColor(color);
    colorValue_->setText(FoundColorDescription(color));
    shownEntry_ = QPersistentModelIndex(found_.index(row));
}

void ImportWindow::forgetRemovedEntry()
{
    if (shownEntry_.isValid() || colorValue_->text() == kNoColor)
        return;
    swatch_->setColor(TColor(0xFFFFFF));
    colorValue_->setText(kNoColor);
}

bool ImportWindow::SaveLastImported(const QString& path) const
{
    return SaveFoundList(path, found_.text());
}

bool ImportWindow::SaveFoundList(const QString& path, const QByteArray& text)
{
    return platform::WriteFileBytes(path, text);
}

} // namespace tessaro::tools
