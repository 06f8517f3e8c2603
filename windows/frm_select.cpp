#include "windows/frm_select.h"

#include "foundation/game_state.h"
#include "foundation/text_helpers.h"
#include "windows/window_look.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>
#include <limits>

namespace kestrova {
namespace {

enum Row { kName, kSex, kCoat, kSire, kDam, kQua, kSpe, kSpi, kSta, kTeki, kDart, kRowCount };

struct RowLayout {
    const char16_t* legend;
    int legendLeft;
    std::array<int, 3> tops;  // gates 0-1, gate 2, gates 3-7
};

constexpr std::array<RowLayout, kRowCount> kRows = {{
    {u"馬名", 360, {576, 600, 600}},
    {u"性別", 120, {864, 960, 885}},
    {u"毛色", 120, {1152, 1320, 1170}},
    {u"父馬", 120, {1440, 1680, 1470}},
    {u"母馬", 120, {1728, 2040, 1755}},
    {u"脚質", 120, {2040, 2400, 2070}},
    {u"末脚スピード", 120, {2352, 2760, 2370}},
    {u"勝負根性", 120, {2664, 3120, 2685}},
    {u"スタミナ(20～40)", 120, {2976, 3480, 3000}},
    {u"距離適性(0:影響 1:万能)", 120, {3312, 3840, 3330}},
    {u"ダート適性", 120, {3696, 4200, 3720}},
}};

int Top(Row row, int gate) { return kRows[row].tops[gate < 2 ? 0 : gate == 2 ? 1 : 2]; }
int WordLeft(int gate) { return 1320 + 1560 * gate; }
int ValueLeft(int gate) { return 2400 + 1560 * gate; }

QLabel* BoxedLabel(QWidget* parent, const QString& text, QRect twips)
{
    auto* label = new QLabel(text, parent);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setGeometry(twips);
    return label;
}

QLineEdit* TextBox(QWidget* parent, const QString& text, QRect twips)
{
    auto* box = new QLineEdit(text, parent);
    box->setGeometry(twips);
    return box;
}

// A text that is not a number, or does not fit 16 bits, leaves the value as it was.
void ApplyNumber(const QLineEdit* box, int16_t& value)
{
    bool ok = false;
    const double number = box->text().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number)) return;
    const double rounded = std::nearbyint(number);  // halves to the even neighbour
    if (rounded < std::numeric_limits<int16_t>::min() || rounded > std::numeric_limits<int16_t>::max()) return;
    value = static_cast<int16_t>(rounded);
}

}  // namespace

FrmSelect::FrmSelect(QWidget* owner) : QWidget(owner)
{
    MakeFixedWindow(*this, QStringLiteral("デバック用"), {962, 346});
    BuildConditions();
    BuildLegends();
    for (int gate = 0; gate < kGateCount; ++gate) BuildColumn(gate);
}

void FrmSelect::BuildConditions()
{
    (new QLabel(QStringLiteral("距離"), this))->move(720 / kTwipsPerPixel, 144 / kTwipsPerPixel);
    auto* surface = new QFrame(this);
    surface->setGeometry(TwipRect(1320, 0, 1452, 444));
    surface->setEnabled(false);
    option1_[0] = new QRadioButton(QStringLiteral("芝"), surface);
    option1_[0]->move(120 / kTwipsPerPixel, 144 / kTwipsPerPixel);
    option1_[0]->setChecked(true);
    option1_[1] = new QRadioButton(QStringLiteral("ダート"), surface);
    option1_[1]->move(600 / kTwipsPerPixel, 144 / kTwipsPerPixel);
    txtDest_ = TextBox(this, QStringLiteral("12"), TwipRect(2880, 120, 492, 264));
    txtDest_->setEnabled(false);
    (new QLabel(QStringLiteral("×100"), this))->move(3480 / kTwipsPerPixel, 192 / kTwipsPerPixel);
    command1_ = new QPushButton(QStringLiteral("値を反映する"), this);
    command1_->setGeometry(TwipRect(12720, 120, 1575, 450));
    connect(command1_, &QPushButton::clicked, this, &FrmSelect::Apply);
}

