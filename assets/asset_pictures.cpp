#include "assets/asset_pictures.h"

// Outside any namespace, as the resource's initialiser requires.
static void registerPictures()
{
    Q_INIT_RESOURCE(assets);
}

namespace {

// A static library's resources are registered only when called for, so every path asked
// for first makes sure the pictures are there.
QString picturePath(const QString& fileName)
{
    static const bool registered = (registerPictures(), true);
    Q_UNUSED(registered);
    return QStringLiteral(":/pictures/") + fileName;
}

QString surfacePicture(const char* kind, int s)
{
    return picturePath(QString::fromLatin1(kind) + (s == 0 ? QStringLiteral("_turf.png") : QStringLiteral("_dirt.png")));
}

}  // namespace

QString picBabaPath(int s) { return surfacePicture("baba", s); }
QString picSakuPath(int s) { return surfacePicture("saku", s); }
QString picGoalPath(int s) { return surfacePicture("goal", s); }
QString picUmaAllPath(int s) { return surfacePicture("uma_all", s); }
QString gatePlaceholderPath() { return picturePath(QStringLiteral("gate_placeholder.png")); }
