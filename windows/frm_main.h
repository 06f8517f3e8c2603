#pragma once
// The main window: eight gates that take dropped picture files, the course choice and
// the start button. It also keeps each gate's name text, picture and analysis canvas.

#include "breeding/colour_grid.h"

#include <QImage>
#include <QLabel>
#include <QWidget>

#include <array>
#include <memory>

class QGroupBox;
class QMenu;
class QPushButton;
class QRadioButton;

namespace kestrova {

class FrmRace;
class FrmSelect;
struct GateShowing;

// One gate's picture box: a drop target for files and the place of the popup menu.
class GatePicture : public QLabel {
    Q_OBJECT
public:
    GatePicture(int gate, QWidget* parent);

signals:
    void filesDropped(int gate, const QStringList& paths);
    void pressed(int gate, Qt::MouseButton button, QPoint globalPosition);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int gate_;
};

class FrmMain : public QWidget {
    Q_OBJECT
public:
    FrmMain();
    ~FrmMain() override;

    // The drop sequence on gate g, also reached from tests without a drag.
    void DropFiles(int gate, const QStringList& paths);
    // The start button.
    void StartRace();

    GatePicture* Image1(int gate) const { return image1_.at(static_cast<std::size_t>(gate)); }
    QLabel* LblUmaName(int gate) const { return lblUmaName_.at(static_cast<std::size_t>(gate)); }
    QRadioButton* Option1(int index) const { return option1_.at(static_cast<std::size_t>(index)); }
    QPushButton* Command1() const { return command1_; }
    QMenu* MnuUmaInfo() const { return mnuUmaInfo_; }
    FrmSelect& DebugSheet();
    const ColourGrid& Picture2(int gate) const { return picture2_.at(static_cast<std::size_t>(gate)); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildGates();
    void BuildCourseChoice();
    void BuildPopupMenu();
    void OnGatePressed(int gate, Qt::MouseButton button, QPoint globalPosition);
    void ShowPedigree();
    void ShowDropError();
    void StoreRaceConditions();
    void FinishRace(FrmRace& race);
    GateShowing Showing() const;

    std::array<GatePicture*, 8> image1_{};
    std::array<QLabel*, 8> lblUmaName_{};
    std::array<QImage, 8> picture1_{};
    std::array<ColourGrid, 8> picture2_{};
    std::array<QRadioButton*, 4> option1_{};
    QPushButton* command1_ = nullptr;
    QMenu* mnuUmaInfo_ = nullptr;
    FrmSelect* debugSheet_ = nullptr;
    std::unique_ptr<FrmRace> race_;
};

}  // namespace kestrova
