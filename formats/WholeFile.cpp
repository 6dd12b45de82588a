#include "formats/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace varelio {

namespace {

// Links followed before the name is taken for a loop, as the system's own limit.
constexpr int kMaxLinks = 40;
// New names tried for the file being written before giving up.
constexpr int kTemporaryNameTries = 100;

Problem NotReplaceable() { return Problem{ProblemCode::FileNotReplaceable, Severity::Error, FormField::None, 0, {}}; }

Problem Unwritable(int error) {
    return Problem{ProblemCode::FileUnwritable, Severity::Error, FormField::None, 0, std::strerror(error)};
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The name a write to path replaces: path itself, or where its links lead;
// with the replaced file's status in existing, when there is one.
Result<std::string> TargetOf(const std::string& path, struct stat& existing, bool& exists) {
    std::string target = path;
    exists = false;
    for (int links = 0;; ++links) {
        if (::lstat(target.c_str(), &existing) != 0) {
            if (errno != ENOENT) return Unwritable(errno);
            // A link that leads nowhere is not followed: what it would make is not the user's choice.
            if (links > 0) return NotReplaceable();
            return target;
        }
        if (S_ISLNK(existing.st_mode)) {
            if (links == kMaxLinks) return Unwritable(ELOOP);
            std::string leads(static_cast<std::size_t>(existing.st_size > 0 ? existing.st_size : 255) + 1, '\0');
            const ssize_t length = ::readlink(target.c_str(), leads.data(), leads.size());
            if (length < 0) return Unwritable(errno);
            leads.resize(static_cast<std::size_t>(length));
            target = leads.starts_with('/') ? leads : FolderOf(target) + "/" + leads;
            continue;
        }
        if (!S_ISREG(existing.st_mode)) return NotReplaceable();
        if (::access(target.c_str(), W_OK) != 0) return Unwritable(errno);
        exists = true;
        return target;
    }
}

// A new file beside target, open for writing; its name in temporary.
int CreateBeside(const std::string& target, std::string& temporary, int& error) {
    const auto seed = static_cast<unsigned long>(std::chrono::steady_clock::now().time_since_epoch().count());
    for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, ".%06lx", (seed + static_cast<unsigned long>(attempt) * 7919UL +
                                                         static_cast<unsigned long>(::getpid())) & 0xFFFFFFUL);
        temporary = target + suffix;
        // 0666 less the umask, as any new file.
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            error = errno;
            return fd;
        }
    }
    error = EEXIST;
    return -1;
}

// The whole of bytes to fd; 0 or the system's reason.
int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return written < 0 ? errno : EIO;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

}  // namespace

Result<void> WriteWholeFile(const std::string& path, std::string_view bytes) {
    struct stat existing {};
    bool exists = false;
    const Result<std::string> target = TargetOf(path, existing, exists);
    if (!target) return target.problem();

    std::string temporary;
    int error = 0;
    const int fd = CreateBeside(target.value(), temporary, error);
    if (fd < 0) return Unwritable(error);
    error = WriteAll(fd, bytes);
    if (error == 0 && exists) {
        // Owner and group first, since a change of owner clears the set-id
        // bits the mode then puts back.
        [[maybe_unused]] const bool owned =
            ::fchown(fd, existing.st_uid, existing.st_gid) == 0 || ::fchown(fd, static_cast<uid_t>(-1), existing.st_gid) == 0;
        if (::fchmod(fd, existing.st_mode & 07777) != 0) error = errno;
    }
    // A full disk may show only when the file reaches it.
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.value().c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return Unwritable(error);
    }
    return {};
}

}  // namespace varelio
