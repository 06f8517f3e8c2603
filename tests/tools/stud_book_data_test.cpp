// The committed stud book: its packed files match its source, every record reads,
// and its bloodlines meet the inbreeding targets.

#include "foundation/data_folder.h"
#include "foundation/game_state.h"
#include "foundation/stud_book_format.h"
#include "foundation/stud_book_reader.h"
#include "tools/inbreeding_stats.h"
#include "tools/stud_book_source.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace kestrova::tool {
namespace {

const QString kDataFolder = QStringLiteral(KESTROVA_SOURCE_DATA_DIR);

QByteArray Committed(int16_t fileNo)
{
    QFile file(QDir(kDataFolder).filePath(QString::fromLatin1(LayoutOf(fileNo).fileName)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int RecordsOf(int16_t fileNo) { return static_cast<int>(Committed(fileNo).size() / LayoutOf(fileNo).recordLength); }

class StudBookData : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGameState();
        SetDataFolder(kDataFolder);
    }
    void TearDown() override
    {
        SetDataFolder({});
        ResetGameState();
    }
};

TEST_F(StudBookData, PackingTheSourceReproducesTheCommittedFiles)
{
    const std::array<QByteArray, 3> packed = PackStudBook(LoadStudBookSource(kDataFolder));
    for (int16_t fileNo = 0; fileNo < kStudBookFileCount; ++fileNo)
        EXPECT_TRUE(packed[static_cast<std::size_t>(fileNo)] == Committed(fileNo))
            << LayoutOf(fileNo).fileName << " is stale: run kestrova-tool studbook pack";
}

TEST_F(StudBookData, EveryRecordReadsBack)
{
    for (int16_t fileNo = 0; fileNo < kStudBookFileCount; ++fileNo)
        for (int i = 0; i < RecordsOf(fileNo); ++i) ReadStudBook(fileNo, i);
    EXPECT_GE(RecordsOf(kStallionFile), 33);
    EXPECT_GE(RecordsOf(kMareFile), 32);
    EXPECT_GE(RecordsOf(kAncestorFile), 456);
}

TEST_F(StudBookData, MeetsTheInbreedingTargets)
{
    for (const StatTarget& target : TargetsOf(MeasureInbreeding(RecordsOf(kStallionFile), RecordsOf(kMareFile))))
        EXPECT_TRUE(target.Met()) << target.what << ": " << target.value;
}

}  // namespace
}  // namespace kestrova::tool
