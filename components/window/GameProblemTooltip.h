// GameProblemTooltip: what the window says about a problem the game model found, in Russian, for
// the tooltip of the row's mark.
#pragma once

#include <QString>

#include "game/GameModel.h"

// The problem's text. Places in the open file `openFile` are named by their row (1-based, as
// the rows are the lines the model read), places in other files by file name and line.
QString GameProblemTooltip(const GameModel& model, const GameProblem& problem, int openFile);

