// Everything a player can drop on a gate, through the real drop handler: each case ends in a
// horse or in the drop error, and a refused drop leaves the gate exactly as it was.

#include "foundation/game_state.h"
#include "tests/windows/game_fixture.h"
#include "windows/frm_main.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QtEndian>

#include <functional>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrova {
namespace {

const QString kDropError = QStringLiteral("このファイルは、読込めません。");
constexpr int kLoadedGate = 2;
constexpr int kEmptyGate = 5;
constexpr qint64 kHangGuardMs = 5000;

QByteArray Encoded(const QImage& picture, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(picture.save(&buffer, format)) << format;
    return bytes;
}

QImage Colours(int width, int height, QImage::Format format = QImage::Format_RGB32)
{
    QImage picture(width, height, format);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.setPixelColor(x, y, QColor((x * 37) % 256, (y * 59) % 256, (x + y) % 256));
    return picture;
}

QByteArray Committed(const char* name)
{
    QFile file(QDir(QStringLiteral(KESTROVA_BAD_INPUT_DIR)).filePath(QString::fromLatin1(name)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
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
    QByteArray length(4, '\0'), crc(4, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(data.size()), length.data());
    const QByteArray body = QByteArray(type) + data;
    qToBigEndian<quint32>(Crc32(body), crc.data());
    return length + body + crc;
}

// A valid header for 30000 x 30000 RGBA pixels and a few bytes of picture data: a small file.
QByteArray HugePng()
{
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(30000, header.data());
    qToBigEndian<quint32>(30000, header.data() + 4);
    header[8] = 8;
    header[9] = 6;
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + PngChunk("IHDR", header) + PngChunk("IDAT", QByteArray(64, '\x55')) +
           PngChunk("IEND", {});
}

// A real JPEG whose frame header claims 65000 x 65000 pixels.
QByteArray HugeJpeg()
{
    QByteArray bytes = Encoded(Colours(16, 16), "JPEG");
    const qsizetype frame = bytes.indexOf("\xFF\xC0");
    EXPECT_GT(frame, 0);
    qToBigEndian<quint16>(65000, bytes.data() + frame + 5);
    qToBigEndian<quint16>(65000, bytes.data() + frame + 7);
    return bytes;
}

enum class Outcome { Horse, Refused };

// Where a case makes its files, and the files it needs.
class Inputs {
public:
    explicit Inputs(const QString& folder) : folder_(folder) {}

    QString Path(const QString& name) const { return QDir(folder_).filePath(name); }

    QString File(const QString& name, const QByteArray& bytes) const
    {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(name);
        file.write(bytes);
        return Path(name);
    }

    QString Picture(const QString& name, const QImage& picture = Colours(40, 30), const char* format = "PNG") const
    {
        return File(name, Encoded(picture, format));
    }

    QString Folder(const QString& name) const
    {
        EXPECT_TRUE(QDir(folder_).mkpath(name));
        return Path(name);
    }

    QString Fifo(const QString& name) const
    {
        EXPECT_EQ(::mkfifo(QFile::encodeName(Path(name)).constData(), 0600), 0);
        return Path(name);
    }

    QString Link(const QString& name, const QString& target) const
    {
        EXPECT_TRUE(QFile::link(target, Path(name)));
        return Path(name);
    }

    QString Unreadable(const QString& name) const
    {
        const QString path = Picture(name);
        EXPECT_TRUE(QFile::setPermissions(path, QFileDevice::Permissions()));
        return path;
    }

    QString Deleted(const QString& name) const
    {
        const QString path = Picture(name);
        EXPECT_TRUE(QFile::remove(path));
        return path;
    }

    QString Sparse(const QString& name, qint64 size) const
    {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_TRUE(file.resize(size));
        return Path(name);
    }

private:
    QString folder_;
};

// Root reads a file without permissions; then the case is still run, as a picture that reads.
Outcome UnreadableOutcome() { return ::geteuid() == 0 ? Outcome::Horse : Outcome::Refused; }

using CanvasCheck = std::function<void(const ColourGrid&)>;

struct BadDrop {
    const char* what;
    std::function<QStringList(const Inputs&)> drop;
    Outcome outcome;
    std::optional<QString> name = {};  // the horse's name, where the case is about it
    CanvasCheck canvas = {};
};

const QString kLongStem = QString(82, QChar(u'駿'));  // 246 bytes of UTF-8; with ".png", 250

std::vector<BadDrop> Cases()
{
    const QByteArray png = Encoded(Colours(40, 30), "PNG");
    const QByteArray jpeg = Encoded(Colours(40, 30), "JPEG");
    const QByteArray bmp = Encoded(Colours(40, 30), "BMP");
    const QByteArray webp = Encoded(Colours(40, 30), "WEBP");
    const QByteArray gif = Committed("animated.gif");
    using I = const Inputs&;
    using O = Outcome;
    return {
        {"empty file", [](I in) { return QStringList{in.File("empty.png", {})}; }, O::Refused},
        {"truncated PNG", [=](I in) { return QStringList{in.File("cut.png", png.left(png.size() / 2))}; }, O::Refused},
        {"PNG without its end", [=](I in) { return QStringList{in.File("tail.png", png.left(png.size() - 12))}; }, O::Refused},
        {"truncated JPEG", [=](I in) { return QStringList{in.File("cut.jpg", jpeg.left(jpeg.size() / 2))}; }, O::Refused},
        {"JPEG headers only", [=](I in) { return QStringList{in.File("head.jpg", jpeg.left(jpeg.indexOf("\xFF\xDA")))}; }, O::Refused},
        {"truncated GIF", [=](I in) { return QStringList{in.File("cut.gif", gif.left(40))}; }, O::Refused},
        {"truncated BMP", [=](I in) { return QStringList{in.File("cut.bmp", bmp.left(bmp.size() / 2))}; }, O::Refused},
        {"truncated WebP", [=](I in) { return QStringList{in.File("cut.webp", webp.left(webp.size() / 2))}; }, O::Refused},
        {"PNG named .jpg", [=](I in) { return QStringList{in.File("png-as.jpg", png)}; }, O::Horse, u"png-as"_qs},
        {"JPEG named .gif", [=](I in) { return QStringList{in.File("jpeg-as.gif", jpeg)}; }, O::Horse, u"jpeg-as"_qs},
        {"JPEG without extension", [=](I in) { return QStringList{in.File("no-extension", jpeg)}; }, O::Horse, u"no-extension"_qs},
        {"text named .png", [](I in) { return QStringList{in.File("text.png", "これは画像ではない\n")}; }, O::Refused},
        {"PNG signature, then noise", [](I in) { return QStringList{in.File("noise.png", QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(300, '\x7f'))}; }, O::Refused},
        {"noise named .jpg", [](I in) { return QStringList{in.File("noise.jpg", QByteArray(500, '\xd3'))}; }, O::Refused},
        {"a directory", [](I in) { return QStringList{in.Folder("folder.png")}; }, O::Refused},
        {"an unreadable file", [](I in) { return QStringList{in.Unreadable("locked.png")}; }, UnreadableOutcome(), u"locked"_qs},
        {"a FIFO", [](I in) { return QStringList{in.Fifo("pipe.png")}; }, O::Refused},
        {"a character device", [](I) { return QStringList{QStringLiteral("/dev/zero")}; }, O::Refused},
        {"a dangling symlink", [](I in) { return QStringList{in.Link("dangling.png", in.Path("nowhere.png"))}; }, O::Refused},
        {"a symlink to a picture", [](I in) { return QStringList{in.Link("link.png", in.Picture("target.png"))}; }, O::Horse, u"link"_qs},
        {"deleted between drag and drop", [](I in) { return QStringList{in.Deleted("gone.png")}; }, O::Refused},
        {"a sparse file of 300 MB", [](I in) { return QStringList{in.Sparse("sparse.png", qint64{300} << 20)}; }, O::Refused},
        {"30000 x 30000 PNG", [](I in) { return QStringList{in.File("huge.png", HugePng())}; }, O::Refused},
        {"65000 x 65000 JPEG", [](I in) { return QStringList{in.File("huge.jpg", HugeJpeg())}; }, O::Refused},
        {"1 x 1 pixel", [](I in) { return QStringList{in.Picture("dot.png", Colours(1, 1))}; }, O::Horse, u"dot"_qs},
        {"20000 x 1 pixels", [](I in) { return QStringList{in.Picture("strip.png", Colours(20000, 1))}; }, O::Horse},
        {"an animated GIF: its first frame", [=](I in) { return QStringList{in.File("animated.gif", gif)}; }, O::Horse, u"animated"_qs,
         [](const ColourGrid& canvas) { EXPECT_EQ(canvas.At(16, 16), 0x2030C0u); }},
        {"a CMYK JPEG", [](I in) { return QStringList{in.File("cmyk.jpg", Committed("cmyk.jpg"))}; }, O::Horse},
        {"a 16-bit PNG", [](I in) { return QStringList{in.Picture("deep.png", Colours(20, 20, QImage::Format_RGBA64))}; }, O::Horse},
        {"a fully transparent PNG: white", [](I in) {
             QImage clear(20, 20, QImage::Format_ARGB32);
             clear.fill(Qt::transparent);
             return QStringList{in.Picture("clear.png", clear)};
         }, O::Horse, u"clear"_qs,
         [](const ColourGrid& canvas) { EXPECT_EQ(canvas.At(0, 0), 0xFFFFFFu); EXPECT_EQ(canvas.At(31, 31), 0xFFFFFFu); }},
        {"a 1-bit PNG", [](I in) { return QStringList{in.Picture("mono.png", Colours(33, 17).convertToFormat(QImage::Format_Mono))}; }, O::Horse},
        {"a name outside Shift_JIS", [](I in) { return QStringList{in.Picture(u"🐎한글馬.png"_qs)}; }, O::Horse},
        {"a name of 250 bytes", [](I in) { return QStringList{in.Picture(kLongStem + ".png")}; }, O::Horse, QString(9, QChar(u'駿'))},
        {"a name that is only an extension", [](I in) { return QStringList{in.Picture(".png")}; }, O::Horse, QString()},
        {"a name with dots and spaces", [](I in) { return QStringList{in.Picture("my horse. v2 .final.png")}; }, O::Horse, u"my horse. v2 .fina"_qs},
        {"several files, all pictures", [](I in) { return QStringList{in.Picture("first.png"), in.Picture("second.jpg", Colours(8, 8), "JPEG")}; }, O::Horse, u"second"_qs},
        {"several files, a bad one among them", [](I in) {
             return QStringList{in.Picture("good1.png"), in.File("bad.png", "not a picture"), in.Picture("good2.png")};
         }, O::Refused},
        {"several files, the last one bad", [](I in) { return QStringList{in.Picture("good3.png"), in.Folder("last-a-folder")}; }, O::Refused},
        {"the same file twice", [](I in) { const QString p = in.Picture("twice.png"); return QStringList{p, p}; }, O::Horse, u"twice"_qs},
        {"nothing at all", [](I) { return QStringList{}; }, O::Refused},
    };
}

int OpenFileCount() { return static_cast<int>(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size()); }

class BadDrops : public GameFixture {
protected:
    struct GateView {
        Flag loaded;
        UmaEntry horse;
        QString name;
        qint64 pictureKey;
    };

    GateView Gate(const FrmMain& frmMain, int gate) const
    {
        const auto g = static_cast<std::size_t>(gate);
        return {game.gateLoaded[g], game.umaEntry[g], frmMain.LblUmaName(gate)->text(), frmMain.Image1(gate)->pixmap().cacheKey()};
    }

    // Drops the case's files on one gate; returns how long the drop took.
    qint64 Drop(FrmMain& frmMain, int gate, const QStringList& paths, Outcome outcome)
    {
        const std::size_t messagesBefore = messages.size();
        QElapsedTimer clock;
        clock.start();
        frmMain.DropFiles(gate, paths);
        const qint64 ms = clock.elapsed();
        EXPECT_FALSE(QApplication::overrideCursor());
        if (outcome == Outcome::Refused) {
            EXPECT_EQ(messages.size(), messagesBefore + 1);
            if (messages.size() > messagesBefore) {
                EXPECT_EQ(messages.back().text, kDropError);
            }
        } else {
            EXPECT_EQ(messages.size(), messagesBefore);
        }
        return ms;
    }

    void ExpectUnchanged(const GateView& before, const GateView& after)
    {
        EXPECT_EQ(after.loaded, before.loaded);
        EXPECT_EQ(after.horse, before.horse);
        EXPECT_EQ(after.name, before.name);
        EXPECT_EQ(after.pictureKey, before.pictureKey);
    }
};

TEST_F(BadDrops, EachEndsInAHorseOrTheDropErrorAndARefusalChangesNothing)
{
    if (::geteuid() == 0) std::printf("note: running as root, so a file without permissions still reads\n");
    FrmMain frmMain;
    frmMain.show();
    const Inputs in(folder.path());
    frmMain.DropFiles(kLoadedGate, {in.Picture(QStringLiteral("元の馬.png"), Colours(30, 30))});
    ASSERT_EQ(game.gateLoaded[kLoadedGate], kTrue);
    frmMain.DropFiles(kEmptyGate, {});  // the first message box opens the toolkit's own files, once
    const int openFilesBefore = OpenFileCount();

    int index = 0;
    for (const BadDrop& c : Cases()) {
        SCOPED_TRACE(c.what);
        const QStringList paths = c.drop(in);
        const GateView before = Gate(frmMain, kLoadedGate);
        const GateView emptyBefore = Gate(frmMain, kEmptyGate);
        const qint64 ms = Drop(frmMain, kLoadedGate, paths, c.outcome);
        EXPECT_LT(ms, kHangGuardMs);
        std::printf("%3d  %-40s %-8s %5lld ms\n", ++index, c.what, c.outcome == Outcome::Horse ? "horse" : "refused",
                    static_cast<long long>(ms));
        const GateView after = Gate(frmMain, kLoadedGate);
        if (c.outcome == Outcome::Refused) {
            ExpectUnchanged(before, after);
            Drop(frmMain, kEmptyGate, paths, c.outcome);
            ExpectUnchanged(emptyBefore, Gate(frmMain, kEmptyGate));
            continue;
        }
        EXPECT_EQ(after.loaded, kTrue);
        EXPECT_EQ(after.name, after.horse.name);
        EXPECT_NE(after.pictureKey, before.pictureKey);
        if (c.name) {
            EXPECT_EQ(after.horse.name, *c.name);
        }
        if (c.canvas) c.canvas(frmMain.Picture2(kLoadedGate));
    }
    EXPECT_GE(index, 30);
    EXPECT_EQ(OpenFileCount(), openFilesBefore);
}

}  // namespace
}  // namespace kestrova
