#include "foundation/stud_book_reader.h"

#include "tests/support/stud_book_fixture.h"

namespace kestrova {
namespace {

using testing::EndsTheProgram;

class StudBookReader : public testing::StudBookFixture {};

const QString kStallion = u"ハヤテノツバサ,20,22,18,3,7,12,0,1,2"_qs;
const QString kMare = u"マリンノクターン,16,14,14,2,5,13,1"_qs;

TEST_F(StudBookReader, ReadsEveryFieldOfAStallionAndAMare)
{
    WriteRecords(kStallionFile, {u"ダミー,1,1,1,1,1,1,1,1,1"_qs, kStallion});
    WriteRecords(kMareFile, {kMare});
    ReadStudBook(kStallionFile, 1);
    ReadStudBook(kMareFile, 0);
    const StudBookBuffers& b = game.studBook;
    EXPECT_EQ(b.uma1Name, u"ハヤテノツバサ"_qs);
    EXPECT_EQ((std::array{b.uma1Spe, b.uma1Sta, b.uma1Spi, b.uma1Range, b.uma1Seed}),
              (std::array<int16_t, 5>{20, 22, 18, 3, 7}));
    EXPECT_EQ(b.uma1No, 12);
    EXPECT_EQ((std::array{b.uma1Kei, b.uma1QuaType, b.uma1DartType}), (std::array<int16_t, 3>{0, 1, 2}));
    EXPECT_EQ(b.uma2Name, u"マリンノクターン"_qs);
    EXPECT_EQ((std::array{b.uma2Spe, b.uma2Sta, b.uma2Spi, b.uma2Range, b.uma2Seed, b.uma2Kei}),
              (std::array<int16_t, 6>{16, 14, 14, 2, 5, 1}));
    EXPECT_EQ(b.uma2No, 13);
    EXPECT_EQ(fatalErrors, 0);
}

TEST_F(StudBookReader, AncestorFields)
{
    struct Case {
        QString text;
        QString name, name2, fNo, mNo;
    };
    const Case cases[] = {
        {u"A,B,0,0"_qs, "A", "B", "0", "0"},
        {u"A,,12,0"_qs, "A", "", "12", "0"},
        {u"A,,0,0,"_qs, "A", "", "0", "0"},  // a trailing comma adds an empty fifth field
        {u"A,B"_qs, "A", "B", "", ""},       // missing fields become empty text
        {u"A,B,1,2,5,6,7,8,9,10,11"_qs, "A", "B", "1", "2"},  // eleven fields read
        {QString(35, QChar(u'ア')), QString(35, QChar(u'ア')), "", "", ""},  // a payload with no terminator
    };
    QStringList texts;
    for (const Case& c : cases) texts.append(c.text);
    WriteRecords(kAncestorFile, texts);
    for (int i = 0; i < int(std::size(cases)); ++i) {
        ReadStudBook(kAncestorFile, i);
        const StudBookBuffers& b = game.studBook;
        EXPECT_EQ((QStringList{b.uma3Name, b.uma3Name2, b.uma3FNo, b.uma3MNo}),
                  (QStringList{cases[i].name, cases[i].name2, cases[i].fNo, cases[i].mNo}))
            << qUtf8Printable(cases[i].text);
    }
    EXPECT_EQ(fatalErrors, 0);
}

TEST_F(StudBookReader, ReadingOneFileLeavesTheOthersBuffersAlone)
{
    WriteRecords(kStallionFile, {kStallion});
    WriteRecords(kAncestorFile, {u"A,B,1,2"_qs});
    game.studBook.uma2Name = u"そのまま"_qs;
    game.studBook.uma3Name = u"そのまま"_qs;
    ReadStudBook(kStallionFile, 0);
    EXPECT_EQ(game.studBook.uma2Name, u"そのまま"_qs);
    EXPECT_EQ(game.studBook.uma3Name, u"そのまま"_qs);
}

TEST_F(StudBookReader, BadRecordsTakeTheFatalPath)
{
    const std::pair<int16_t, QString> bad[] = {
        {kAncestorFile, u"A,B,1,2,5,6,7,8,9,10,11,12"_qs},  // a twelfth field
        {kStallionFile, u"A,40000,1,1,1,1,1,1,1,1"_qs},     // does not fit 16 bits
        {kStallionFile, u"A,,1,1,1,1,1,1,1,1"_qs},          // empty numeric field
        {kStallionFile, u"A,1,1,1,1,1,1,1,1"_qs},           // numeric field missing
        {kMareFile, u"A,1,x,1,1,1,1,1"_qs},                 // not a number
        {kMareFile, u"A,1,1,1,1,1,9999999999,1"_qs},        // does not fit 32 bits
        {kMareFile, u"A,1, 1,1,1,1,1,1"_qs},                // only plain digits
        {kMareFile, u"A,1,-,1,1,1,1,1"_qs},
    };
    for (const auto& [fileNo, text] : bad) {
        WriteRecords(fileNo, {text});
        EXPECT_TRUE(EndsTheProgram([&] { ReadStudBook(fileNo, 0); })) << qUtf8Printable(text);
    }
    EXPECT_EQ(fatalErrors, int(std::size(bad)));
    EXPECT_EQ(lastTitle, u"実行エラー"_qs);
    EXPECT_EQ(lastText, u"予期せぬエラーが発生しました。\r\n強制終了します。"_qs);
}

TEST_F(StudBookReader, NegativeValuesAreRead)
{
    WriteRecords(kStallionFile, {u"A,-5,1,1,1,-32768,-7,1,1,1"_qs});
    ReadStudBook(kStallionFile, 0);
    EXPECT_EQ(game.studBook.uma1Spe, -5);
    EXPECT_EQ(game.studBook.uma1Seed, -32768);
    EXPECT_EQ(game.studBook.uma1No, -7);
}

TEST_F(StudBookReader, DamagedOrMissingFilesTakeTheFatalPath)
{
    WriteRecords(kAncestorFile, {u"A,B,0,0"_qs, u"C,D,0,0"_qs});
    EXPECT_TRUE(EndsTheProgram([] { ReadStudBook(kAncestorFile, -1); }));  // record number 0 passed on
    EXPECT_TRUE(EndsTheProgram([] { ReadStudBook(kAncestorFile, 2); }));   // past the end
    EXPECT_TRUE(EndsTheProgram([] { ReadStudBook(kMareFile, 0); }));       // no such file

    QByteArray bytes = *PackRecord(kAncestorFile, u"A,B,0,0"_qs);
    bytes[3] = static_cast<char>(bytes[3] ^ 0x01);  // payload changed, check byte not
    WriteBytes(kAncestorFile, bytes);
    EXPECT_TRUE(EndsTheProgram([] { ReadStudBook(kAncestorFile, 0); }));

    WriteBytes(kAncestorFile, bytes.first(40));  // truncated record
    EXPECT_TRUE(EndsTheProgram([] { ReadStudBook(kAncestorFile, 0); }));
    EXPECT_EQ(fatalErrors, 5);
}

TEST(StudBookFormat, PackedRecordsHaveTheFixedLengthAndRoundTrip)
{
    for (int16_t fileNo = 0; fileNo < kStudBookFileCount; ++fileNo) {
        const StudBookLayout& layout = LayoutOf(fileNo);
        const QString text = QString(layout.payloadUnits, QChar(u'ウ'));
        QByteArray record = *PackRecord(fileNo, text);
        ASSERT_EQ(record.size(), layout.recordLength);
        EXPECT_EQ(CheckByte(record.first(record.size() - 1)), static_cast<uint8_t>(record.back()));
        QByteArray payload = record.first(record.size() - 1);
        UnscrambleRecord(payload);
        EXPECT_EQ(DecodePayload(payload), text);
        EXPECT_FALSE(PackRecord(fileNo, text + QChar(u'ウ')).has_value());
    }
}

TEST(StudBookFormat, KeyStream)
{
    // "A" (0x0041) stored under the first two key bytes: 'M' - 28 and 28.
    QByteArray payload("\x41\x00", 2);
    UnscrambleRecord(payload);
    EXPECT_EQ(static_cast<uint8_t>(payload[0]), 0x41 ^ ('M' - 28));
    EXPECT_EQ(static_cast<uint8_t>(payload[1]), 28);
    // The key repeats after 17 characters (34 bytes).
    QByteArray zeros(36, '\0');
    UnscrambleRecord(zeros);
    EXPECT_EQ(zeros[34], zeros[0]);
}

}  // namespace
}  // namespace kestrova
