#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <sys/types.h>

// The program's files on disk: read whole, and replaced whole without ever leaving a torn file.
class LocalFile {
public:
    struct Outcome {
        bool ok = true;
        std::string error; // what went wrong, for the record; the user sees the caller's message
    };

    // The whole contents of `path`. A missing file is created empty (permissions `createMode`,
    // less the umask) and reads as empty. nullopt when the file can be neither read nor created,
    // when what has the name is no plain file (a folder, a pipe, a device), or when reading fails
    // part of the way.
    static std::optional<std::string> ReadOrCreate(const std::string& path,
                                                   mode_t createMode = 0666);

    // Makes `bytes` the contents of `path`: they go to a temporary file in the same directory,
    // which is flushed to disk and then renamed over the old file. On any failure (no room, an
    // I/O error, a read-only file or directory, the name taken by anything but a plain file) the
    // old file is left byte for byte as it was and the temporary file is removed. The new file gets
    // `mode` when given, else the old file's permissions, else 0666 less the umask.
    static Outcome Replace(const std::string& path, std::string_view bytes,
                           std::optional<mode_t> mode = std::nullopt);

    // Makes a new file `path` holding `bytes`, written as safely as Replace writes, but only
    // where nothing has that name yet: when anything has, it stays as it is and this fails.
    // The new file gets `mode` when given, else 0666 less the umask.
    static Outcome Create(const std::string& path, std::string_view bytes,
                          std::optional<mode_t> mode = std::nullopt);

    // The text with every line feed written as CR LF.
    static std::string WithCrLf(std::string_view text);
};
