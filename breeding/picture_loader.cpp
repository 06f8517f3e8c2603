#include "breeding/generation_error.h"
#include "breeding/picture_canvas.h"
#include "breeding/picture_completeness.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <string>

namespace kestrova {
namespace {

constexpr qint64 kMaxFileBytes = qint64{256} << 20;
constexpr int kAllocationLimitMegabytes = 256;
constexpr qint64 kMaxDecodedPixels = qint64{1} << 25;       // 32 million, about 5800 x 5800
constexpr qint64 kJpegDecodeBudgetPixels = qint64{1} << 22;  // 2048 x 2048 is plenty for a 32 x 32 canvas
constexpr int kMaxJpegDivisor = 8;
constexpr int kFullQuality = 100;  // asks Qt's JPEG decoder for the accurate integer transform

[[noreturn]] void Refuse(const QString& path, const char* why)
{
    throw GenerationError(QFileInfo(path).fileName().toStdString() + ": " + why);
}

qint64 PixelsOf(QSize size) { return qint64{size.width()} * size.height(); }

// Whole pixels: QSize's own division rounds.
QSize Divided(QSize size, int divisor) { return {size.width() / divisor, size.height() / divisor}; }

// Special files are refused before they are opened: a FIFO would block the drop.
QByteArray ReadRegularFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists()) Refuse(path, "no such file");
    if (!info.isFile()) Refuse(path, "not a regular file");
    if (info.size() == 0) Refuse(path, "empty file");
    if (info.size() > kMaxFileBytes) Refuse(path, "file too large");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) Refuse(path, "cannot open");
    QByteArray bytes = file.readAll();
    if (bytes.size() != info.size()) Refuse(path, "cannot read");
    return bytes;
}

// Decodes a large JPEG at 1/d of its size: the clip to a multiple of d lets libjpeg's own
// scaling give the exact size, so Qt adds no resampling of its own.
QSize ReduceJpegDecode(QImageReader& reader, QSize stored)
{
    const int divisor = JpegDecodeDivisor(stored);
    if (divisor == 1) return stored;
    reader.setClipRect(QRect(0, 0, stored.width() - stored.width() % divisor, stored.height() - stored.height() % divisor));
    reader.setScaledSize(Divided(stored, divisor));
    return Divided(stored, divisor);
}

// The format by content; failing that, as the file's suffix names it (some formats have no signature).
QByteArray FormatOf(QBuffer& buffer, const QString& path)
{
    QByteArray format = QImageReader(&buffer).format();
    buffer.seek(0);
    return format.isEmpty() ? QFileInfo(path).suffix().toLower().toLatin1() : format;
}

}  // namespace

int JpegDecodeDivisor(QSize stored)
{
    int divisor = 1;
    while (divisor < kMaxJpegDivisor && PixelsOf(Divided(stored, divisor)) > kJpegDecodeBudgetPixels &&
           stored.width() / (2 * divisor) >= kCanvasSize && stored.height() / (2 * divisor) >= kCanvasSize)
        divisor *= 2;
    return divisor;
}

QImage LoadPicture(const QString& path)
{
    QByteArray bytes = ReadRegularFile(path);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader::setAllocationLimit(kAllocationLimitMegabytes);
    const QByteArray format = FormatOf(buffer, path);
    QImageReader reader(&buffer, format);
    if (!reader.canRead()) Refuse(path, "not a picture");
    reader.setAutoTransform(true);
    reader.setQuality(kFullQuality);
    if (IsTruncated(bytes, format)) Refuse(path, "truncated picture");
    QSize decoded = reader.size();
    if (format == "jpeg" && decoded.isValid()) decoded = ReduceJpegDecode(reader, decoded);
    if (decoded.isValid() && PixelsOf(decoded) > kMaxDecodedPixels) Refuse(path, "picture too large");
    const QImage picture = reader.read();
    if (picture.isNull()) Refuse(path, "cannot decode the picture");
    if (PixelsOf(picture.size()) > kMaxDecodedPixels) Refuse(path, "picture too large");
    return picture;
}

}  // namespace kestrova
