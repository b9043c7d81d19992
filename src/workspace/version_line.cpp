#include "workspace/version_line.h"

#include <QStringList>

namespace tessaro::workspace {

QString VersionLine(const QString& fileVersion)
{
    const QStringList given = fileVersion.split(QLatin1Char('.'));
    QStringList parts;
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        const uint number = i < given.size() ? given.at(i).toUInt(&ok) : 0;
        parts << QString::number(ok ? number : 0);
    }
    return QStringLiteral("Version %1.%2.%3 Build %4").arg(parts[0], parts[1], parts[2], parts[3]);
}

} // namespace tessaro::workspace
