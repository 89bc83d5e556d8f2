#include "app/GameState.hpp"
