// Helpers for the LTX scheme tests: temporary files, an opened document's rows, and the
// fixture the parser and writer tests share.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/Dispatch.h"
#include "tools/LtxDocument.h"

// A fresh directory under /tmp, removed with everything in it at the end of the scope.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& content);

// What the parser sent while a file was opened.
struct Parsed {
    std::vector<std::string> rows;
    std::vector<std::string> contents;
};

// Collects rows and contents entries of an LtxDocument.
class ParsedCollector : public LtxDocument::Listener {
public:
    Parsed parsed;
    void Row(const Bytes& row) override { parsed.rows.push_back(row.str()); }
    void ContentsEntry(const Bytes& entry) override { parsed.contents.push_back(entry.str()); }
};

// Opens `path` in a fresh document (hooks must be active).
Parsed ParseFile(const std::string& path);
// Writes `text` to a temporary file and opens it.
Parsed ParseText(const std::string& text);

// The hooks on, as after start-up, and a fresh directory for the files a test reads and writes.
class LtxSchemeTest : public ::testing::Test {
protected:
    void SetUp() override { ActivateHooks(); }
    void TearDown() override { DeactivateHooks(); }

    TempDir dir;
};
