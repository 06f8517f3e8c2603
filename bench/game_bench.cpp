// How light the game is on the machine, measured the way a player runs it, on the offscreen
// platform: CPU and step pacing of a real-clock race with the waiting event pump against a
// spinning one, a drop of a 12-megapixel JPEG against Qt's bare decode of the same file,
// start-up of a fresh process to the main window's first paint, and memory after a race.

#include "breeding/picture_canvas.h"
#include "foundation/fatal_error.h"
#include "foundation/game_state.h"
#include "foundation/program_end.h"
#include "foundation/window_protocol.h"
#include "race/race_hooks.h"
#include "race/race_random.h"
#include "race/race_state.h"
#include "race/window_event_pump.h"
#include "windows/frm_main.h"
#include "windows/frm_result.h"
#include "windows/gothic_fonts.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <string_view>
#include <vector>

namespace kestrova {
namespace {

using Clock = std::chrono::steady_clock;
constexpr const char* kStartupChild = "--startup-child";
constexpr int kStartupRuns = 7;
constexpr int kDropRuns = 5;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double CpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

double ResidentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

double Quantile(std::vector<double> values, double q)
{
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1) + 0.5)];
}

double Median(const std::vector<double>& values) { return Quantile(values, 0.5); }

QString WriteGatePicture(const QTemporaryDir& folder, int gate)
{
    QImage picture(120, 90, QImage::Format_RGB32);
    picture.fill(QColor::fromHsv(gate * 45, 150, 200));
    QPainter(&picture).fillRect(10 + gate * 5, 10, 40, 50, QColor::fromHsv(gate * 70 % 360, 220, 110));
    const QString path = folder.filePath(QStringLiteral("馬%1.png").arg(gate));
    picture.save(path);
    return path;
}

// A photograph-like 4000 x 3000 picture: smooth shading with fine texture, as a camera gives.
QString WriteLargeJpeg(const QTemporaryDir& folder)
{
    QImage picture(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            row[x] = qRgb(x * 255 / 3999, y * 255 / 2999, (x * 7 + y * 13 + (x ^ y) % 31) % 256);
    }
    const QString path = folder.filePath(QStringLiteral("12MP.jpg"));
    picture.save(path, "JPEG", 90);
    return path;
}

struct RaceFigures {
    double wallMs = 0, cpuMs = 0;
    std::vector<double> stepIntervalsMs;
    int steps = 0;
};

// One race from the start button to the result window's back button, on the real clock.
// The pump is wrapped to note the time of each step: a pass that follows a step is the
// first to see the new frame count.
RaceFigures RunOneRace(FrmMain& frmMain, const EventPump& pump)
{
    RaceFigures figures;
    int seenSteps = 0;
    Clock::time_point lastStep{};
    SetEventPump([&](uint32_t msUntilDue) {
        if (race.frameCount != seenSteps) {
            const Clock::time_point now = Clock::now();
            if (seenSteps > 0) figures.stepIntervalsMs.push_back(Ms(now - lastStep));
            seenSteps = race.frameCount;
            lastStep = now;
        }
        pump(msUntilDue);
    });
    const double cpuBefore = CpuMs();
    const Clock::time_point start = Clock::now();
    frmMain.Command1()->click();
    figures.wallMs = Ms(Clock::now() - start);
    figures.cpuMs = CpuMs() - cpuBefore;
    figures.steps = race.frameCount;
    SetEventPump({});
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* result = qobject_cast<FrmResult*>(widget); result && result->isVisible()) result->Command1()->click();
    QApplication::processEvents();
    return figures;
}

void PrintRace(const char* pump, const RaceFigures& f)
{
    std::printf("  %-9s %6d steps %8.0f ms wall %7.0f ms CPU %6.1f %% of a core   step median %5.2f ms  p99 %5.2f ms\n",
                pump, f.steps, f.wallMs, f.cpuMs, 100.0 * f.cpuMs / f.wallMs, Median(f.stepIntervalsMs),
                Quantile(f.stepIntervalsMs, 0.99));
}

void BenchRaces(FrmMain& frmMain)
{
    frmMain.Option1(1)->setChecked(true);
    std::printf("Real-clock race, %s, the same seeded race with each pump:\n", qPrintable(frmMain.Option1(1)->text()));
    const RaceFigures waiting = RunOneRace(frmMain, ProcessWindowEvents);
    std::printf("  resident memory after the race: %.1f MB\n", ResidentMb());
    const RaceFigures spinning = RunOneRace(frmMain, [](uint32_t) { QCoreApplication::processEvents(); });
    PrintRace("waiting", waiting);
    PrintRace("spinning", spinning);
}

