#include "tools/stud_book_source.h"

#include "foundation/stud_book_format.h"
#include "tools/tool_error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kestrova::tool {
namespace {

const char* const kAncestors =
    "no\tname\tname2\tsire\tdam\tsex\tyear\n"
    "1\tオールドサイアー\t\t0\t0\t牡\t1970\n"
    "2\tオールドメア\t\t0\t0\t牝\t1972\n"
    "3\tヤングサイアー\tハヤテオー\t1\t2\t牡\t1980\n"
    "4\tヤングメア\t\t1\t2\t牝\t1981\n";
const char* const kStallions =
    "index\tname\tspe\tsta\tspi\trange\tseed\tno\tkei\tquaType\tdartType\n"
    "0\tヤングサイアー\t20\t22\t18\t3\t7\t3\t0\t1\t2\n";
const char* const kMares =
    "index\tname\tspe\tsta\tspi\trange\tseed\tno\tkei\n"
    "0\tヤングメア\t16\t14\t14\t2\t5\t4\t1\n";

class StudBookPacker : public ::testing::Test {
protected:
    void Write(const char* file, const QString& text)
    {
        QFile out(QDir(folder.path()).filePath(QString::fromLatin1(file)));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text.toUtf8());
    }
    void SetUp() override
    {
        Write("ancestors.tsv", QString::fromUtf8(kAncestors));
        Write("stallions.tsv", QString::fromUtf8(kStallions));
        Write("mares.tsv", QString::fromUtf8(kMares));
    }
    // The message of the error that packing raises, or empty when it packs.
    QString PackError()
    {
        try {
            PackStudBook(LoadStudBookSource(folder.path()));
        } catch (const ToolError& error) {
            return error.message;
        }
        return {};
    }
    QTemporaryDir folder;
};

TEST_F(StudBookPacker, PacksEachTableIntoItsRecords)
{
    const std::array<QByteArray, 3> files = PackStudBook(LoadStudBookSource(folder.path()));
    EXPECT_EQ(files[0], *PackRecord(kStallionFile, u"ヤングサイアー,20,22,18,3,7,3,0,1,2"_qs));
    EXPECT_EQ(files[1], *PackRecord(kMareFile, u"ヤングメア,16,14,14,2,5,4,1"_qs));
    EXPECT_EQ(files[2].size(), 4 * LayoutOf(kAncestorFile).recordLength);
    EXPECT_EQ(files[2].mid(2 * 71, 71), *PackRecord(kAncestorFile, u"ヤングサイアー,ハヤテオー,1,2"_qs));
}

TEST_F(StudBookPacker, RefusesBrokenRecordsNamingTheSourceLine)
{
    struct Case {
        const char* file;
        QString from, to;
        QString message;
    };
    const Case cases[] = {
        {"ancestors.tsv", "オールドメア\t", "オールド,メア\t", "ancestors.tsv:3: name holds a comma"},
        {"ancestors.tsv", "ヤングメア\t", QString(32, QChar(u'ア')) + "\t", "ancestors.tsv:5: the record does not fit"},
        {"ancestors.tsv", "\t1\t2\t牝", "\t2\t2\t牝", "ancestors.tsv:5: sire 2 is not 牡"},
        {"ancestors.tsv", "1981", "1996", "ancestors.tsv:5: sire 1 is 26 years older"},
        {"ancestors.tsv", "1980", "1972", "ancestors.tsv:4: sire 1 is 2 years older"},
        {"ancestors.tsv", "4\tヤングメア", "5\tヤングメア", "ancestors.tsv:5: no should be 4"},
        {"ancestors.tsv", "ヤングメア\t\t1", "ヤングメア\tオールドメア\t1", "ancestors.tsv:5: the name オールドメア is used twice"},
        {"stallions.tsv", "\t20\t", "\t40000\t", "stallions.tsv:2: spe 40000 is out of range"},
        {"stallions.tsv", "\t3\t0\t1", "\t4\t0\t1", "stallions.tsv:2: register record 4 is not 牡"},
        {"mares.tsv", "\t16\t", "\tx\t", "mares.tsv:2: spe \"x\" is not a number"},
        {"mares.tsv", "ヤングメア", "ヤングメアー", "mares.tsv:2: the register names record 4 ヤングメア"},
    };
    const std::pair<const char*, const char*> originals[] = {
        {"ancestors.tsv", kAncestors}, {"stallions.tsv", kStallions}, {"mares.tsv", kMares}};
    for (const Case& c : cases) {
        SetUp();
        for (const auto& [file, text] : originals)
            if (QString::fromLatin1(file) == QString::fromLatin1(c.file))
                Write(file, QString::fromUtf8(text).replace(c.from, c.to));
        const QString message = PackError();
        EXPECT_TRUE(message.contains(c.message)) << qUtf8Printable(message) << " / expected " << qUtf8Printable(c.message);
    }
}

}  // namespace
}  // namespace kestrova::tool
