#include "breeding/pedigree.h"
#include "foundation/game_state.h"
#include "race/race_state.h"
#include "tests/windows/game_fixture.h"
#include "windows/frm_main.h"
#include "windows/frm_select.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>

namespace kestrova {
namespace {

const QString kDropError = QStringLiteral("このファイルは、読込めません。");

class MainWindow : public GameFixture {};

Qt::DropAction DragOver(QWidget* gate, QMimeData* data)
{
    QDragEnterEvent event({10, 10}, Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, data, Qt::LeftButton, Qt::NoModifier);
    event.setDropAction(Qt::IgnoreAction);
    QApplication::sendEvent(gate, &event);
    return event.isAccepted() ? event.dropAction() : Qt::IgnoreAction;
}

TEST_F(MainWindow, DragOverAnswersCopyForFilesOnly)
{
    FrmMain frmMain;
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(WritePicture("a.png", 1)), QUrl::fromLocalFile(WritePicture("b.png", 2))});
    QMimeData text;
    text.setText(QStringLiteral("ただの文字"));
    EXPECT_EQ(DragOver(frmMain.Image1(0), &files), Qt::CopyAction);
    EXPECT_EQ(DragOver(frmMain.Image1(0), &text), Qt::IgnoreAction);
    frmMain.DropFiles(0, {WritePicture("c.png", 3)});
    EXPECT_EQ(DragOver(frmMain.Image1(0), &files), Qt::CopyAction);  // also over a loaded gate
}

TEST_F(MainWindow, DroppingTwoFilesKeepsTheSecond)
{
    FrmMain frmMain;
    frmMain.DropFiles(3, {WritePicture("最初の馬.png", 1), WritePicture("二番目の馬.png", 2)});
    EXPECT_EQ(game.gateLoaded[3], kTrue);
    EXPECT_EQ(frmMain.LblUmaName(3)->text(), u"二番目の馬"_qs);
    EXPECT_EQ(game.umaEntry[3].name, u"二番目の馬"_qs);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(frmMain.DebugSheet().Column(3).lblName->text(), u"二番目の馬"_qs);
    EXPECT_EQ(frmMain.DebugSheet().CoatCode(3), game.umaEntry[3].coat);
}

TEST_F(MainWindow, ALongNameIsCutToEighteenBytes)
{
    FrmMain frmMain;
    frmMain.DropFiles(0, {WritePicture(QString(12, QChar(u'駿')) + ".png", 4)});
    EXPECT_EQ(game.umaEntry[0].name, QString(9, QChar(u'駿')));
}

TEST_F(MainWindow, AFailedDropLeavesTheGateAsItWas)
{
    FrmMain frmMain;
    const QString notAPicture = WriteFile("馬.png", "これは画像ではない");
    frmMain.DropFiles(2, {notAPicture});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, u"エラー"_qs);
    EXPECT_EQ(messages[0].text, kDropError);
    EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
    EXPECT_EQ(game.gateLoaded[2], kFalse);
    EXPECT_FALSE(QApplication::overrideCursor());

    frmMain.DropFiles(2, {WritePicture("本物.png", 5)});
    const UmaEntry before = game.umaEntry[2];
    const QImage pictureBefore = frmMain.Image1(2)->pixmap().toImage();
    frmMain.DropFiles(2, {WritePicture("良い馬.png", 6), notAPicture, folder.path()});
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(game.gateLoaded[2], kTrue);
    EXPECT_EQ(game.umaEntry[2], before);
    EXPECT_EQ(frmMain.LblUmaName(2)->text(), u"本物"_qs);
    EXPECT_EQ(frmMain.Image1(2)->pixmap().toImage(), pictureBefore);
}

TEST_F(MainWindow, PopupOnlyOnARightClickOfALoadedGate)
{
    FrmMain frmMain;
    frmMain.show();
    frmMain.DropFiles(5, {WritePicture("a.png", 1)});
    const auto click = [&](int gate, Qt::MouseButton button) {
        frmMain.MnuUmaInfo()->hide();
        emit frmMain.Image1(gate)->pressed(gate, button, {100, 100});
        return frmMain.MnuUmaInfo()->isVisible();
    };
    EXPECT_FALSE(click(4, Qt::RightButton));
    EXPECT_FALSE(click(5, Qt::LeftButton));
    EXPECT_TRUE(click(5, Qt::RightButton));
    EXPECT_EQ(game.menuGate, 5);
    ASSERT_EQ(frmMain.MnuUmaInfo()->actions().size(), 1);
    EXPECT_EQ(frmMain.MnuUmaInfo()->title(), u"詳細情報"_qs);
    EXPECT_EQ(frmMain.MnuUmaInfo()->actions()[0]->text(), u"血統表"_qs);
    frmMain.MnuUmaInfo()->hide();
}

TEST_F(MainWindow, RefusesToStartWithAnEmptyGate)
{
    FrmMain frmMain;
    frmMain.show();
    for (int gate = 0; gate < kGateCount; ++gate)
        if (gate != 5) frmMain.DropFiles(gate, {WritePicture(QStringLiteral("%1.png").arg(gate), gate)});
    frmMain.Command1()->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, u"Kestrova２（Ver1.0）"_qs);
    EXPECT_EQ(messages[0].text, u"画像を８頭分選択してください。"_qs);
    EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(frmMain.isVisible());
    EXPECT_EQ(race.frameCount, 0);
}

TEST_F(MainWindow, ClosingItEndsTheProgram)
{
    FrmMain frmMain;
    frmMain.show();
    frmMain.close();
    EXPECT_EQ(programEnds, std::vector<int>{0});
}

TEST(DataSheet, ApplyKeepsValuesThatAreNotSixteenBitNumbers)
{
    ResetGameState();
    FrmSelect sheet;
    game.umaEntry[0].spe = 20;
    game.umaEntry[1].sta = 30;
    sheet.Refresh();
    const std::pair<QString, int16_t> cases[] = {{"abc", 20}, {"40000", 20}, {"18.5", 18}, {"19.5", 20}, {"-3", -3}};
    for (const auto& [text, expected] : cases) {
        game.umaEntry[0].spe = 20;
        sheet.Column(0).txtSpe->setText(text);
        sheet.Apply();
        EXPECT_EQ(game.umaEntry[0].spe, expected) << qUtf8Printable(text);
    }
    EXPECT_EQ(game.umaEntry[1].sta, 30);
    EXPECT_EQ(game.raceConditions.dirt, 0);
    EXPECT_EQ(game.raceConditions.distance, 12);
    ResetGameState();
}

}  // namespace
}  // namespace kestrova
