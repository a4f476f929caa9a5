// Running a check as a user without special rights, and a small file system that fills up.
//
// Permissions bind root only in part (root opens a read-only file for writing), so the checks
// of the failure paths that rest on them run in a child process that, when the tests run as
// root, takes the "nobody" user and group first.
#pragma once

#include <grp.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

constexpr uid_t kNobodyUser = 65534;
constexpr gid_t kNobodyGroup = 65534;

// In a child process: as root, takes the "nobody" user and group; false when that failed.
inline bool GiveUpRootRights() {
    return ::geteuid() != 0 ||
           (::setgroups(0, nullptr) == 0 && ::setgid(kNobodyGroup) == 0 && ::setuid(kNobodyUser) == 0);
}

// Runs `check` in a child process as an ordinary user; answers what it answered, false when the
// child could not be made, could not give up root's rights, or died.
inline bool AsOrdinaryUser(const std::function<bool()>& check) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (!GiveUpRootRights()) ::_exit(3);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A copy of a program in a folder of its own that every user can reach, removed with the
// object: the build folder may lie where the "nobody" user cannot go (under /root, say).
class ReachableCopy {
public:
    explicit ReachableCopy(const std::string& program) {
        std::string pattern = "/tmp/morvane-program-XXXXXX";
        if (!::mkdtemp(pattern.data())) return;
        folder_ = pattern;
        std::error_code error;
        std::filesystem::copy_file(program, folder_ + "/program", error);
        if (!error && ::chmod(folder_.c_str(), 0755) == 0 && ::chmod((folder_ + "/program").c_str(), 0755) == 0)
            path_ = folder_ + "/program";
    }
    ~ReachableCopy() {
        std::error_code ignored;
        if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
    }
    ReachableCopy(const ReachableCopy&) = delete;
    ReachableCopy& operator=(const ReachableCopy&) = delete;
    // Empty when the copy could not be made.
    const std::string& Path() const { return path_; }

private:
    std::string folder_, path_;
};

// Runs the current test again in a new process of the same test program as the "nobody" user,
// for tests whose process has threads that a plain fork would not carry over (a window's
// painting); answers its exit code, -1 when it could not be run. Call it only as root.
inline int RerunThisTestAsOrdinaryUser() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string filter = std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name();
    const ReachableCopy program("/proc/self/exe");
    if (program.Path().empty()) return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        if (!GiveUpRootRights()) ::_exit(125);
        ::execl(program.Path().c_str(), "tests", filter.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

// A file system of a few kilobytes mounted on a folder for the life of the object (root only;
// Mounted() is false elsewhere, and the test skips).
class SmallFileSystem {
public:
    SmallFileSystem(const std::string& folder, int kilobytes) : folder_(folder) {
        const std::string options = "size=" + std::to_string(kilobytes) + "k";
        mounted_ = ::geteuid() == 0 && ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, options.c_str()) == 0;
    }
    ~SmallFileSystem() {
        if (mounted_) ::umount(folder_.c_str());
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;
    bool Mounted() const { return mounted_; }

private:
    std::string folder_;
    bool mounted_ = false;
};
