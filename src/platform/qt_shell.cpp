#include "platform/qt_shell.h"

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
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                          "  <mime-type type=\"%1\">\n"
                          "    <comment>KT Tessaro Color List</comment>\n"
                          "    <sub-class-of type=\"text/plain\"/>\n"
                          "    <glob pattern=\"*.cll\"/>\n"
                          "  </mime-type>\n"
                          "</mime-info>\n")
        .arg(QLatin1String(kListFileMimeType));
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
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=KT Tessaro\n"
                          "Comment=Colour scheme generator\n"
                          "Exec=%1 %f\n"
                          "Icon=kt-tessaro\n"
                          "Terminal=false\n"
                          "Categories=Graphics;\n"
                          "MimeType=%2;\n")
        .arg(DesktopExecArgument(executable), QLatin1String(kListFileMimeType));
}

QtShell::QtShell() : QtShell(RunDetachedIfInstalled) {}

QtShell::QtShell(Runner runner) : runner_(std::move(runner)) {}

void QtShell::openDocument(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
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
    if (WriteWhole(applications + QStringLiteral("/kt-tessaro.desktop"), ListFileDesktopEntry(executable)) && runner_)
        runner_(QStringLiteral("update-desktop-database"), {applications});
}

} // namespace tessaro::platform
