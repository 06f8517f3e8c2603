#pragma once
// Qt's decoders fill in whatever a cut-off JPEG, GIF or BMP lacks and report success;
// these checks find the cut from the file's own structure.

#include <QByteArray>

namespace kestrova {

// format is the name QImageReader gives the file's format ("jpeg", "gif", "bmp", ...);
// other formats are left to their decoders, which refuse a cut-off file themselves.
bool IsTruncated(const QByteArray& bytes, const QByteArray& format);

}  // namespace kestrova
