#include "game/board/BoardEvents.h"

TBoardEvents BoardEvents;
