#include "LtxTestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

TempDir::TempDir() {
    char pattern[] = "/tmp/morvane-test-XXXXXX";
    if (!mkdtemp(pattern)) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

Parsed ParseFile(const std::string& path) {
    LtxDocument document;
    ParsedCollector collector;
    document.SetListener(&collector);
    document.Open(Bytes(path));
    return collector.parsed;
}

Parsed ParseText(const std::string& text) {
    TempDir dir;
    std::string path = dir.File("input.ltx");
    WriteFileBytes(path, text);
    return ParseFile(path);
}
