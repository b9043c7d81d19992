#include "platform/qt_shell.h"

#include "platform/packaged_files.h"
#include "platform/text_files.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace tessaro::platform {

namespace {

void RunDetachedIfInstalled(const QString& program, const QStringList& arguments)
{
    const QString found = QStandardPaths::findExecutable(program);
    if (!found.isEmpty())
        QProcess::startDetached(found, arguments);
}

bool WriteWhole(const QString& path, const QString& text)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    return WriteFileBytes(path, text.toUtf8());
}

} // namespace

QString UserDataFolder()
{
    const QString configured = qEnvironmentVariable("XDG_DATA_HOME");
    if (!configured.isEmpty() && QDir::isAbsolutePath(configured))
        return QDir::cleanPath(configured);
    return QDir::homePath() + QStringLiteral("/.local/share");
}

QString ListFileMimePackage()
{
    return QString::fromUtf8(kPackagedMimePackage);
}

QString DesktopExecArgument(const QString& argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = argument.isEmpty();
    for (const QChar c : argument)
        needsQuotes = needsQuotes || reserved.contains(c);

    QString exec;
    if (needsQuotes) {
        exec += QLatin1Char('"');
        for (const QChar c : argument) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
                exec += QLatin1Char('\\');
            exec += c;
        }
        exec += QLatin1Char('"');
    } else {
        exec = argument;
    }
    exec.replace(QLatin1Char('%'), QLatin1String("%%"));

    // The value is a string of the desktop file, with its own escapes.
    QString value;
    for (const QChar c : exec) {
        switch (c.unicode()) {
        case '\\': value += QLatin1String("\\\\"); break;
        case '\n': value += QLatin1String("\\n"); break;
        case '\t': value += QLatin1String("\\t"); break;
        case '\r': value += QLatin1String("\\r"); break;
        default: value += c;
        }
    }
    return value;
}

QString ListFileDesktopEntry(const QString& executable)
{
    // The packaged entry runs the program from the PATH; this one runs the
    // executable itself, in the main entry and in its actions alike.
    const QString exec = QStringLiteral("Exec=");
    QStringList lines = QString::fromUtf8(kPackagedDesktopEntry).split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (!line.startsWith(exec))
            continue;
        const qsizetype programEnd = line.indexOf(QLatin1Char(' '), exec.size());
        line = exec + DesktopExecArgument(executable) + (programEnd < 0 ? QString() : line.mid(programEnd));
    }
    return lines.join(QLatin1Char('\n'));
}

QStringList SystemDataFolders()
{
    QString configured = qEnvironmentVariable("XDG_DATA_DIRS");
    if (configured.isEmpty())
        configured = QStringLiteral("/usr/local/share/:/usr/share/");
    QStringList folders;
    for (const QString& folder : configured.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(folder))
            folders << QDir::cleanPath(folder);
    return folders;
}

bool DesktopEntryDeclaresType(const QString& entryText, const QString& mimeType)
{
    bool inMainGroup = false;
    for (QString line : entryText.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QStringLiteral("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inMainGroup && equals > 0 && line.left(equals).trimmed() == QStringLiteral("MimeType"))
            return line.mid(equals + 1).trimmed().split(QLatin1Char(';')).contains(mimeType);
    }
    return false;
}

bool InstalledEntryOpensListFiles()
{
    for (const QString& folder : SystemDataFolders())
        if (const std::optional<QString> text = ReadTextFile(folder + QStringLiteral("/applications/kt-tessaro.desktop")))
            // The first one found is the one the desktop uses.
            return DesktopEntryDeclaresType(*text, QLatin1String(kListFileMimeType));
    return false;
}

QtShell::QtShell() : QtShell(RunDetachedIfInstalled) {}

QtShell::QtShell(Runner runner) : runner_(std::move(runner)) {}

bool QtShell::openDocument(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

void QtShell::openUrl(const QString& url)
{
    QDesktopServices::openUrl(QUrl(url, QUrl::TolerantMode));
}

void QtShell::registerListFileAssociation(const QString& executable)
{
    const QString data = UserDataFolder();
    const QString mimeFolder = data + QStringLiteral("/mime");
    const QString applications = data + QStringLiteral("/applications");
    if (WriteWhole(mimeFolder + QStringLiteral("/packages/kt-tessaro.xml"), ListFileMimePackage()) && runner_)
        runner_(QStringLiteral("update-mime-database"), {mimeFolder});
    // A per-user entry of the same name hides the installed one: it is only
    // written where no installed entry opens list files already.
    if (InstalledEntryOpensListFiles())
        return;
    if (WriteWhole(applications + QStringLiteral("/kt-tessaro.desktop"), ListFileDesktopEntry(executable)) && runner_)
        runner_(QStringLiteral("update-desktop-database"), {applications});
}

} // namespace tessaro::platform
