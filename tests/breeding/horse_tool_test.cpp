#include "tests/breeding/breeding_fixture.h"
#include "tools/grid_file.h"
#include "tools/horse_json.h"
#include "tools/tool_error.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace kestrova::testing {
namespace {

using tool::GridLines;
using tool::ParseGrid;
using tool::ToolError;

QString GridText(const QString& value, int lines = kCanvasSize, int values = kCanvasSize)
{
    QStringList row;
    for (int x = 0; x < values; ++x) row << value;
    QStringList text;
    for (int y = 0; y < lines; ++y) text << row.join(QChar(u' '));
    return text.join(QChar(u'\n')) + QChar(u'\n');
}

TEST(GridFile, LineIsTheRowAndValueTheColumn)
{
    QStringList lines = GridText(QStringLiteral("0")).split(QChar(u'\n'));
    lines[2] = QStringLiteral("0x1, 0X0000ff ABCDEF") + QStringLiteral(" 0").repeated(29);
    const ColourGrid grid = ParseGrid(lines.join(QChar(u'\n')), QStringLiteral("g"));
    EXPECT_EQ(grid.At(0, 2), 0x1u);
    EXPECT_EQ(grid.At(1, 2), 0xFFu);
    EXPECT_EQ(grid.At(2, 2), 0xABCDEFu);
    EXPECT_EQ(grid.At(2, 1), 0u);
    EXPECT_EQ(ParseGrid(GridLines(grid).join(QChar(u'\n')), QStringLiteral("again")), grid);
    EXPECT_EQ(GridLines(grid)[2].left(20), QStringLiteral("000001 0000ff abcdef"));
}

TEST(GridFile, RefusesAnythingButThirtyTwoByThirtyTwoColours)
{
    for (const QString& text : {GridText(QStringLiteral("0"), 31), GridText(QStringLiteral("0"), 33),
                                GridText(QStringLiteral("0"), 32, 31), GridText(QStringLiteral("1000000")),
                                GridText(QStringLiteral("-1")), GridText(QStringLiteral("green")), GridText(QStringLiteral("0x"))})
        EXPECT_THROW(ParseGrid(text, QStringLiteral("g")), ToolError) << qPrintable(text.left(40));
}

class HorseJsonTest : public BreedingFixture {};

TEST_F(HorseJsonTest, HoldsEveryFieldUnderItsName)
{
    WriteStudBook({{9, QStringLiteral("Example Sire,20,22,18,3,7,1,0,1,0")}}, {{17, QStringLiteral("Example Dam,16,14,14,2,5,2,1")}},
                  {{1, 1}, {2, 2}, {3, 10}, {5, 20}, {7, 240}, {8, 250}, {11, 240}, {12, 250}});
    const ColourGrid grid = UniformGrid(0x00FFFFFF);
    UmaEntry horse;
    const HorseWorkings workings = DeriveHorse(grid, QStringLiteral("白"), horse);
    const QByteArray line = tool::HorseJsonLine(tool::HorseJson(horse, workings, game.pedigree, grid));
    EXPECT_FALSE(line.contains('\n'));
    const QJsonObject o = QJsonDocument::fromJson(line).object();

    for (const char* key : {"name", "sex", "coat", "qua", "spe", "sta", "spi", "teki", "dart", "fNo", "mNo", "fName", "mName",
                            "seiStr", "keiStr", "leftEdgeSum", "topEdgeSum", "colorKinds", "histWeight", "fPick", "mPick",
                            "colorTotal", "absTotal", "fRec", "mRec", "hist5Sum", "hist7Sum", "hist11Sum", "coatKey", "dartKey",
                            "quaKey", "hyoNo", "hyoName", "hyoCross", "crossNo", "crossKind", "crossBlood", "crossCount", "grid"})
        EXPECT_TRUE(o.contains(QLatin1String(key))) << key;
    EXPECT_EQ(o[QStringLiteral("name")].toString(), QStringLiteral("白"));
    EXPECT_EQ(o[QStringLiteral("sta")].toInt(), 31);
    EXPECT_EQ(o[QStringLiteral("seiStr")].toString(), QStringLiteral("牡"));
    EXPECT_EQ(o[QStringLiteral("keiStr")].toString(), QStringLiteral("鹿毛"));
    EXPECT_EQ(o[QStringLiteral("fPick")].toInt(), 184);
    EXPECT_EQ(o[QStringLiteral("mRec")].toInt(), 17);
    const QJsonArray slotNos = o[QStringLiteral("hyoNo")].toArray();
    ASSERT_EQ(slotNos.size(), 30);
    EXPECT_EQ(slotNos[0].toInt(), 1);   // slot 1
    EXPECT_EQ(slotNos[10].toInt(), 240);  // slot 11
    EXPECT_EQ(o[QStringLiteral("hyoCross")].toArray()[6].toInt(), 2);
    EXPECT_EQ(o[QStringLiteral("crossCount")].toInt(), 2);
    EXPECT_EQ(o[QStringLiteral("crossNo")].toArray(), (QJsonArray{240, 250}));
    EXPECT_EQ(o[QStringLiteral("crossBlood")].toArray(), (QJsonArray{25.0, 25.0}));
    const QJsonArray rows = o[QStringLiteral("grid")].toArray();
    ASSERT_EQ(rows.size(), 32);
    EXPECT_EQ(rows[31].toString(), QStringLiteral("ffffff").repeated(1) + QStringLiteral(" ffffff").repeated(31));
}

}  // namespace
}  // namespace kestrova::testing
