#include "windows/frm_result.h"

#include "foundation/game_state.h"
#include "foundation/window_protocol.h"
#include "race/margin_words.h"
#include "race/race_state.h"
#include "windows/window_look.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace kestrova {
namespace {

struct PlaceLayout {
    const char16_t* caption;
    QRect label;   // place label, twips on the inner panel
    QRect picture;
};

// Places 1 to 3 get the large boxes, 4 to 8 the small ones; each margin label stands
// right of its place's picture.
const std::array<PlaceLayout, 8> kPlaces = {{
    {u"1着", TwipRect(240, 240, 375, 255), TwipRect(720, 240, 1395, 1335)},
    {u"2着", TwipRect(240, 1800, 375, 255), TwipRect(720, 1800, 1395, 1335)},
    {u"3着", TwipRect(240, 3360, 375, 255), TwipRect(720, 3360, 1395, 1335)},
    {u"4着", TwipRect(3720, 240, 375, 255), TwipRect(4200, 240, 915, 855)},
    {u"5着", TwipRect(3720, 1440, 375, 255), TwipRect(4200, 1440, 915, 855)},
    {u"6着", TwipRect(3720, 2520, 375, 255), TwipRect(4200, 2520, 915, 855)},
    {u"7着", TwipRect(3720, 3720, 375, 255), TwipRect(4200, 3720, 915, 855)},
    {u"8着", TwipRect(3720, 4920, 375, 255), TwipRect(4200, 4920, 915, 855)},
}};
const std::array<QRect, 7> kMargins = {TwipRect(2280, 1800, 735, 255), TwipRect(2280, 3360, 735, 255),
                                       TwipRect(5280, 240, 735, 255),  TwipRect(5280, 1440, 735, 255),
                                       TwipRect(5280, 2520, 735, 255), TwipRect(5280, 3720, 735, 255),
                                       TwipRect(5280, 4920, 735, 255)};

QLabel* WhiteLabel(QWidget* parent, const QString& text, QRect rect)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(rect);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

}  // namespace

FrmResult::FrmResult(const GateShowing& gates, std::function<void(QPoint)> back) : back_(std::move(back))
{
    setAttribute(Qt::WA_DeleteOnClose);
    MakeFixedWindow(*this, QStringLiteral("レース結果"), {541, 499});
    PaintBackground(*this, kWindowGreen);
    auto* title = new QLabel(QStringLiteral("レース結果"), this);
    title->setGeometry(TwipRect(360, 240, 2295, 375));
    title->setFont(LegacyGothic(12, true));
    label3_ = new QLabel(QStringLiteral("芝2000m"), this);
    label3_->setGeometry(TwipRect(2880, 360, 1215, 210));
    label3_->setAlignment(Qt::AlignCenter);
    command1_ = new QPushButton(QStringLiteral("戻る"), this);
    command1_->setGeometry(TwipRect(6600, 240, 1215, 375));
    MakeWhiteButton(*command1_);
    connect(command1_, &QPushButton::clicked, this, [this] { CloseByProgram([this] { close(); }); });

    auto* frame2 = new QWidget(this);
    frame2->setGeometry(TwipRect(240, 840, 7575, 6375));
    PaintBackground(*frame2, Qt::white);
    auto* frame1 = new QWidget(frame2);
    frame1->setGeometry(TwipRect(240, 240, 7095, 5940));
    PaintBackground(*frame1, kWindowGreen);
    BuildPlaces(frame1);
    Load(gates);
}

void FrmResult::BuildPlaces(QWidget* frame1)
{
    for (std::size_t k = 0; k < kPlaces.size(); ++k) {
        WhiteLabel(frame1, QString::fromUtf16(kPlaces[k].caption), kPlaces[k].label);
        image1_[k] = new QLabel(frame1);
        image1_[k]->setGeometry(kPlaces[k].picture);
        image1_[k]->setFrameStyle(QFrame::Box | QFrame::Plain);
        image1_[k]->setScaledContents(true);
        // The names are kept, never shown: they lie below the client area.
        label8_[k] = new QLabel(this);
        label8_[k]->setGeometry(TwipRect(360, 7800 + 480 * static_cast<int>(k), 3135, 300));
        label8_[k]->hide();
    }
    for (std::size_t k = 0; k < kMargins.size(); ++k) {
        label6_[k] = WhiteLabel(frame1, QStringLiteral("1馬身未満"), kMargins[k]);
        label6_[k]->setFont(LegacyGothic(7.5));
    }
}

void FrmResult::Load(const GateShowing& gates)
{
    MarkWindowLoaded();
    label3_->setText(CourseText(game.raceConditions.distance, game.raceConditions.dirt));
    for (std::size_t k = 0; k < 8; ++k) {
        const auto gate = static_cast<std::size_t>(game.orderGate[k]);
        label8_[k]->setText(gates.names.at(gate));
        image1_[k]->setPixmap(QPixmap::fromImage(gates.pictures.at(gate)));
    }
    for (std::size_t k = 0; k < label6_.size(); ++k) label6_[k]->setText(ChakusaText(race.chakusa[k]));
}

void FrmResult::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (EndProgramIfClosedByPlayer()) return;
    if (back_) back_(pos());
}

}  // namespace kestrova
