#pragma once
// frmRace: the race window. It shows the race view, drawn off-screen, in the picture box
// Picture2 and keeps the seven debugging readouts, which the player never sees.

#include "race/race_picture_view.h"

#include <QFrame>
#include <QWidget>

#include <array>

class QLabel;

namespace kestrova {

// Shows the off-screen view pixel for pixel inside a 2-pixel sunken border; at a higher
// device pixel ratio every view pixel becomes a block, never a blur.
class RaceViewBox final : public QFrame {
public:
    RaceViewBox(const QImage& view, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage& view_;
};

class FrmRace final : public QWidget {
    Q_OBJECT
public:
    // Installs the window's view as the race view.
    FrmRace();
    ~FrmRace() override;

    const RacePictureView& View() const { return view_; }
    QFrame* Picture2() const { return picture2_; }
    // Label1 to Label7: n is 1 to 7.
    QLabel* Label(int n) const { return labels_.at(static_cast<std::size_t>(n - 1)); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowReadouts(const RaceReadouts& readouts);

    RacePictureView view_;
    RaceViewBox* picture2_ = nullptr;
    std::array<QLabel*, 7> labels_{};
};

}  // namespace kestrova
