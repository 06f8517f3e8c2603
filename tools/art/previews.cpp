#include "tools/art/previews.h"

#include "tools/art/art_error.h"
#include "tools/art/race_pictures.h"

#include <QDir>
#include <QPainter>

namespace art {
namespace {

void save(const QImage& picture, const QString& folder, const QString& name, int scale)
{
    const QImage scaled = picture.scaled(picture.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QString path = folder + "/" + name + "_x" + QString::number(scale) + ".png";
    if (!scaled.save(path))
        throw ArtError("cannot write " + path.toStdString());
}

// The view as the race shows it near the end: rail row with the goal fed in, one horse of
// every coat in its lane, each in another cell.
QImage mockRaceView(const ArtSource& source, int surface)
{
    const QImage saku = renderSaku(source, surface);
    const QImage sheet = renderUmaAll(source, surface);
    QImage view(384, 350, QImage::Format_RGB888);
    view.fill(trackColour(source, surface));
    QPainter painter(&view);
    for (int k = 0; k < 12; ++k)
        painter.drawImage(QPoint(32 * k, 0), saku, QRect(k % 3 == 2 ? 32 : 0, 0, 32, 24));
    painter.drawImage(QPoint(360, 0), renderGoal(source, surface), QRect(8, 0, 24, 24));
    for (int gate = 0; gate < kCoatCount; ++gate) {
        const QRect cell((gate % kCellCount) * kCellWidth, gate * kCellHeight, kCellWidth, kCellHeight);
        painter.drawImage(QPoint(24 + 38 * gate, 40 * gate + 32), sheet, cell);
    }
    return view;
}

}  // namespace

void writePreviews(const ArtSource& source, const QString& folder)
{
    if (!QDir().mkpath(folder))
        throw ArtError("cannot create " + folder.toStdString());
    for (int s = 0; s < kSurfaceCount; ++s) {
        const QString surface = s == kTurf ? QStringLiteral("turf") : QStringLiteral("dirt");
        const QImage sheet = renderUmaAll(source, s);
        save(sheet, folder, "sheet_" + surface, 1);
        save(sheet, folder, "sheet_" + surface, 6);
        for (int coat = 0; coat < kCoatCount; ++coat)
            save(sheet.copy(0, coat * kCellHeight, sheet.width(), kCellHeight), folder,
                 "row" + QString::number(coat) + "_" + surface, 8);
        const QImage view = mockRaceView(source, s);
        save(view, folder, "race_" + surface, 1);
        save(view, folder, "race_" + surface, 3);
        save(view.copy(0, 0, 384, 24), folder, "rail_" + surface, 4);
    }
}

}  // namespace art
