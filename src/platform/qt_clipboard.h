// The desktop clipboard through QClipboard.
#pragma once

#include "platform/platform.h"

namespace tessaro::platform {

// Ends every line with CR LF, whether it was ended by LF, CR or CR LF.
QString WithCrLfLineEnds(const QString& text);

// True when Qt's orderly ending of the program has something to hand to the
// desktop's clipboard keeper: the program owns the clipboard or the
// selection on X11. Qt's Wayland platform hands nothing over.
bool OrderlyEndingHandsOverClipboard();

class QtClipboard : public Clipboard {
public:
    QString text() const override;
    void setText(const QString& text) override;
    // Handed to wl-copy in a Wayland session, to xclip on X11 (both keep
    // serving the text until another program takes the clipboard); through
    // QClipboard where neither is installed, which keeps it only where the
    // desktop runs a clipboard manager.
    void setTextBeyondExit(const QString& text) override;
    // Offers image/png and image/bmp besides Qt's own image data.
    void setImage(const QImage& image) override;
    // Offers image/svg+xml, image/x-emf and image/x-wmf for the non-empty
    // parts, and the SVG rendered as an image for programs that only take
    // bitmaps.
    void setVectorPicture(const QByteArray& svg, const QByteArray& emf, const QByteArray& wmf) override;
};

} // namespace tessaro::platform
