#include "windows/frm_hyo.h"

#include "breeding/pedigree.h"
#include "foundation/game_state.h"
#include "foundation/text_helpers.h"
#include "foundation/window_protocol.h"
#include "windows/window_look.h"

#include <QLabel>
#include <QPushButton>

namespace kestrova {
namespace {

constexpr uint32_t kSystemColourBit = 0x80000000u;
constexpr uint32_t kButtonTextIndex = 18;

const QString kOnceColour = QStringLiteral("&H80000012");
const QString kOneSideColour = QStringLiteral("&H00FF0000");
const QString kBothSidesColour = QStringLiteral("&H000000FF");

// Each box spans exactly the two boxes of its parents, sire above dam.
QRect SlotRect(int slot)
{
    if (slot <= 2) return TwipRect(240, 570 + 1920 * (slot - 1), 1575, 1935);
    if (slot <= 6) return TwipRect(1800, 570 + 960 * (slot - 3), 1575, 975);
    if (slot <= 14) return TwipRect(3360, 570 + 480 * (slot - 7), 1575, 495);
    return TwipRect(4920, 570 + 240 * (slot - 15), 1575, 255);
}

QLabel* BoxedLabel(QWidget* parent, const QString& text, QRect rect)
{
    auto* label = new QLabel(text, parent);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setGeometry(rect);
    return label;
}

const QString& ColourLiteralFor(int16_t cross)
{
    if (cross == 0) return kOnceColour;
    return cross == 1 ? kOneSideColour : kBothSidesColour;
}

}  // namespace

QColor ColourFromLiteral(const QString& literal, const QPalette& palette)
{
    const uint32_t value = literal.mid(2).toUInt(nullptr, 16);
    if (value & kSystemColourBit)
        return (value & 0xFFu) == kButtonTextIndex ? palette.color(QPalette::ButtonText) : palette.color(QPalette::WindowText);
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF), static_cast<int>((value >> 16) & 0xFF));
}

FrmHyo::FrmHyo(QWidget* owner) : QDialog(owner)
{
    MakeFixedWindow(*this, QStringLiteral("血統表"), {453, 309});
    PaintBackground(*this, kWindowGreen);
    command1_ = new QPushButton(QStringLiteral("閉じる"), this);
    command1_->setGeometry(TwipRect(5640, 240, 852, 252));
    MakeWhiteButton(*command1_);
    connect(command1_, &QPushButton::clicked, this, &QDialog::accept);
    label1_[0] = BoxedLabel(this, QStringLiteral("あいうえおかきくけ"), TwipRect(240, 165, 1575, 255));
    label2_ = BoxedLabel(this, QStringLiteral("牡"), TwipRect(1800, 165, 255, 255));
    label3_ = BoxedLabel(this, QStringLiteral("黒鹿毛"), TwipRect(2040, 165, 615, 255));
    BuildSlots();
    Load();
}

void FrmHyo::BuildSlots()
{
    for (int slot = 1; slot <= 30; ++slot) {
        label1_[static_cast<std::size_t>(slot)] = BoxedLabel(this, QStringLiteral("あいうえおかきくけ"), SlotRect(slot));
        label1_[static_cast<std::size_t>(slot)]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void FrmHyo::Load()
{
    MarkWindowLoaded();
    const UmaEntry& horse = game.umaEntry.at(static_cast<std::size_t>(game.menuGate));
    label1_[0]->setText(horse.name);
    label2_->setText(SeiStr(horse.sex));
    label3_->setText(KeiStr(horse.coat));
    BuildPedigree();
    for (int slot = 1; slot <= 30; ++slot) {
        QLabel* box = label1_[static_cast<std::size_t>(slot)];
        QPalette palette = box->palette();
        palette.setColor(QPalette::WindowText, ColourFromLiteral(ColourLiteralFor(game.pedigree.hyoCross[slot]), palette));
        box->setPalette(palette);
        box->setText(game.pedigree.hyoName[static_cast<std::size_t>(slot)]);
    }
}

}  // namespace kestrova
