#include "workspace/hint_texts.h"

#include "engine/color_text.h"

namespace tessaro::workspace::hints {

QString ValueSuffix(TColor color)
{
    return QStringLiteral(" ( R: %1, G: %2, B: %3, HEX: %4 )")
        .arg(RedOf(color))
        .arg(GreenOf(color))
        .arg(BlueOf(color))
        .arg(QString::fromStdString(HashHexText(color)));
}

QString MainSwatchHint(TColor color, bool isWebsafe)
{
    QString hint = kMainSwatch + QLatin1Char('\r') + ValueSuffix(color);
    if (isWebsafe)
        hint += kWebsafeSuffix;
    return hint;
}

QString DerivedSwatchHint(TColor color)
{
    return kDerivedSwatch + QLatin1Char('\r') + ValueSuffix(color);
}

} // namespace tessaro::workspace::hints
