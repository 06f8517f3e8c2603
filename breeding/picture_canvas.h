#pragma once
// A dropped picture file becomes a horse's name and its 32 x 32 analysis canvas.

#include "breeding/colour_grid.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace kestrova {

// The file name without its folder and extension, cut to 18 Shift_JIS bytes.
QString HorseNameFromFile(const QString& path);

// Decodes the first picture of the file, turned upright by its EXIF orientation. Very large
// JPEGs are decoded at a reduced size. Throws GenerationError for anything that is not a
// readable picture: a missing, special or empty file, a truncated or too large picture.
QImage LoadPicture(const QString& path);

// The picture over white, averaged onto the 32 x 32 canvas. Throws GenerationError for a null image.
ColourGrid CanvasFromImage(const QImage& picture);

// LoadPicture, then CanvasFromImage.
ColourGrid CanvasFromFile(const QString& path);

// The divisor by which a JPEG of this stored size is decoded: 1, 2, 4 or 8. It depends on
// the size alone, so the same file always decodes the same way.
int JpegDecodeDivisor(QSize stored);

}  // namespace kestrova
