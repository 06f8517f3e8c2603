#include "race/picture_store.h"

#include "assets/asset_pictures.h"

#include <stdexcept>

namespace kestrova {
namespace {

// The copies work on 32-bit pixels, so every picture is held in the view's own format.
// A picture of the wrong size would draw a broken race, so it stops the program instead.
QImage LoadPicture(const QString& path, QSize size)
{
    QImage picture(path);
    if (picture.size() != size)
        throw std::runtime_error("race picture missing or of the wrong size: " + path.toStdString());
    return picture.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

FrmPicture::FrmPicture()
{
    for (int s = 0; s < 2; ++s) {
        const auto i = static_cast<std::size_t>(s);
        picBaba_[i] = LoadPicture(picBabaPath(s), {85, 47});
        picSaku_[i] = LoadPicture(picSakuPath(s), {64, 24});
        picGoal_[i] = LoadPicture(picGoalPath(s), {32, 24});
        picUmaAll_[i] = LoadPicture(picUmaAllPath(s), {240, 256});
    }
}

const FrmPicture& frmPicture()
{
    static const FrmPicture store;
    return store;
}

}  // namespace kestrova
