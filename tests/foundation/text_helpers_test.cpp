#include "foundation/text_helpers.h"

#include <gtest/gtest.h>

#include <limits>

namespace kestrova {
namespace {

TEST(CodeWords, SexAndCoatCodes)
{
    EXPECT_EQ(SeiStr(0), u"牡");
    EXPECT_EQ(SeiStr(1), u"牝");
    EXPECT_EQ(SeiStr(2), QString::fromUtf16(u"\uFF7E\uFF9D"));
    EXPECT_EQ(KeiStr(0), u"鹿毛");
    EXPECT_EQ(KeiStr(4), u"栃栗毛");
    EXPECT_EQ(KeiStr(7), u"白毛");
    for (int16_t outside : {int16_t(3), int16_t(-1), std::numeric_limits<int16_t>::min()}) EXPECT_TRUE(SeiStr(outside).isEmpty());
    for (int16_t outside : {int16_t(8), int16_t(-1), std::numeric_limits<int16_t>::max()}) EXPECT_TRUE(KeiStr(outside).isEmpty());
}

TEST(CutExt, CutsBeforeTheLastFullStop)
{
    const std::pair<QString, QString> cases[] = {
        {"horse.bmp", "horse"}, {"a.b.jpg", "a.b"}, {"name.", "name"}, {"README", "README"},
        {".bmp", ""},           {"馬．png", "馬．png"},  // a full-width full stop does not count
    };
    for (const auto& [file, name] : cases) EXPECT_EQ(CutExt(file), name) << qUtf8Printable(file);
}

TEST(LeftByByte, CutsToShiftJisBytes)
{
    const QString twenty = QString(20, QChar(u'馬'));
    EXPECT_EQ(LeftByByte(twenty, 18), QString(9, QChar(u'馬')));
    EXPECT_EQ(LeftByByte(u"ウマウマ号"_qs, 18), u"ウマウマ号"_qs);
    EXPECT_EQ(LeftByByte(u"ﾀﾞｰﾄ"_qs, 18), u"ﾀﾞｰﾄ"_qs);  // half-width kana take one byte each
    EXPECT_EQ(LeftByByte(u"abcdefghijklmnopqrstu"_qs, 18), u"abcdefghijklmnopqr"_qs);
    EXPECT_EQ(LeftByByte(u"abc"_qs, 0), QString());
    EXPECT_EQ(LeftByByte(u"abc"_qs, -5), QString());
}

TEST(LeftByByte, SplitCharacterAndCharactersOutsideShiftJis)
{
    // 1 + 9 x 2 bytes: the 18th byte is the first half of the ninth full-width character.
    const QString split = LeftByByte(QStringLiteral("a") + QString(9, QChar(u'馬')), 18);
    EXPECT_TRUE(split.startsWith(QStringLiteral("a") + QString(8, QChar(u'馬'))));
    EXPECT_LE(split.size(), 10);
    EXPECT_FALSE(split.contains(QString(9, QChar(u'馬'))));
    // A character the code page lacks comes back as the conversion's replacement.
    const QString emoji = LeftByByte(QString::fromUtf16(u"馬\U0001F40E号"), 18);
    EXPECT_TRUE(emoji.startsWith(u"馬"_qs));
    EXPECT_TRUE(emoji.endsWith(u"号"_qs));
    EXPECT_FALSE(emoji.contains(QString::fromUtf16(u"\U0001F40E")));
}

TEST(TickOver, StrictlyMoreThanTheWait)
{
    EXPECT_FALSE(TickOver(1000, 1010, 10));
    EXPECT_TRUE(TickOver(1000, 1011, 10));
    EXPECT_FALSE(TickOver(1000, 1000, 10));
}

TEST(TickOver, SurvivesTheCounterWrap)
{
    const auto tick = [](uint32_t value) { return static_cast<int32_t>(value); };
    EXPECT_TRUE(TickOver(tick(0xFFFFFFFAu), tick(5), 10));   // 11 ms across the wrap
    EXPECT_FALSE(TickOver(tick(0xFFFFFFFAu), tick(4), 10));  // 10 ms
    EXPECT_TRUE(TickOver(tick(0x7FFFFFFAu), tick(0x80000005u), 10));  // across the sign change
}

}  // namespace
}  // namespace kestrova
