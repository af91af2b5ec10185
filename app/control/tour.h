// The state of the turn flow, shared by the controller and navigation.
#pragma once

#include <cstdint>

namespace kolmar {

// Where the turn stands. One value, so that "the computer is to move",
// "it thinks" and "a move is being shown" can never disagree.
enum class Tour : uint8_t {
    repos,        // no move under way: the clicks of the side to move are taken
    a_jouer,      // the computer is to move: the main loop's next pass starts its search
    reflexion,    // the computer searches for its move
    coup_montre,  // a move is being shown on the board (the computer's, or a human's capture)
};

}  // namespace kolmar