// Qt's decode at the reduced size that the drop asks libjpeg for.
QImage ReducedDecode(const QString& path)
{
    QImageReader reader(path);
    const QSize stored = reader.size();
    const int divisor = JpegDecodeDivisor(stored);
    reader.setScaledSize(stored / divisor);
    return reader.read();
}

void BenchDrop(FrmMain& frmMain, const QTemporaryDir& folder)
{
    const QString path = WriteLargeJpeg(folder);
    std::vector<double> dropMs, decodeMs, reducedMs;
    for (int run = 0; run < kDropRuns; ++run) {
        Clock::time_point start = Clock::now();
        const QImage bare = QImageReader(path).read();
        decodeMs.push_back(Ms(Clock::now() - start));
        start = Clock::now();
        const QImage reduced = ReducedDecode(path);
        reducedMs.push_back(Ms(Clock::now() - start));
        start = Clock::now();
        frmMain.DropFiles(0, {path});
        dropMs.push_back(Ms(Clock::now() - start));
        if (bare.isNull() || reduced.isNull() || game.gateLoaded[0] != kTrue) std::printf("  the 12-megapixel JPEG did not load\n");
    }
    std::printf("Drop of a 4000 x 3000 JPEG (%.1f MB), median of %d:\n", QFile(path).size() / 1048576.0, kDropRuns);
    std::printf("  drop to horse %.1f ms, bare Qt decode %.1f ms, ratio %.2f\n", Median(dropMs), Median(decodeMs),
                Median(dropMs) / Median(decodeMs));
    std::printf("  bare Qt decode at the drop's reduced size %.1f ms, ratio %.2f\n", Median(reducedMs),
                Median(dropMs) / Median(reducedMs));
}

// Start-up is timed from before the fork of a fresh process to the moment that process
// sees its main window's first paint; the child runs the game's own start-up sequence.
void BenchStartup(const QString& self)
{
    std::vector<double> ms;
    for (int run = 0; run < kStartupRuns; ++run) {
        QProcess child;
        const Clock::time_point start = Clock::now();
        child.start(self, {QString::fromLatin1(kStartupChild)});
        if (!child.waitForReadyRead(10000)) {
            std::printf("  the start-up child did not report\n");
            return;
        }
        ms.push_back(Ms(Clock::now() - start));
        child.waitForFinished();
    }
    std::printf("Start-up of a fresh process to the main window's first paint, median of %d: %.0f ms (min %.0f, max %.0f)\n",
                kStartupRuns, Median(ms), Quantile(ms, 0), Quantile(ms, 1));
}

// Reports the first paint of the window it watches and ends the process there.
class FirstPaint : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            std::fputs("shown\n", stdout);
            std::fflush(stdout);
            std::_Exit(0);
        }
        return QObject::eventFilter(watched, event);
    }
};

// The game's main, watched.
int StartupChild(int argc, char** argv)
{
    QApplication application(argc, argv);
    InstallGothicFonts();
    SetFatalErrorReporter([](const QString& title, const QString& text) { QMessageBox::critical(nullptr, title, text); });
    SetEventPump(ProcessWindowEvents);
    FrmMain frmMain;
    FirstPaint firstPaint;
    frmMain.installEventFilter(&firstPaint);
    Main([&] { frmMain.show(); });
    return application.exec();
}

int Bench(int argc, char** argv)
{
    QApplication application(argc, argv);
    InstallGothicFonts();
    SetProgramEndHook([](int status) { std::printf("the game asked to end with status %d\n", status); });
    SetSeedSource([] { return uint64_t{20261211}; });
    QTemporaryDir folder;
    FrmMain frmMain;
    Main([&] { frmMain.show(); });
    for (int gate = 0; gate < kGateCount; ++gate) frmMain.DropFiles(gate, {WriteGatePicture(folder, gate)});
    BenchRaces(frmMain);
    BenchDrop(frmMain, folder);
    BenchStartup(QCoreApplication::applicationFilePath());
    return 0;
}

}  // namespace
}  // namespace kestrova

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && std::string_view(argv[1]) == kestrova::kStartupChild) return kestrova::StartupChild(argc, argv);
    return kestrova::Bench(argc, argv);
}
