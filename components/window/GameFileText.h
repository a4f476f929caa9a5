// Texts the game model takes from its files (section and key names, values, parent and
// include names) where they meet Qt: each in the encoding of the file it comes from, since a
// set may hold UTF-8 and cp1251 files side by side and the open file's encoding says nothing
// about the others. Paths are the system's cp1251 text and go through QtText.h.
#pragma once

#include <QString>
#include <string_view>

#include "game/GameModel.h"

// The bytes as Qt shows them, read in the encoding of the model's file `file` (cp1251 when
// there is no such file).
QString GameFileText(const GameModel& model, int file, std::string_view bytes);
