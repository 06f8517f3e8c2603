#include "race/race_picture_view.h"

#include "race/bit_blt.h"
#include "race/picture_store.h"

#include <QPainter>

namespace kestrova {
namespace {

constexpr int kTileWidth = 32;
constexpr int kColumnWidth = 8;  // the rail and the goal move by this much per step
constexpr int kStripWidth = 240;
constexpr int kGoalLeft = 352;
constexpr int kFeedX = kViewWidth - kColumnWidth;

// Start with black rather than undefined memory, so every frame is reproducible.
QImage BlackPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::black);
    return picture;
}

bool PostTileAt(int k) { return k % 3 == 2; }

}  // namespace

RacePictureView::RacePictureView() : image_(BlackPicture(kViewWidth, kViewHeight))
{
    for (QImage& strip : picture1_) strip = BlackPicture(kStripWidth, kSpriteHeight);
}

void RacePictureView::DrawStartingPicture(int16_t dirt, const PerGate<int16_t>& coats)
{
    DrawRailRow(dirt);
    Present();
    PaintTrack(dirt);
    FillSpriteStrips(dirt, coats);
}

void RacePictureView::DrawRailRow(int16_t dirt)
{
    const QImage& saku = frmPicture().picSaku(dirt);
    for (int k = 0; k < kViewWidth / kTileWidth; ++k)
        BitBlt(image_, kTileWidth * k, 0, kTileWidth, kRailHeight, saku, PostTileAt(k) ? kTileWidth : 0, 0);
}

// The surface picture is one colour, so stretching it over a rectangle that runs past the
// right and bottom edges leaves every track pixel exactly that colour.
void RacePictureView::PaintTrack(int16_t dirt)
{
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(0, kRailHeight, kViewWidth, kViewHeight), frmPicture().picBaba(dirt));
}

void RacePictureView::FillSpriteStrips(int16_t dirt, const PerGate<int16_t>& coats)
{
    const QImage& sheet = frmPicture().picUmaAll(dirt);
    for (std::size_t g = 0; g < picture1_.size(); ++g)
        BitBlt(picture1_[g], 0, 0, kStripWidth, kSpriteHeight, sheet, 0, kSpriteHeight * coats[g]);
}

void RacePictureView::ShowReadouts(const RaceReadouts& readouts)
{
    if (onReadouts_) onReadouts_(readouts);
}

void RacePictureView::EraseRunner(int16_t dirt, int16_t gate, int32_t x)
{
    BitBlt(image_, x, LaneY(gate), kSpriteWidth, kSpriteHeight, frmPicture().picBaba(dirt), 0, 0);
}

void RacePictureView::DrawRunner(int16_t gate, int32_t x, int32_t cell)
{
    BitBlt(image_, x, LaneY(gate), kSpriteWidth, kSpriteHeight, Picture1(gate), kSpriteWidth * cell, 0);
}

void RacePictureView::ScrollRail(int16_t dirt, int16_t sourceX, bool postTile)
{
    BitBlt(image_, 0, 0, kFeedX, kRailHeight, image_, kColumnWidth, 0);
    const int tileX = postTile ? kTileWidth : 0;
    BitBlt(image_, kFeedX, 0, kColumnWidth, kRailHeight, frmPicture().picSaku(dirt), sourceX + tileX, 0);
}

// The fed column is 64 rows tall but the goal tile only 24: the rows below it are
// dropped like any pixels outside a source, so they keep the track that lies there.
void RacePictureView::FeedGoalColumn(int16_t dirt, int16_t offset)
{
    BitBlt(image_, kGoalLeft, 0, kFeedX - kGoalLeft, 40, image_, kGoalLeft + kColumnWidth, 0);
    BitBlt(image_, kFeedX, 0, kColumnWidth, 64, frmPicture().picGoal(dirt), offset, 0);
}

void RacePictureView::Present()
{
    if (onPresent_) onPresent_(image_);
}

}  // namespace kestrova
