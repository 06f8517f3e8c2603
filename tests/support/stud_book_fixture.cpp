#include "tests/support/stud_book_fixture.h"

#include <QDir>
#include <QFile>

namespace kestrova::testing {

void StudBookFixture::SetUp()
{
    ResetGameState();
    ASSERT_TRUE(folder_.isValid());
    SetDataFolder(folder_.path());
    SetFatalErrorReporter([this](const QString& title, const QString& text) {
        ++fatalErrors;
        lastTitle = title;
        lastText = text;
    });
    SetProgramEndHook([](int) {});
}

void StudBookFixture::TearDown()
{
    SetDataFolder({});
    SetFatalErrorReporter({});
    SetProgramEndHook({});
    ResetGameState();
}

QString StudBookFixture::PathOf(int16_t fileNo) const
{
    return QDir(folder_.path()).filePath(QString::fromLatin1(LayoutOf(fileNo).fileName));
}

void StudBookFixture::WriteRecords(int16_t fileNo, const QStringList& texts)
{
    QByteArray bytes;
    for (const QString& text : texts) {
        const std::optional<QByteArray> record = PackRecord(fileNo, text);
        ASSERT_TRUE(record.has_value()) << qUtf8Printable(text);
        bytes.append(*record);
    }
    WriteBytes(fileNo, bytes);
}

void StudBookFixture::WriteBytes(int16_t fileNo, const QByteArray& bytes)
{
    QFile file(PathOf(fileNo));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

}  // namespace kestrova::testing
