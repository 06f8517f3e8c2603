#include "race/frm_race.h"

#include "foundation/window_protocol.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>

namespace kestrova {
namespace {

constexpr QSize kClientSize{405, 369};
constexpr QPoint kViewBoxAt{8, 8};
constexpr int kBorder = 2;

// Without a title text until the start button gives it the course, fixed in size,
// without a maximise button, on the game's green.
void LookLikeRaceWindow(QWidget& window)
{
    window.setFixedSize(kClientSize);
    window.setWindowFlags((window.windowFlags() | Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint) &
                          ~Qt::WindowMaximizeButtonHint);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(0, 192, 0));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

}  // namespace

RaceViewBox::RaceViewBox(const QImage& view, QWidget* parent) : QFrame(parent), view_(view)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setLineWidth(kBorder);
    setGeometry(QRect(kViewBoxAt, view.size() + QSize(2 * kBorder, 2 * kBorder)));
    // The view covers the whole inside, so nothing behind it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RaceViewBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(contentsRect(), view_);
}

FrmRace::FrmRace()
{
    LookLikeRaceWindow(*this);
    picture2_ = new RaceViewBox(view_.Image(), this);
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i] = new QLabel(picture2_);
        labels_[i]->hide();
    }
    view_.SetPresentHandler([this](const QImage&) { picture2_->update(); });
    view_.SetReadoutsHandler([this](const RaceReadouts& readouts) { ShowReadouts(readouts); });
    SetRaceView(&view_);
}

// A newer race window may already have put its own view in place.
FrmRace::~FrmRace()
{
    if (&CurrentRaceView() == &view_) SetRaceView(nullptr);
}

void FrmRace::ShowReadouts(const RaceReadouts& r)
{
    const std::array<qint64, 7> numbers = {r.umaX0, r.umaSpeed0, r.umaX1, r.umaSpeed1, r.viewShift, r.umaDist0, r.umaDist1};
    for (std::size_t i = 0; i < labels_.size(); ++i) labels_[i]->setText(QString::number(numbers[i]));
}

void FrmRace::closeEvent(QCloseEvent* event)
{
    EndProgramIfClosedByPlayer();
    event->accept();
}

}  // namespace kestrova
