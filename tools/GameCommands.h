// GameCommands: the tool's commands that read files as the game does (through GameModel)
// rather than as the editor's table shows them.
//
//   check PATH...                 every problem, "FILE:LINE: error|warning: message"
//   get --effective FILE SECTION KEY
//                                 the value after inheritance; where it comes from on stderr
//   tree FILE SECTION             the parents as the game resolves them
#pragma once

#include <string>
#include <vector>

// Whether the command (as the command line names it) is one of these.
bool IsGameCommand(const std::string& command, bool effective);

// Runs it with its words (paths, section and key as given, in UTF-8) and ends the process with
// its exit code: 0 done (check: no error found), 1 an error found by check, or a file that
// cannot be read, 3 no such section or key.
[[noreturn]] void RunGameCommand(const std::string& command, const std::vector<std::string>& words);
