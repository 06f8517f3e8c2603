#include "breeding/picture_canvas.h"

#include "foundation/text_helpers.h"

#include <QFileInfo>

namespace kestrova {

constexpr int32_t kHorseNameBytes = 18;

QString HorseNameFromFile(const QString& path) { return LeftByByte(CutExt(QFileInfo(path).fileName()), kHorseNameBytes); }

ColourGrid CanvasFromFile(const QString& path) { return CanvasFromImage(LoadPicture(path)); }

}  // namespace kestrova
