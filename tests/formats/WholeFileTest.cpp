// Files written whole, and only where a file may be replaced: made in a
// scratch folder, never the machine's own device nodes.
#include "formats/WholeFile.h"

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/sysmacros.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>

namespace varelio {
namespace {

namespace fs = std::filesystem;

// A folder of the test's own, removed with what it holds (a file system
// mounted on it first unmounted).
class ScratchFolder {
public:
    ScratchFolder() {
        char name[] = "/tmp/varelio-whole-XXXXXX";
        path_ = ::mkdtemp(name) ? name : "";
    }
    ~ScratchFolder() {
        ::umount(path_.c_str());
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    const std::string& path() const { return path_; }
    std::set<std::string> Names() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(path_)) names.insert(entry.path().filename());
        return names;
    }

private:
    std::string path_;
};

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool Put(const std::string& path, const std::string& bytes) { return static_cast<bool>(std::ofstream(path) << bytes); }

// A device node of its own (the null device's numbers), made as root only.
bool MakeDevice(const std::string& path) { return ::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0; }

TEST(WriteWholeFile, OnlyANewNameOrARegularFileIsWritten) {
    ScratchFolder dir;
    ASSERT_FALSE(dir.path().empty());
    ASSERT_TRUE(Put(dir / "plain", "old") && ::mkfifo((dir / "fifo").c_str(), 0644) == 0 &&
                ::mkdir((dir / "folder").c_str(), 0755) == 0);
    const bool device = MakeDevice(dir / "device");
    for (const char* to : {"plain", "fifo", "device", "nowhere", "loop"}) {
        ASSERT_EQ(::symlink(to, (dir / (std::string("link-to-") + to)).c_str()), 0);
    }
    ASSERT_EQ(::symlink("link-to-loop", (dir / "loop").c_str()), 0);
    const std::set<std::string> before = dir.Names();

    struct Case {
        std::string name;
        std::optional<ProblemCode> refused;
        std::string writtenAt;  // the file holding the bytes once written
    };
    const Case cases[] = {
        {"new", std::nullopt, "new"},
        {"plain", std::nullopt, "plain"},
        {"link-to-plain", std::nullopt, "plain"},  // the link stays, its file is replaced
        {"fifo", ProblemCode::FileNotReplaceable, ""},
        {"folder", ProblemCode::FileNotReplaceable, ""},
        {"device", ProblemCode::FileNotReplaceable, ""},
        {"link-to-fifo", ProblemCode::FileNotReplaceable, ""},
        {"link-to-device", ProblemCode::FileNotReplaceable, ""},
        {"link-to-nowhere", ProblemCode::FileNotReplaceable, ""},
        {"link-to-loop", ProblemCode::FileUnwritable, ""},
    };
    for (const Case& c : cases) {
        if (c.name.ends_with("device") && !device) continue;  // mknod needs root
        struct stat was {};
        ::lstat((dir / c.name).c_str(), &was);
        const Result<void> written = WriteWholeFile(dir / c.name, "chart " + c.name);
        EXPECT_EQ(written.ok(), !c.refused) << c.name;
        if (c.refused) {
            EXPECT_EQ(written.ok() ? ProblemCode::NameMissing : written.problem().code, *c.refused) << c.name;
            struct stat now {};
            EXPECT_TRUE(::lstat((dir / c.name).c_str(), &now) == 0 && (now.st_mode & S_IFMT) == (was.st_mode & S_IFMT) &&
                        now.st_ino == was.st_ino)
                << c.name << " was replaced";
        } else {
            EXPECT_EQ(Contents(dir / c.writtenAt), "chart " + c.name);
        }
    }
    // Nothing else was made: no file where a link led nowhere, no file half written.
    std::set<std::string> after = before;
    after.insert("new");
    EXPECT_EQ(dir.Names(), after);
}

// On a full disk the system's reason is said and the earlier file is left
// whole (owner, group and mode kept: tests/app/tst_filecommands.cpp).
TEST(WriteWholeFile, AFullDiskIsNamedAndLeavesTheEarlierFile) {
    ScratchFolder dir;
    // A small file system of the folder's own, filled to the last block.
    if (::mount("tmpfs", dir.path().c_str(), "tmpfs", 0, "size=16k") != 0) {
        GTEST_SKIP() << "mounting a file system needs root: " << std::strerror(errno);
    }
    ASSERT_TRUE(Put(dir / "asha.vrl", "earlier"));
    Put(dir / "fill", std::string(64 * 1024, 'x'));
    const Result<void> full = WriteWholeFile(dir / "asha.vrl", std::string(8192, 'y'));
    ASSERT_FALSE(full.ok());
    EXPECT_EQ(full.problem().code, ProblemCode::FileUnwritable);
    EXPECT_EQ(full.problem().detail, std::strerror(ENOSPC));
    EXPECT_EQ(Contents(dir / "asha.vrl"), "earlier");
    EXPECT_EQ(dir.Names(), (std::set<std::string>{"asha.vrl", "fill"}));
}

}  // namespace
}  // namespace varelio
