#include "game/GamePaths.h"

#include <algorithm>
#include <filesystem>

#include "objlib/Cp1251.h"
#include "objlib/FileSystem.h"

namespace fs = std::filesystem;

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Name order: ASCII case ignored, then the bytes.
bool InNameOrder(const std::string& a, const std::string& b) {
    const std::string la = GameLowerCase(a), lb = GameLowerCase(b);
    return la != lb ? la < lb : a < b;
}

fs::path NativeFolder(std::string_view folder) { return folder.empty() ? fs::path(".") : fs::path(NativePath(folder)); }

}  // namespace

std::string_view GameFolderOf(std::string_view path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) return {};
    return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

std::string GameJoinPath(std::string_view folder, std::string_view name) {
    std::string joined(folder);
    if (!joined.empty() && joined.back() != '/') joined += '/';
    for (char c : name) joined += c == '\\' ? '/' : c;
    // "." and ".." parts, each taken back against the part before it where there is one.
    std::vector<std::string_view> parts;
    std::string_view rest = joined;
    const bool absolute = rest.starts_with('/');
    while (!rest.empty()) {
        const size_t slash = rest.find('/');
        const std::string_view part = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
        if (part.empty() || part == ".") continue;
        if (part == ".." && !parts.empty() && parts.back() != "..") {
            parts.pop_back();
        } else if (!(part == ".." && absolute && parts.empty())) {
            parts.push_back(part);
        }
    }
    std::string path = absolute ? "/" : "";
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i) path += '/';
        path += parts[i];
    }
    return path;
}

std::string GameFileIdentity(std::string_view path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(fs::path(NativePath(path)), error);
    return (error ? fs::path(NativePath(path)) : absolute).lexically_normal().string();
}

std::string GameLowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = LowerAscii(c);
    return lower;
}

bool GameHasWildcard(std::string_view name) { return name.find_first_of("*?") != std::string_view::npos; }

bool GameNameMatches(std::string_view pattern, std::string_view name) {
    // Greedy matching with one point to come back to: the last "*" seen.
    size_t p = 0, n = 0, star = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            starName = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || LowerAscii(pattern[p]) == LowerAscii(name[n]))) {
            ++p;
            ++n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

std::vector<std::string> GameMatchingFiles(std::string_view folder, std::string_view pattern) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(NativeFolder(folder), error), end; !error && it != end; it.increment(error)) {
        std::string name;
        if (!it->is_regular_file(error) || !Utf8ToCp1251(it->path().filename().string(), name)) continue;
        if (GameNameMatches(pattern, name)) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), InNameOrder);
    return names;
}

bool GameLtxFilesUnder(std::string_view folder, std::vector<std::string>& paths) {
    std::error_code error;
    fs::recursive_directory_iterator it(NativeFolder(folder), fs::directory_options::skip_permission_denied, error);
    if (error) return false;
    const std::string prefix = folder.empty() || folder.ends_with('/') ? std::string(folder) : std::string(folder) + "/";
    for (fs::recursive_directory_iterator end; it != end; it.increment(error)) {
        if (error) return false;
        std::string relative;
        const fs::path& entry = it->path();
        if (GameLowerCase(entry.extension().string()) != ".ltx" || !it->is_regular_file(error)) continue;
        if (!Utf8ToCp1251(entry.lexically_relative(NativeFolder(folder)).string(), relative)) continue;
        paths.push_back(prefix + relative);
    }
    std::sort(paths.begin(), paths.end(), InNameOrder);
    return true;
}
