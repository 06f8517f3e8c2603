#include "foundation/game_state.h"
#include "foundation/program_end.h"
#include "foundation/tick_counter.h"
#include "foundation/window_protocol.h"

#include <gtest/gtest.h>

namespace kestrova {
namespace {

class WindowProtocol : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGameState();
        SetProgramEndHook([this](int status) { endStatuses.push_back(status); });
    }
    void TearDown() override
    {
        SetProgramEndHook({});
        ResetGameState();
    }
    std::vector<int> endStatuses;
};

TEST_F(WindowProtocol, MainClearsTheGatesAndShowsTheMainWindow)
{
    game.gateLoaded.fill(kTrue);
    bool shown = false;
    Main([&] {
        shown = true;
        MarkWindowLoaded();
    });
    EXPECT_TRUE(shown);
    for (Flag loaded : game.gateLoaded) EXPECT_EQ(loaded, kFalse);
    EXPECT_EQ(game.endOnUnload, kTrue);
}

TEST_F(WindowProtocol, ClosingByThePlayerEndsTheProgram)
{
    MarkWindowLoaded();
    EXPECT_TRUE(EndProgramIfClosedByPlayer());
    EXPECT_EQ(endStatuses, std::vector<int>{0});
}

TEST_F(WindowProtocol, ClosingByTheProgramDoesNot)
{
    MarkWindowLoaded();
    Flag duringClose = kTrue;
    CloseByProgram([&] {
        duringClose = game.endOnUnload;
        EXPECT_FALSE(EndProgramIfClosedByPlayer());
    });
    EXPECT_EQ(duringClose, kFalse);
    EXPECT_EQ(game.endOnUnload, kTrue);
    EXPECT_TRUE(endStatuses.empty());
}

TEST(GameState, ResetReturnsEveryValueToItsStart)
{
    game.gateLoaded[3] = kTrue;
    game.umaEntry[5].name = u"テスト"_qs;
    game.pedigree.hyoNo[7] = 12;
    game.orderGate[0] = 4;
    ResetGameState();
    EXPECT_EQ(game.gateLoaded[3], kFalse);
    EXPECT_EQ(game.umaEntry[5], UmaEntry{});
    EXPECT_EQ(game.pedigree.hyoNo[7], 0);
    EXPECT_EQ(game.orderGate[0], 0);
}

TEST(TickCounter, ReplaceableAndRestorable)
{
    SetTickSource([] { return 42u; });
    EXPECT_EQ(GetTickCount(), 42u);
    SetTickSource({});
    const uint32_t first = GetTickCount();
    EXPECT_LT(RealTickCount() - first, 60000u) << "the real counter never runs backwards";
}

}  // namespace
}  // namespace kestrova
