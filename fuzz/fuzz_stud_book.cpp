// Arbitrary contents of one stud-book file: every record is read, and each read either
// fills the buffers or takes the fatal path, which here throws instead of ending the process.
// The first byte picks the file (UMA1, UMA2 or UMA3.dat) and, with its top bit, whether the
// rest is the file as stored or plain record texts that are scrambled and given their check
// bytes first, so that the fuzzer reaches the field parsing too.

#include "foundation/data_folder.h"
#include "foundation/fatal_error.h"
#include "foundation/program_end.h"
#include "foundation/stud_book_format.h"
#include "foundation/stud_book_reader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

QTemporaryDir& Folder()
{
    static QTemporaryDir folder;
    return folder;
}

// Each whole payload of the plain bytes, scrambled and followed by its check byte.
QByteArray Sealed(int16_t fileNo, QByteArray plain)
{
    const int payloadBytes = kestrova::LayoutOf(fileNo).recordLength - 1;
    QByteArray stored;
    for (qsizetype at = 0; at + payloadBytes <= plain.size(); at += payloadBytes) {
        QByteArray payload = plain.mid(at, payloadBytes);
        kestrova::UnscrambleRecord(payload);
        stored += payload + char(kestrova::CheckByte(payload));
    }
    return stored;
}

void WriteOnly(int16_t fileNo, const QByteArray& contents)
{
    for (int16_t other = 0; other < kestrova::kStudBookFileCount; ++other)
        QFile::remove(QDir(Folder().path()).filePath(QString::fromLatin1(kestrova::LayoutOf(other).fileName)));
    QFile file(QDir(Folder().path()).filePath(QString::fromLatin1(kestrova::LayoutOf(fileNo).fileName)));
    if (!file.open(QIODevice::WriteOnly)) std::abort();
    file.write(contents);
}

void ReadCatchingTheEnd(int16_t fileNo, int32_t recordIndex)
{
    try {
        kestrova::ReadStudBook(fileNo, recordIndex);
    } catch (const kestrova::ProgramEnded& ended) {
        if (ended.status != kestrova::kFatalErrorStatus) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    if (!Folder().isValid()) std::abort();
    kestrova::SetDataFolder(Folder().path());
    kestrova::SetFatalErrorReporter([](const QString&, const QString&) {});
    kestrova::SetProgramEndHook([](int) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const auto fileNo = static_cast<int16_t>((data[0] & 0x7F) % kestrova::kStudBookFileCount);
    QByteArray contents(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    if (data[0] & 0x80) contents = Sealed(fileNo, contents);
    WriteOnly(fileNo, contents);
    const auto records = static_cast<int32_t>(contents.size() / kestrova::LayoutOf(fileNo).recordLength);
    // One record past the end and one before the start take the fatal path too.
    for (int32_t index = -1; index <= records; ++index) ReadCatchingTheEnd(fileNo, index);
    // A file that is not there.
    ReadCatchingTheEnd(static_cast<int16_t>((fileNo + 1) % kestrova::kStudBookFileCount), 0);
    return 0;
}
