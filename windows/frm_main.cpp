#include "windows/frm_main.h"

#include "assets/asset_pictures.h"
#include "breeding/debug_sheet_hook.h"
#include "breeding/generation_error.h"
#include "breeding/horse_generation.h"
#include "breeding/picture_canvas.h"
#include "foundation/game_state.h"
#include "foundation/window_protocol.h"
#include "race/frm_race.h"
#include "race/margin_words.h"
#include "race/race_hooks.h"
#include "race/race_loop.h"
#include "race/race_preparation.h"
#include "windows/frm_hyo.h"
#include "windows/frm_result.h"
#include "windows/frm_select.h"
#include "windows/window_look.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>

namespace kestrova {
namespace {

constexpr std::array<int, 4> kGateLefts = {24, 176, 328, 480};
constexpr std::array<int, 2> kGateTops = {16, 160};

struct Course {
    const char16_t* caption;
    QRect rect;
    int16_t distance;
    int16_t dirt;
};

const std::array<Course, 4> kCourses = {{
    {u"芝1200m", {16, 22, 105, 23}, 12, 0},
    {u"芝2000m", {16, 48, 105, 20}, 20, 0},
    {u"芝3000m", {16, 72, 105, 20}, 30, 0},
    {u"ﾀﾞｰﾄ2000m", {16, 96, 105, 20}, 20, 1},
}};

QStringList DroppedFiles(const QMimeData* data)
{
    QStringList paths;
    if (data == nullptr || !data->hasUrls()) return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) paths.append(url.toLocalFile());
    return paths;
}

// A picture and its name, decoded once, committed to the gate only with its horse.
struct DroppedPicture {
    QImage picture;
    QString name;
};

DroppedPicture LastOf(const QStringList& paths)
{
    DroppedPicture dropped;
    if (paths.isEmpty()) throw GenerationError("nothing was dropped");
    for (const QString& path : paths) dropped = {LoadPicture(path), HorseNameFromFile(path)};
    return dropped;
}

}  // namespace

