#pragma once
// A game in a test: the real stud book, a fake clock that the event pump advances,
// recorded program ends, and message boxes answered as soon as they open.

#include <QImage>
#include <QMessageBox>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace kestrova {

class FrmMain;

struct SeenMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon;
};

class GameFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A picture file of its own colours, written into the test's folder.
    QString WritePicture(const QString& fileName, int seed);
    QString WriteFile(const QString& fileName, const QByteArray& bytes);
    // Drops one picture of its own on every gate.
    void LoadAllGates(FrmMain& frmMain);

    std::vector<SeenMessage> messages;
    std::vector<int> programEnds;
    uint32_t now = 1000;
    QTemporaryDir folder;

private:
    QTimer messageAnswerer_;
};

}  // namespace kestrova
