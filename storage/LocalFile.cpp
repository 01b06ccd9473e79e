#include "storage/LocalFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

LocalFile::Outcome Failure(const std::string& what) {
    return {false, what + ": " + std::strerror(errno)};
}

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Follows a symbolic link, so that saving writes through it instead of replacing the link.
std::string ResolveTarget(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        if (char* resolved = realpath(path.c_str(), nullptr)) {
            std::string target(resolved);
            std::free(resolved);
            return target;
        }
    }
    return path;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (written == 0) {
            errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Keeps errno: the caller reports the failure that brought it here.
void RemoveTemporary(const std::string& temporary) {
    const int saved = errno;
    unlink(temporary.c_str());
    errno = saved;
}

// Writes `bytes` to a new temporary file beside `path` and flushes it to disk; `temporary` gets
// its name. On failure nothing of it is left.
LocalFile::Outcome WriteTemporary(const std::string& path, std::string_view bytes, mode_t mode,
                                  std::string& temporary) {
    temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        return Failure(temporary);
    }
    LocalFile::Outcome outcome;
    if (fchmod(fd, mode) != 0) {
        outcome = Failure("fchmod " + temporary);
    } else if (!WriteAll(fd, bytes)) {
        outcome = Failure("write " + temporary);
    } else if (fsync(fd) != 0) {
        outcome = Failure("fsync " + temporary);
    }
    if (close(fd) != 0 && outcome.ok) {
        outcome = Failure("close " + temporary);
    }
    if (!outcome.ok) {
        RemoveTemporary(temporary);
    }
    return outcome;
}

mode_t DefaultMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool IsReadOnlyFolder(const std::string& directory) {
    struct stat folder {};
    return stat(directory.c_str(), &folder) == 0 && (folder.st_mode & kAnyWrite) == 0;
}

} // namespace

std::optional<std::string> LocalFile::ReadOrCreate(const std::string& path, mode_t createMode) {
    // Without O_NONBLOCK a named pipe in the file's place would hold the program up until
    // something writes to it; with it, the pipe opens at once and is turned away below. Reading a
    // plain file is not affected.
    constexpr int kFlags = O_RDONLY | O_CLOEXEC | O_NONBLOCK;
    int fd = open(path.c_str(), kFlags);
    if (fd < 0 && errno == ENOENT) {
        fd = open(path.c_str(), kFlags | O_CREAT, createMode);
    }
    if (fd < 0) {
        return std::nullopt;
    }
    // Only a plain file is read: a folder, a pipe or a device (a link to /dev/zero never ends)
    // reads as no file.
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return std::nullopt;
    }
    std::string contents;
    if (info.st_size > 0) {
        contents.reserve(static_cast<std::size_t>(info.st_size));
    }
    char buffer[65536];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        // Half a file is no file: whoever reads it must not take it for the whole and later
        // save the half over it.
        if (got < 0) {
            close(fd);
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        contents.append(buffer, static_cast<std::size_t>(got));
    }
    close(fd);
    return contents;
}

LocalFile::Outcome LocalFile::Replace(const std::string& requestedPath, std::string_view bytes,
                                      std::optional<mode_t> mode) {
    const std::string path = ResolveTarget(requestedPath);
    const std::string directory = DirectoryOf(path);

    struct stat old {};
    const bool exists = stat(path.c_str(), &old) == 0;
    // Only a plain file is replaced: a folder, a pipe or a device that has the name (or that a
    // link by the name leads to) stays what it is.
    if (exists && !S_ISREG(old.st_mode)) {
        errno = S_ISDIR(old.st_mode) ? EISDIR : EINVAL;
        return Failure(path);
    }
    // A file or folder the user made read-only stays untouched, whoever runs the program.
    if (exists && (old.st_mode & kAnyWrite) == 0) {
        errno = EACCES;
        return Failure(path);
    }
    if (IsReadOnlyFolder(directory)) {
        errno = EACCES;
        return Failure(directory);
    }
    const mode_t newMode = mode ? *mode : exists ? old.st_mode & 07777 : DefaultMode();
    std::string temporary;
    Outcome outcome = WriteTemporary(path, bytes, newMode, temporary);
    if (outcome.ok && rename(temporary.c_str(), path.c_str()) != 0) {
        outcome = Failure("rename " + temporary);
        RemoveTemporary(temporary);
    }
    return outcome;
}

LocalFile::Outcome LocalFile::Create(const std::string& path, std::string_view bytes,
                                     std::optional<mode_t> mode) {
    const std::string directory = DirectoryOf(path);
    if (IsReadOnlyFolder(directory)) {
        errno = EACCES;
        return Failure(directory);
    }
    std::string temporary;
    Outcome outcome = WriteTemporary(path, bytes, mode ? *mode : DefaultMode(), temporary);
    if (!outcome.ok) {
        return outcome;
    }
    // A hard link takes the name only while it is free, in one step: whatever has the name by
    // then (a file, a folder, a link, even a dangling one) stays as it is.
    if (link(temporary.c_str(), path.c_str()) != 0) {
        outcome = Failure("link " + path);
    }
    RemoveTemporary(temporary);
    return outcome;
}

std::string LocalFile::WithCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
    return out;
}
