#include "breeding/generation_error.h"
#include "breeding/picture_canvas.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace kestrova {
namespace {

QString Picture(const char* name) { return QDir(QStringLiteral(KESTROVA_TEST_PICTURES_DIR)).filePath(QString::fromUtf8(name)); }

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
    return file.readAll();
}

uint32_t Crc32(const QByteArray& bytes)
{
    uint32_t crc = 0xFFFFFFFF;
    for (char byte : bytes) {
        crc ^= static_cast<uint8_t>(byte);
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray PngChunk(const char* type, const QByteArray& data)
{
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(data.size()), chunk.data());
    const QByteArray body = QByteArray(type) + data;
    QByteArray crc(4, '\0');
    qToBigEndian<quint32>(Crc32(body), crc.data());
    return chunk + body + crc;
}

// A valid header for 30000 x 30000 RGBA pixels and a few bytes of picture data.
QByteArray HugePng()
{
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(30000, header.data());
    qToBigEndian<quint32>(30000, header.data() + 4);
    header[8] = 8;  // bits a channel
    header[9] = 6;  // RGBA
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + PngChunk("IHDR", header) + PngChunk("IDAT", QByteArray(64, '\x55')) +
           PngChunk("IEND", {});
}

class LoadPictureTest : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    void ExpectRefused(const QString& path, const char* why)
    {
        try {
            LoadPicture(path);
            ADD_FAILURE() << qPrintable(path) << " was read";
        } catch (const GenerationError& error) {
            EXPECT_NE(std::string(error.what()).find(why), std::string::npos) << error.what();
        }
    }

    QTemporaryDir folder;
};

TEST_F(LoadPictureTest, RefusesWhatIsNotARegularFile)
{
    ExpectRefused(folder.filePath(QStringLiteral("missing.png")), "no such file");
    ExpectRefused(folder.path(), "not a regular file");
    const QString fifo = folder.filePath(QStringLiteral("pipe.png"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ExpectRefused(fifo, "not a regular file");  // and does not wait for a writer
    ExpectRefused(QStringLiteral("/dev/zero"), "not a regular file");
}

TEST_F(LoadPictureTest, RefusesEmptyFilesAndOtherData)
{
    ExpectRefused(Write(QStringLiteral("empty.png"), {}), "empty file");
    ExpectRefused(Write(QStringLiteral("notes.txt"), "no picture here\n"), "not a picture");
    ExpectRefused(Write(QStringLiteral("fake.png"), "\x89PNG\r\n\x1a\n and nothing more"), "cannot decode");
}

TEST_F(LoadPictureTest, RefusesCutOffPictures)
{
    for (const char* name : {"spots.png", "夕暮れの丘.jpg", "tiles.bmp", "stripes.gif"}) {
        const QByteArray whole = Bytes(Picture(name));
        for (qsizetype keep : {whole.size() / 2, whole.size() - 16}) {
            const QString path = Write(QStringLiteral("cut-%1").arg(QString::fromUtf8(name)), whole.left(keep));
            EXPECT_THROW(LoadPicture(path), GenerationError) << name << " cut to " << keep;
        }
    }
}

// An uncompressed header of 2147483647 x 2147483647 pixels at 32 bits, and no pixels.
QByteArray BoundlessBmp()
{
    QByteArray header(54, '\0');
    header[0] = 'B';
    header[1] = 'M';
    qToLittleEndian<quint32>(54, header.data() + 10);
    qToLittleEndian<quint32>(40, header.data() + 14);
    qToLittleEndian<qint32>(0x7FFFFFFF, header.data() + 18);
    qToLittleEndian<qint32>(0x7FFFFFFF, header.data() + 22);
    qToLittleEndian<quint16>(1, header.data() + 26);
    qToLittleEndian<quint16>(32, header.data() + 28);
    return header;
}

TEST_F(LoadPictureTest, RefusesHugePicturesBeforeDecoding)
{
    ExpectRefused(Write(QStringLiteral("huge.png"), HugePng()), "too large");
    ExpectRefused(Write(QStringLiteral("boundless.bmp"), BoundlessBmp()), "truncated");
}

TEST_F(LoadPictureTest, ReadsByContentWhateverTheExtension)
{
    const QString path = Write(QStringLiteral("really-a-png.jpg"), Bytes(Picture("spots.png")));
    EXPECT_EQ(LoadPicture(path).size(), QSize(24, 20));
}

// Stored 6 x 2 with a blue top-left pixel and the EXIF orientation "rotate 90 degrees clockwise".
TEST_F(LoadPictureTest, TurnsThePictureUpright)
{
    const QImage picture = LoadPicture(Picture("upright.jpg"));
    ASSERT_EQ(picture.size(), QSize(2, 6));
    EXPECT_GT(qBlue(picture.pixel(1, 0)), 200);
    EXPECT_GT(qRed(picture.pixel(0, 0)), 200);
}

// 4.4 million pixels decode at half size; the odd last column and row are left out.
TEST_F(LoadPictureTest, DecodesALargeJpegAtReducedSizeTheSameWayEveryTime)
{
    QImage large(2601, 1701, QImage::Format_RGB32);
    for (int y = 0; y < large.height(); ++y)
        for (int x = 0; x < large.width(); ++x) large.setPixel(x, y, qRgb(x * 255 / 2600, y * 255 / 1700, (x + y) % 200));
    const QString path = folder.filePath(QStringLiteral("large.jpg"));
    ASSERT_TRUE(large.save(path, "JPEG", 90));

    const QImage reduced = LoadPicture(path);
    EXPECT_EQ(reduced.size(), QSize(1300, 850));
    const ColourGrid canvas = CanvasFromImage(reduced);
    EXPECT_EQ(CanvasFromFile(path), canvas);

    QImageReader fullReader(path);
    fullReader.setQuality(100);
    const ColourGrid full = CanvasFromImage(fullReader.read());
    for (std::size_t i = 0; i < canvas.colours.size(); ++i)
        for (int shift : {0, 8, 16})
            EXPECT_NEAR(int(canvas.colours[i] >> shift & 0xFF), int(full.colours[i] >> shift & 0xFF), 4) << i;
}

}  // namespace
}  // namespace kestrova
