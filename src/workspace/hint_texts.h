// The texts of the main window's hint line.
#pragma once

#include "engine/color.h"

#include <QString>

namespace tessaro::workspace::hints {

inline const QString kWelcome = QStringLiteral("Welcome.");
// Stay on Top asked for where the desktop cannot grant it (native Wayland).
inline const QString kStayOnTopUnavailable =
    QStringLiteral("This desktop does not let a program keep its window on top.");
inline const QString kMainSwatch = QStringLiteral(
    "This is main color. Drag this color to color list to add it. Right click to see more options. ");
inline const QString kDerivedSwatch = QStringLiteral(
    "You can drag and drop this color. Drop over main color to set this as main color.  Drag over color list to "
    "add. Drag over any test shapes or parts of web page layout to change their color.");
inline const QString kWebsafeSuffix = QStringLiteral(" ( This color is websafe ) ");
inline const QString kValueEdit = QStringLiteral(
    "You can change the values using edit boxes. Just type the value, then press enter. You can use + and - keys "
    "to change the values, too. ");
inline const QString kHexEdit =
    QStringLiteral("You can change the values using edit boxes. Just type the value, then press enter. ");
inline const QString kWebsafeLabel = QStringLiteral("You can click on this text to make the main color websafe.");
inline const QString kColorName = QStringLiteral("Color name.");
inline const QString kMoreVariations = QStringLiteral("Click to see more variations.");
inline const QString kTitleBar = QStringLiteral("Double click to super-minimize.");

// " ( R: r, G: g, B: b, HEX: #RRGGBB )"
QString ValueSuffix(TColor color);
// The main swatch's hint for its colour.
QString MainSwatchHint(TColor color, bool isWebsafe);
// The hint of a wheel, harmony or variation swatch.
QString DerivedSwatchHint(TColor color);

} // namespace tessaro::workspace::hints
