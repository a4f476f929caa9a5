// GameProblemText: the game model's findings in the tool's words (English), one line each, and
// the model's texts shown on a terminal.
#pragma once

#include <string>
#include <string_view>

#include "game/GameModel.h"

// Bytes of a file or path as a terminal shows them: UTF-8 text as it is, anything else read as
// code page 1251.
std::string ShownText(std::string_view bytes);

// "FILE:LINE", the form editors and annotators jump to.
std::string ShownLocation(const GameModel& model, GameLocation at);

// "FILE:LINE: error: message" or "FILE:LINE: warning: message".
std::string ProblemLine(const GameModel& model, const GameProblem& problem);
