#pragma once
// The debugging window, never shown: a sheet with one column per gate that holds every
// entered horse's values as text. Race preparation takes the coat codes from it.

#include <QWidget>

#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kestrova {

class FrmSelect : public QWidget {
    Q_OBJECT
public:
    explicit FrmSelect(QWidget* owner = nullptr);

    // Rewrites all eight columns from the gates' horses.
    void Refresh();
    // The coat code of the gate, read back from its coat-code label.
    int16_t CoatCode(int gate) const;
    // Copies the edited abilities of gates 0 and 1 and the race conditions into the game.
    void Apply();

    struct GateColumn {
        QLabel *lblName, *lblfName, *lblmName, *lblSei, *lblSeiStr, *lblKei, *lblKeiStr;
        QLineEdit *txtQua, *txtSpe, *txtSpi, *txtSta, *txtTeki, *txtDart;
    };
    const GateColumn& Column(int gate) const { return columns_.at(static_cast<std::size_t>(gate)); }
    QPushButton* Command1() const { return command1_; }
    QRadioButton* Option1(int index) const { return option1_.at(static_cast<std::size_t>(index)); }
    QLineEdit* TxtDest() const { return txtDest_; }

private:
    void BuildConditions();
    void BuildLegends();
    void BuildColumn(int gate);

    std::array<GateColumn, 8> columns_{};
    std::array<QRadioButton*, 2> option1_{};
    QLineEdit* txtDest_ = nullptr;
    QPushButton* command1_ = nullptr;
};

}  // namespace kestrova