GatePicture::GatePicture(int gate, QWidget* parent) : QLabel(parent), gate_(gate)
{
    setAcceptDrops(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setScaledContents(true);
}

void GatePicture::dragEnterEvent(QDragEnterEvent* event)
{
    if (DroppedFiles(event->mimeData()).isEmpty()) return event->ignore();
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void GatePicture::dragMoveEvent(QDragMoveEvent* event)
{
    if (DroppedFiles(event->mimeData()).isEmpty()) return event->ignore();
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void GatePicture::dropEvent(QDropEvent* event)
{
    const QStringList paths = DroppedFiles(event->mimeData());
    if (paths.isEmpty()) return event->ignore();
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit filesDropped(gate_, paths);
}

void GatePicture::mousePressEvent(QMouseEvent* event)
{
    emit pressed(gate_, event->button(), event->globalPosition().toPoint());
}

FrmMain::FrmMain()
{
    MakeFixedWindow(*this, QStringLiteral("Kestrova２（Ver1.0）"), {638, 457});
    PaintBackground(*this, kWindowGreen);
    setFont(LegacyGothic(12));
    move(2, 22);
    BuildGates();
    BuildCourseChoice();
    BuildPopupMenu();
    command1_ = new QPushButton(QStringLiteral("レース開始"), this);
    command1_->setGeometry(336, 352, 117, 38);
    MakeWhiteButton(*command1_);
    connect(command1_, &QPushButton::clicked, this, &FrmMain::StartRace);
    SetDebugSheetRefresher([this] { DebugSheet().Refresh(); });
    SetCoatSource([this](int gate) { return DebugSheet().CoatCode(gate); });
    MarkWindowLoaded();
}

FrmMain::~FrmMain()
{
    SetDebugSheetRefresher({});
    SetCoatSource({});
}

void FrmMain::BuildGates()
{
    const QPixmap placeholder(gatePlaceholderPath());
    for (int gate = 0; gate < kGateCount; ++gate) {
        auto* box = new GatePicture(gate, this);
        box->setGeometry(kGateLefts[gate % 4], kGateTops[gate / 4], 131, 129);
        box->setPixmap(placeholder);
        connect(box, &GatePicture::filesDropped, this, &FrmMain::DropFiles);
        connect(box, &GatePicture::pressed, this, &FrmMain::OnGatePressed);
        image1_[static_cast<std::size_t>(gate)] = box;
        // The name texts are kept, never shown.
        auto* name = new QLabel(this);
        name->hide();
        lblUmaName_[static_cast<std::size_t>(gate)] = name;
    }
}

void FrmMain::BuildCourseChoice()
{
    auto* frame1 = new QGroupBox(QStringLiteral("距離"), this);
    frame1->setGeometry(24, 312, 137, 129);
    for (std::size_t i = 0; i < kCourses.size(); ++i) {
        option1_[i] = new QRadioButton(QString::fromUtf16(kCourses[i].caption), frame1);
        option1_[i]->setGeometry(kCourses[i].rect);
    }
    option1_[0]->setChecked(true);
}

void FrmMain::BuildPopupMenu()
{
    mnuUmaInfo_ = new QMenu(QStringLiteral("詳細情報"), this);
    QAction* mnuHyo = mnuUmaInfo_->addAction(QStringLiteral("血統表"));
    connect(mnuHyo, &QAction::triggered, this, &FrmMain::ShowPedigree);
}

FrmSelect& FrmMain::DebugSheet()
{
    // Created, hidden, on the first refresh; it lives as long as the main window.
    if (debugSheet_ == nullptr) debugSheet_ = new FrmSelect(this);
    return *debugSheet_;
}

void FrmMain::DropFiles(int gate, const QStringList& paths)
{
    const auto g = static_cast<std::size_t>(gate);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        const DroppedPicture dropped = LastOf(paths);
        const ColourGrid canvas = CanvasFromImage(dropped.picture);
        GenerateHorse(static_cast<int16_t>(gate), canvas, dropped.name);
        image1_[g]->setPixmap(QPixmap::fromImage(dropped.picture));
        lblUmaName_[g]->setText(dropped.name);
        picture1_[g] = dropped.picture;
        picture2_[g] = canvas;
        game.gateLoaded[g] = kTrue;
        QApplication::restoreOverrideCursor();
    } catch (const GenerationError&) {
        ShowDropError();
    }
}

void FrmMain::ShowDropError()
{
    activateWindow();
    QApplication::restoreOverrideCursor();
    QMessageBox::critical(this, QStringLiteral("エラー"), QStringLiteral("このファイルは、読込めません。"));
}

void FrmMain::OnGatePressed(int gate, Qt::MouseButton button, QPoint globalPosition)
{
    if (game.gateLoaded[static_cast<std::size_t>(gate)] != kTrue || button != Qt::RightButton) return;
    game.menuGate = static_cast<int16_t>(gate);
    mnuUmaInfo_->popup(globalPosition);
}

void FrmMain::ShowPedigree()
{
    FrmHyo pedigree(this);
    pedigree.exec();
}

void FrmMain::StoreRaceConditions()
{
    for (std::size_t i = 0; i < kCourses.size(); ++i) {
        if (!option1_[i]->isChecked()) continue;
        game.raceConditions = {kCourses[i].distance, kCourses[i].dirt};
        return;
    }
}

void FrmMain::StartRace()
{
    for (Flag loaded : game.gateLoaded) {
        if (loaded != kFalse) continue;
        QMessageBox::warning(this, windowTitle(), QStringLiteral("画像を８頭分選択してください。"));
        return;
    }
    StoreRaceConditions();
    race_ = std::make_unique<FrmRace>();
    SetRaceEndHook([this] { FinishRace(*race_); });
    PrepareRace();
    hide();
    race_->move(pos());
    race_->show();
    race_->setWindowTitle(CourseText(game.raceConditions.distance, game.raceConditions.dirt));
    RunRace();
    CloseByProgram([this] { race_->close(); });
}

void FrmMain::FinishRace(FrmRace& race)
{
    auto* result = new FrmResult(Showing(), [this](QPoint at) {
        move(at);
        show();
    });
    result->move(race.pos());
    result->show();
    CloseByProgram([&race] { race.close(); });
}

GateShowing FrmMain::Showing() const
{
    GateShowing showing;
    for (std::size_t g = 0; g < 8; ++g) {
        showing.pictures[g] = picture1_[g];
        showing.names[g] = lblUmaName_[g]->text();
    }
    return showing;
}

void FrmMain::closeEvent(QCloseEvent* event)
{
    EndProgramIfClosedByPlayer();
    event->accept();
}

}  // namespace kestrova
