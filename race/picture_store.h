#pragma once
// frmPicture: the race's store of small pictures, never shown. Every drawing of the race
// copies rectangles out of these.

#include <QImage>

#include <array>
#include <cstdint>

namespace kestrova {

class FrmPicture {
public:
    // Loads the turf (s = 0) and dirt (s = 1) pictures from the program's resources.
    FrmPicture();

    // Any s other than 0 selects dirt, as the dirt flag of the race conditions does.
    const QImage& picBaba(int16_t s) const { return picBaba_[Index(s)]; }
    const QImage& picSaku(int16_t s) const { return picSaku_[Index(s)]; }
    const QImage& picGoal(int16_t s) const { return picGoal_[Index(s)]; }
    const QImage& picUmaAll(int16_t s) const { return picUmaAll_[Index(s)]; }

private:
    static std::size_t Index(int16_t s) { return s == 0 ? 0 : 1; }

    std::array<QImage, 2> picBaba_;
    std::array<QImage, 2> picSaku_;
    std::array<QImage, 2> picGoal_;
    std::array<QImage, 2> picUmaAll_;
};

// The one store of the program, loaded on first use.
const FrmPicture& frmPicture();

}  // namespace kestrova
