// GamePaths: the paths the game model follows, as the system's cp1251 text with "/" between
// folders: include names made into paths, wildcards, mod overlay files and whole folders.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The folder part of a path ("" for a bare name), without its last "/".
std::string_view GameFolderOf(std::string_view path);

// An include name (folders separated by "\" or "/") beside the including file's folder, with
// "." and ".." parts resolved where the path allows it.
std::string GameJoinPath(std::string_view folder, std::string_view name);

// What tells two paths of one file apart from paths of two files: the absolute path with "."
// and ".." resolved, in the platform's form.
std::string GameFileIdentity(std::string_view path);

std::string GameLowerCase(std::string_view text);  // ASCII letters only
bool GameHasWildcard(std::string_view name);
// Whether a file name matches a pattern of "*" (any run) and "?" (any byte), ASCII case ignored.
bool GameNameMatches(std::string_view pattern, std::string_view name);

// The names of the regular files in a folder ("" is the current one) that match the pattern,
// in name order (ASCII case ignored, then by bytes). Names that cp1251 cannot write are left out.
std::vector<std::string> GameMatchingFiles(std::string_view folder, std::string_view pattern);

// The *.ltx files (any case) in a folder and all its subfolders, as paths that begin with the
// folder, sorted by path; false when the folder cannot be listed.
bool GameLtxFilesUnder(std::string_view folder, std::vector<std::string>& paths);
