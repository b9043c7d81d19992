#include "export/save_bytes.h"

#include "platform/replace_file.h"

namespace tessaro::exporting {

bool SaveBytesReporting(platform::Dialogs& dialogs, QWidget* parent, const QString& path, std::string_view bytes)
{
    int error = 0;
    if (ReplaceFileBytes(path.toStdString(), bytes, &error))
        return true;
    dialogs.error(parent, QStringLiteral("KT Tessaro"),
                  QStringLiteral("Can not write %1: %2.").arg(path, QString::fromLocal8Bit(ReplaceErrorText(error))));
    return false;
}

} // namespace tessaro::exporting
