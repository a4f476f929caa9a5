// The game-aware window (GameWindow) joined to the main scheme.
#pragma once

class TClassMainForm_12C49D4;

// Hands the game window what it works with: the keeper, the tables panel's main table and
// row menu, the file panel and the file list. The line parser's rows then reach the tables
// through it, so that overlay headers, which the parser reads as other lines, get contents
// entries. Call it once the nested schemes and the keeper are set up.
void WatchTheGame(TClassMainForm_12C49D4& scheme);
