// Draws a seeded race headless and writes two of its frames as PNG files:
//   kestrova-race-frames <folder> [--seed N] [--dirt] [--scale N]
// race-midway.png and race-finish.png, enlarged pixel for pixel (twice by default).

#include "tools/race_frames/race_frames.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <iostream>

namespace {

constexpr uint64_t kDefaultSeed = 20261211;

bool Write(const QImage& frame, int scale, const QString& path)
{
    const QImage enlarged = frame.scaled(frame.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!frame.isNull() && enlarged.save(path, "PNG")) return true;
    std::cerr << "kestrova-race-frames: cannot write " << path.toStdString() << "\n";
    return false;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("where the PNG files go"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("the race's seed"), QStringLiteral("N"),
                                  QString::number(kDefaultSeed));
    const QCommandLineOption dirt(QStringLiteral("dirt"), QStringLiteral("race on dirt instead of turf"));
    const QCommandLineOption scale(QStringLiteral("scale"), QStringLiteral("enlargement, 1 to 8"), QStringLiteral("N"),
                                   QStringLiteral("2"));
    parser.addOptions({seed, dirt, scale});
    parser.process(application);

    bool seedOk = false;
    bool scaleOk = false;
    const qulonglong seedValue = parser.value(seed).toULongLong(&seedOk);
    const int scaleValue = parser.value(scale).toInt(&scaleOk);
    if (parser.positionalArguments().size() != 1 || !seedOk || !scaleOk || scaleValue < 1 || scaleValue > 8)
        parser.showHelp(2);

    const QDir folder(parser.positionalArguments().front());
    folder.mkpath(QStringLiteral("."));
    const kestrova::RaceFrames frames = kestrova::DrawSeededRace(seedValue, parser.isSet(dirt) ? 1 : 0);
    const bool written = Write(frames.midway, scaleValue, folder.filePath(QStringLiteral("race-midway.png"))) &&
                         Write(frames.finish, scaleValue, folder.filePath(QStringLiteral("race-finish.png")));
    return written ? 0 : 1;
}
