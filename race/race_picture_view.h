#pragma once
// The race view drawn on an off-screen picture by copying rectangles out of the picture
// store. Whoever shows it on the screen listens for presents and readouts.

#include "race/race_view.h"

#include <QImage>

#include <functional>

namespace kestrova {

constexpr int kViewWidth = 384;
constexpr int kViewHeight = 350;
constexpr int kRailHeight = 24;
constexpr int kSpriteWidth = 48;
constexpr int kSpriteHeight = 32;

// The top row of gate g's lane.
constexpr int LaneY(int gate) { return 40 * gate + 32; }

class RacePictureView final : public RaceView {
public:
    using PresentHandler = std::function<void(const QImage& view)>;
    using ReadoutsHandler = std::function<void(const RaceReadouts& readouts)>;

    RacePictureView();

    void DrawStartingPicture(int16_t dirt, const PerGate<int16_t>& coats) override;
    void ShowReadouts(const RaceReadouts& readouts) override;
    void EraseRunner(int16_t dirt, int16_t gate, int32_t x) override;
    void DrawRunner(int16_t gate, int32_t x, int32_t cell) override;
    void ScrollRail(int16_t dirt, int16_t sourceX, bool postTile) override;
    void FeedGoalColumn(int16_t dirt, int16_t offset) override;
    void Present() override;

    void SetPresentHandler(PresentHandler handler) { onPresent_ = std::move(handler); }
    void SetReadoutsHandler(ReadoutsHandler handler) { onReadouts_ = std::move(handler); }

    const QImage& Image() const { return image_; }
    // Picture1(g): gate g's row of the sprite sheet for the current race.
    const QImage& Picture1(int16_t gate) const { return picture1_.at(static_cast<std::size_t>(gate)); }

private:
    void DrawRailRow(int16_t dirt);
    void PaintTrack(int16_t dirt);
    void FillSpriteStrips(int16_t dirt, const PerGate<int16_t>& coats);

    QImage image_;
    PerGate<QImage> picture1_;
    PresentHandler onPresent_;
    ReadoutsHandler onReadouts_;
};

}  // namespace kestrova
