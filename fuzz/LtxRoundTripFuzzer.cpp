// Opens the input as an LTX file and saves it, then opens the saved file and saves it again:
// the saved file must give the same rows as the input, and the second save must write the
// same bytes as the first. Saved line by line right after opening, the input must come back
// byte for byte.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "objlib/FileSystem.h"
#include "runtime/Dispatch.h"
#include "tools/LtxDocument.h"

namespace {

// A private folder for this process's files: under $TMPDIR, else in memory under /dev/shm
// where there is one, else /tmp. It goes when the process ends normally.
const std::string& ScratchFolder() {
    static const std::string folder = [] {
        namespace fs = std::filesystem;
        const char* tmp = std::getenv("TMPDIR");
        std::string base = tmp && *tmp ? tmp : fs::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        std::string pattern = base + "/morvane-fuzz-XXXXXX";
        if (!::mkdtemp(pattern.data())) FuzzCheckFailed("a scratch folder can be made", __FILE__, __LINE__);
        return pattern;
    }();
    return folder;
}

void RemoveScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(ScratchFolder(), ignored);
}

// The row strings the parser sends while a file is opened.
class RowCollector : public LtxDocument::Listener {
public:
    std::vector<std::string> rows;
    void Row(const Bytes& row) override { rows.push_back(row.str()); }
    void ContentsEntry(const Bytes&) override {}
};

Bytes SavedBytes(const std::string& path) {
    Bytes content;
    FUZZ_CHECK(ReadWholeFile(path, content));
    return content;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ScratchFolder();
    std::atexit(&RemoveScratchFolder);
    ActivateHooks();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input = ScratchFolder() + "/input.ltx";
    const std::string first = ScratchFolder() + "/first.ltx";
    const std::string second = ScratchFolder() + "/second.ltx";
    const std::string kept = ScratchFolder() + "/kept.ltx";
    FUZZ_CHECK(WriteWholeFile(input, std::string_view(reinterpret_cast<const char*>(data), size)));

    LtxDocument document;
    RowCollector read;
    document.SetListener(&read);
    // Text ends at its first NUL byte, so a file holding one is refused, not round-tripped.
    const bool holdsNul = std::memchr(data, '\0', size) != nullptr;
    FUZZ_CHECK(document.Open(Bytes(input)) == !holdsNul);
    if (holdsNul) return 0;
    FUZZ_CHECK(document.KeepsLines());
    FUZZ_CHECK(document.SaveKeepingLinesTo(Bytes(kept)));
    FUZZ_CHECK(SavedBytes(kept).view() == std::string_view(reinterpret_cast<const char*>(data), size));
    FUZZ_CHECK(document.SaveTo(Bytes(first)));

    LtxDocument again;
    RowCollector reread;
    again.SetListener(&reread);
    FUZZ_CHECK(again.Open(Bytes(first)));
    FUZZ_CHECK(reread.rows == read.rows);
    FUZZ_CHECK(again.SaveTo(Bytes(second)));
    FUZZ_CHECK(SavedBytes(second) == SavedBytes(first));
    return 0;
}
