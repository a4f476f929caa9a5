// The LTX files that suites run over. The repository's own fixtures (tests/fixtures) come with
// every checkout; the real files of other authors lie beside the checkout only on some
// machines, so a suite over them shows one skipped case per test where they are missing.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

struct FixtureFile {
    std::string folder;
    std::string name;  // empty: the folder itself stands for its missing files

    std::string Path() const { return name.empty() ? folder : folder + "/" + name; }
    // The path without ".ltx", where the golden files beside the input begin.
    std::string Stem() const { return Path().substr(0, Path().size() - std::string(".ltx").size()); }
    bool Absent() const { return !std::filesystem::exists(Path()); }
    std::string AbsenceNote() const {
        return std::filesystem::path(Path()).lexically_normal().string() +
               " is absent; the real LTX files are only found beside some checkouts";
    }
};

// gtest's printer would otherwise dump the bytes of the struct in failure messages.
inline void PrintTo(const FixtureFile& file, std::ostream* out) { *out << file.Path(); }

// The .ltx files of `folder`, sorted by name; one entry for the folder itself when it does
// not exist, so that the suite still has a case to report as skipped.
inline std::vector<FixtureFile> LtxFilesIn(const std::string& folder) {
    std::vector<FixtureFile> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.path().extension() == ".ltx") files.push_back({folder, entry.path().filename().string()});
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    if (files.empty() && !std::filesystem::exists(folder)) files.push_back({folder, ""});
    return files;
}

inline std::vector<FixtureFile> RepositoryFixtures() { return LtxFilesIn(MORVANE_REPO_FIXTURES_DIR); }
inline std::vector<FixtureFile> RealFiles() { return LtxFilesIn(MORVANE_REAL_FIXTURES_DIR); }
inline FixtureFile RepositoryFixture(const std::string& name) { return {MORVANE_REPO_FIXTURES_DIR, name}; }
inline FixtureFile RealFile(const std::string& name) { return {MORVANE_REAL_FIXTURES_DIR, name}; }

// The case's name: the file's name without extension in CamelCase ("weapons_includes.ltx"
// gives WeaponsIncludes), or FolderAbsent for a missing folder.
inline std::string FixtureCaseName(const ::testing::TestParamInfo<FixtureFile>& info) {
    const std::string& name = info.param.name;
    if (name.empty()) return "FolderAbsent";
    std::string out;
    bool upper = true;
    for (char c : name.substr(0, name.find('.'))) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            upper = true;
            continue;
        }
        out += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
        upper = false;
    }
    return out;
}
