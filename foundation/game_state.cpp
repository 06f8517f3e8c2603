#include "foundation/game_state.h"

namespace kestrova {

GameState game;

void ResetGameState() { game = GameState{}; }

}  // namespace kestrova
