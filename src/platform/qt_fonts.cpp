#include "platform/qt_fonts.h"

#include <QFontDatabase>

#include <algorithm>

namespace tessaro::platform {

QFont ProgramFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

QStringList QtFonts::installedFamilies() const
{
    QStringList families = QFontDatabase::families();
    families.removeDuplicates();
    std::stable_sort(families.begin(), families.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return families;
}

} // namespace tessaro::platform
