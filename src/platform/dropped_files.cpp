#include "platform/platform.h"

#include <QMimeData>
#include <QUrl>

namespace tessaro::platform {

QStringList DroppedFiles(const QMimeData* data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return paths;
}

} // namespace tessaro::platform
