#pragma once
// The result window: the course, the eight horses in finishing order with their pictures,
// and the margin of each horse behind the one placed just ahead of it.

#include <QImage>
#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QPushButton;

namespace kestrova {

struct GateShowing {
    std::array<QImage, 8> pictures;  // the gates' pictures, by gate
    std::array<QString, 8> names;    // the gates' name texts, by gate
};

class FrmResult : public QWidget {
    Q_OBJECT
public:
    // Loads the results of the race just run; `back` brings the main window back at the given place.
    FrmResult(const GateShowing& gates, std::function<void(QPoint)> back);

    QLabel* Label3() const { return label3_; }
    QLabel* Label6(int k) const { return label6_.at(static_cast<std::size_t>(k)); }
    QLabel* Label8(int k) const { return label8_.at(static_cast<std::size_t>(k)); }
    QLabel* Image1(int k) const { return image1_.at(static_cast<std::size_t>(k)); }
    QPushButton* Command1() const { return command1_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildPlaces(QWidget* frame1);
    void Load(const GateShowing& gates);

    std::function<void(QPoint)> back_;
    QLabel* label3_ = nullptr;
    std::array<QLabel*, 7> label6_{};
    std::array<QLabel*, 8> label8_{};
    std::array<QLabel*, 8> image1_{};
    QPushButton* command1_ = nullptr;
};

}  // namespace kestrova
