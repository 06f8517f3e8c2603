#pragma once
// The pedigree window: one horse's name, sex and coat, and its thirty ancestors over four
// generations, repeated ancestors in blue (one side) or red (both sides).

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace kestrova {

class FrmHyo : public QDialog {
    Q_OBJECT
public:
    // Loads the horse of menuGate, rebuilding its pedigree.
    explicit FrmHyo(QWidget* owner);

    QLabel* Label1(int slot) const { return label1_.at(static_cast<std::size_t>(slot)); }
    QLabel* Label2() const { return label2_; }
    QLabel* Label3() const { return label3_; }
    QPushButton* Command1() const { return command1_; }

private:
    void BuildSlots();
    void Load();

    std::array<QLabel*, 31> label1_{};
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QPushButton* command1_ = nullptr;
};

// The colour of a literal in the &H00BBGGRR notation; with the top bit set, the low
// byte names a system colour (18, button text, is the only one the windows use).
QColor ColourFromLiteral(const QString& literal, const QPalette& palette);

}  // namespace kestrova
