// Windows metafiles as pictures. The decoding runs in a decoder process
// (metafile_pipe.h), found beside the running executable or in the
// installed program's libexec folder; a file it cannot read, a crash or a
// hang of that process are all a refused picture. Pictures are held to
// kMaxMetafileSide pixels a side, whatever size the file claims.
#pragma once

#include "platform/metafile_pipe.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace tessaro::platform {

// Throw PictureError when the bytes are not a readable metafile of the kind.
QImage ReadWmf(const QByteArray& bytes);
QImage ReadEmf(const QByteArray& bytes);

enum class MetafileKind { Wmf, Emf };

// How one run of the decoder process ended.
enum class MetafileOutcome {
    Decoded,    // pixels came back
    Refused,    // the decoder read no metafile of the kind in the bytes
    Crashed,    // it ended by a signal or with an unexpected status
    TimedOut,   // it gave no answer in time and was killed
    BadAnswer,  // it ended well but its answer was malformed
    NotStarted, // no decoder could be started
};

struct MetafileDecode {
    MetafileOutcome outcome = MetafileOutcome::NotStarted;
    QImage image;  // set when decoded
    QString error; // why the decoder could not be started
};

// One run of the decoder process; ReadWmf and ReadEmf go through here.
MetafileDecode DecodeMetafileInProcess(MetafileKind kind, const QByteArray& bytes);

// The kind's decoder executable: beside the running executable, else in the
// installed libexec folder relative to it; empty when neither exists.
// TESSARO_METAFILE_DECODER names another one (for tests).
QString MetafileDecoderPath(MetafileKind kind);

} // namespace tessaro::platform
