#pragma once
// The shared game state: every window and engine procedure reads and writes these
// variables directly, on the one user-interface thread.

#include <QString>

#include <array>
#include <cstdint>

namespace kestrova {

using Flag = int16_t;
constexpr Flag kTrue = -1;
constexpr Flag kFalse = 0;

constexpr int kGateCount = 8;
constexpr int kPedigreeSlots = 31;  // slots 1..30; element 0 is not a slot
constexpr int kCrossEntries = 16;

// One entered horse. Gate i is post position i+1.
struct UmaEntry {
    QString name;
    int16_t sex = 0;
    int16_t coat = 0;
    QString fName;
    QString mName;
    int32_t fNo = 0;
    int32_t mNo = 0;
    int16_t qua = 0;
    int16_t spe = 0;
    int16_t sta = 0;
    int16_t spi = 0;
    int16_t teki = 0;
    int16_t dart = 0;

    bool operator==(const UmaEntry&) const = default;
};

struct RaceConditions {
    int16_t distance = 0;  // hundreds of metres
    int16_t dirt = 0;      // 1 dirt, 0 turf; also the index of the surface's pictures
};

// The fields of the last record read from each stud-book file.
struct StudBookBuffers {
    QString uma1Name;
    int16_t uma1Spe = 0, uma1Sta = 0, uma1Spi = 0, uma1Range = 0, uma1Seed = 0;
    int32_t uma1No = 0;
    int16_t uma1Kei = 0, uma1QuaType = 0, uma1DartType = 0;

    QString uma2Name;
    int16_t uma2Spe = 0, uma2Sta = 0, uma2Spi = 0, uma2Range = 0, uma2Seed = 0;
    int32_t uma2No = 0;
    int16_t uma2Kei = 0;

    QString uma3Name;
    QString uma3Name2;
    QString uma3FNo;
    QString uma3MNo;
};

// The four-generation pedigree of one horse: slot 1 the sire, slot 2 the dam,
// the parents of slot s in slots 2s+1 and 2s+2.
struct PedigreeTables {
    std::array<int32_t, kPedigreeSlots> hyoNo{};
    std::array<QString, kPedigreeSlots> hyoName{};
    std::array<int32_t, kPedigreeSlots> hyoFNo{};
    std::array<int32_t, kPedigreeSlots> hyoMNo{};
    std::array<int16_t, kPedigreeSlots> hyoCross{};
    std::array<double, kPedigreeSlots> hyoBlood{};
    std::array<double, kPedigreeSlots> hyoSide{};

    std::array<int32_t, kCrossEntries> crossNo{};
    std::array<int16_t, kCrossEntries> crossKind{};
    std::array<double, kCrossEntries> crossBlood{};
    int16_t crossCount = 0;

    int16_t crossSpe = 0, crossSta = 0, crossSpi = 0;
};

struct GameState {
    std::array<Flag, kGateCount> gateLoaded{};
    std::array<UmaEntry, kGateCount> umaEntry{};
    RaceConditions raceConditions;

    Flag endOnUnload = kFalse;
    int16_t menuGate = 0;

    StudBookBuffers studBook;
    PedigreeTables pedigree;

    // Running order, place to gate; after a race, the finishing order.
    std::array<int16_t, kGateCount> orderGate{};
    int16_t viewShift = 0;
    int16_t scrollTile = 0;
    int16_t scrollX = 0;
};

// Program lifetime; starts zeroed like every variable of the game.
extern GameState game;

// Back to the values the program starts with (tests run many games in one process).
void ResetGameState();

}  // namespace kestrova
