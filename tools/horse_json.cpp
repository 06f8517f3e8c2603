#include "tools/horse_json.h"

#include "foundation/text_helpers.h"
#include "tools/grid_file.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace kestrova::tool {
namespace {

void AddEntry(QJsonObject& o, const UmaEntry& horse)
{
    o[QStringLiteral("name")] = horse.name;
    o[QStringLiteral("sex")] = horse.sex;
    o[QStringLiteral("coat")] = horse.coat;
    o[QStringLiteral("qua")] = horse.qua;
    o[QStringLiteral("spe")] = horse.spe;
    o[QStringLiteral("sta")] = horse.sta;
    o[QStringLiteral("spi")] = horse.spi;
    o[QStringLiteral("teki")] = horse.teki;
    o[QStringLiteral("dart")] = horse.dart;
    o[QStringLiteral("fNo")] = horse.fNo;
    o[QStringLiteral("mNo")] = horse.mNo;
    o[QStringLiteral("fName")] = horse.fName;
    o[QStringLiteral("mName")] = horse.mName;
    o[QStringLiteral("seiStr")] = SeiStr(horse.sex);
    o[QStringLiteral("keiStr")] = KeiStr(horse.coat);
}

void AddWorkings(QJsonObject& o, const HorseWorkings& w)
{
    const CanvasStatistics& c = w.canvas;
    o[QStringLiteral("leftEdgeSum")] = c.leftEdgeSum;
    o[QStringLiteral("topEdgeSum")] = c.topEdgeSum;
    o[QStringLiteral("colorKinds")] = c.colorKinds;
    o[QStringLiteral("histWeight")] = c.histWeight;
    o[QStringLiteral("fPick")] = c.fPick;
    o[QStringLiteral("mPick")] = c.mPick;
    o[QStringLiteral("colorTotal")] = c.colorTotal;
    o[QStringLiteral("absTotal")] = c.absTotal;
    o[QStringLiteral("fRec")] = c.fRec;
    o[QStringLiteral("mRec")] = c.mRec;
    o[QStringLiteral("hist5Sum")] = c.hist5Sum;
    o[QStringLiteral("hist7Sum")] = c.hist7Sum;
    o[QStringLiteral("hist11Sum")] = c.hist11Sum;
    o[QStringLiteral("coatKey")] = c.coatKey;
    o[QStringLiteral("dartKey")] = c.dartKey;
    o[QStringLiteral("quaKey")] = c.quaKey;
    const AbilityDraws& d = w.draws;
    o[QStringLiteral("speNum")] = d.speNum;
    o[QStringLiteral("staNum")] = d.staNum;
    o[QStringLiteral("speMid")] = d.speMid;
    o[QStringLiteral("spiMid")] = d.spiMid;
    o[QStringLiteral("speSpread")] = d.speSpread;
    o[QStringLiteral("staSpread")] = d.staSpread;
    o[QStringLiteral("spiSpread")] = d.spiSpread;
    o[QStringLiteral("inbred")] = d.inbred;
}

// Slot s is element s - 1; cross entries only as many as are in use.
void AddPedigree(QJsonObject& o, const PedigreeTables& p)
{
    QJsonArray hyoNo, hyoName, hyoCross;
    for (int slot = 1; slot < kPedigreeSlots; ++slot) {
        hyoNo.append(p.hyoNo[static_cast<std::size_t>(slot)]);
        hyoName.append(p.hyoName[static_cast<std::size_t>(slot)]);
        hyoCross.append(p.hyoCross[static_cast<std::size_t>(slot)]);
    }
    QJsonArray crossNo, crossKind, crossBlood;
    for (int k = 0; k < p.crossCount; ++k) {
        crossNo.append(p.crossNo[static_cast<std::size_t>(k)]);
        crossKind.append(p.crossKind[static_cast<std::size_t>(k)]);
        crossBlood.append(p.crossBlood[static_cast<std::size_t>(k)]);
    }
    o[QStringLiteral("hyoNo")] = hyoNo;
    o[QStringLiteral("hyoName")] = hyoName;
    o[QStringLiteral("hyoCross")] = hyoCross;
    o[QStringLiteral("crossNo")] = crossNo;
    o[QStringLiteral("crossKind")] = crossKind;
    o[QStringLiteral("crossBlood")] = crossBlood;
    o[QStringLiteral("crossCount")] = p.crossCount;
}

}  // namespace

QJsonObject HorseJson(const UmaEntry& horse, const HorseWorkings& workings, const PedigreeTables& pedigree,
                      const ColourGrid& grid)
{
    QJsonObject o;
    AddEntry(o, horse);
    AddWorkings(o, workings);
    AddPedigree(o, pedigree);
    o[QStringLiteral("grid")] = QJsonArray::fromStringList(GridLines(grid));
    return o;
}

QByteArray HorseJsonLine(const QJsonObject& horse) { return QJsonDocument(horse).toJson(QJsonDocument::Compact); }

}  // namespace kestrova::tool