void FrmSelect::BuildLegends()
{
    for (int row = 0; row < kRowCount; ++row) {
        auto* legend = new QLabel(QString::fromUtf16(kRows[row].legend), this);
        legend->move(kRows[row].legendLeft / kTwipsPerPixel, kRows[row].tops[0] / kTwipsPerPixel);
    }
    auto* codes = new QLabel(QStringLiteral("0：得意 １：こなす 2：下手 3：得意だが芝が下手"), this);
    codes->move(600 / kTwipsPerPixel, 4104 / kTwipsPerPixel);
}

void FrmSelect::BuildColumn(int gate)
{
    GateColumn& c = columns_[static_cast<std::size_t>(gate)];
    const int word = WordLeft(gate), value = ValueLeft(gate);
    const auto at = [gate](Row row) { return Top(row, gate); };
    c.lblName = BoxedLabel(this, QStringLiteral("テストテストテスト"), TwipRect(word, at(kName), 1455, 255));
    c.lblSeiStr = BoxedLabel(this, QStringLiteral("牡"), TwipRect(word, at(kSex), 255, 255));
    c.lblSei = BoxedLabel(this, QStringLiteral("0"), TwipRect(value, at(kSex), 375, 255));
    c.lblKeiStr = BoxedLabel(this, QStringLiteral("黒鹿毛"), TwipRect(word, at(kCoat), 615, 255));
    c.lblKei = BoxedLabel(this, QStringLiteral("0"), TwipRect(value, at(kCoat), 375, 255));
    c.lblfName = BoxedLabel(this, QStringLiteral("テストテストテスト"), TwipRect(word, at(kSire), 1455, 255));
    c.lblmName = BoxedLabel(this, QStringLiteral("てすとてすとてすと"), TwipRect(word, at(kDam), 1455, 255));
    const bool second = gate == 1;
    c.txtQua = TextBox(this, second ? "2" : "0", TwipRect(value, at(kQua), 372, 276));
    c.txtSpe = TextBox(this, "15", TwipRect(value, at(kSpe), 372, 276));
    c.txtSpi = TextBox(this, "15", TwipRect(value, at(kSpi), 372, 276));
    c.txtSta = TextBox(this, second ? "20" : "10", TwipRect(value, at(kSta), 372, 276));
    c.txtTeki = TextBox(this, second ? "1" : "0", TwipRect(value, at(kTeki), 372, 324));
    c.txtDart = TextBox(this, second ? "1" : "0", TwipRect(value, at(kDart), 372, 324));
}

void FrmSelect::Refresh()
{
    for (int gate = 0; gate < kGateCount; ++gate) {
        const UmaEntry& horse = game.umaEntry[static_cast<std::size_t>(gate)];
        const GateColumn& c = columns_[static_cast<std::size_t>(gate)];
        c.lblName->setText(horse.name);
        c.lblfName->setText(horse.fName);
        c.lblmName->setText(horse.mName);
        c.lblSei->setText(QString::number(horse.sex));
        c.lblSeiStr->setText(SeiStr(horse.sex));
        c.lblKei->setText(QString::number(horse.coat));
        c.lblKeiStr->setText(KeiStr(horse.coat));
        c.txtSpe->setText(QString::number(horse.spe));
        c.txtSta->setText(QString::number(horse.sta));
        c.txtSpi->setText(QString::number(horse.spi));
        c.txtQua->setText(QString::number(horse.qua));
        c.txtTeki->setText(QString::number(horse.teki));
        c.txtDart->setText(QString::number(horse.dart));
    }
}

int16_t FrmSelect::CoatCode(int gate) const { return Column(gate).lblKei->text().toShort(); }

void FrmSelect::Apply()
{
    game.raceConditions.dirt = option1_[0]->isChecked() ? 0 : 1;
    ApplyNumber(txtDest_, game.raceConditions.distance);
    for (int gate = 0; gate < 2; ++gate) {
        UmaEntry& horse = game.umaEntry[static_cast<std::size_t>(gate)];
        const GateColumn& c = columns_[static_cast<std::size_t>(gate)];
        ApplyNumber(c.txtSpe, horse.spe);
        ApplyNumber(c.txtSpi, horse.spi);
        ApplyNumber(c.txtQua, horse.qua);
        ApplyNumber(c.txtSta, horse.sta);
        ApplyNumber(c.txtTeki, horse.teki);
        ApplyNumber(c.txtDart, horse.dart);
    }
}

}  // namespace kestrova
