// Arbitrary bytes dropped as a picture file become a horse against the real stud book,
// or a refused drop. The first byte picks the file's extension, which decides the format
// when the contents name none; the rest is the file.

#include "breeding/generation_error.h"
#include "breeding/horse_generation.h"
#include "breeding/picture_canvas.h"
#include "foundation/data_folder.h"
#include "foundation/fatal_error.h"
#include "foundation/program_end.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr std::array<const char*, 10> kExtensions = {"png", "jpg", "gif", "bmp", "tga", "ico", "tif", "webp", "pbm", "xpm"};

QTemporaryDir& Folder()
{
    static QTemporaryDir folder;
    return folder;
}

QString Write(const uint8_t* data, std::size_t size)
{
    const QString path = QDir(Folder().path()).filePath(QStringLiteral("馬.%1").arg(QString::fromLatin1(kExtensions[data[0] % kExtensions.size()])));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    file.write(reinterpret_cast<const char*>(data + 1), static_cast<qint64>(size - 1));
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication application(*argc, *argv);  // image format plugins
    // The decoders' complaints about broken files would drown the fuzzer's own report.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    if (!Folder().isValid()) std::abort();
    kestrova::SetDataFolder(QStringLiteral(KESTROVA_SOURCE_DATA_DIR));
    // The real stud book never fails; if it did, the fuzzer should stop here.
    kestrova::SetProgramEndHook([](int) { std::abort(); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const QString path = Write(data, size);
    try {
        kestrova::GenerateHorse(0, kestrova::CanvasFromImage(kestrova::LoadPicture(path)), kestrova::HorseNameFromFile(path));
    } catch (const kestrova::GenerationError&) {
    }
    QFile::remove(path);
    return 0;
}
