// The preferences reader on any bytes, and the writer on whatever it read: the settings survive
// a save and a load unchanged, and the file always has its seven lines.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "publish/Preferences.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Preferences read;
    [[maybe_unused]] const bool tooltips = read.Read(text);
    const std::string written = read.FileText();

    std::size_t lines = 0;
    for (std::size_t at = written.find("\r\n"); at != std::string::npos;
         at = written.find("\r\n", at + 2)) {
        ++lines;
    }
    if (lines != 7 || written.rfind("CREATOR=QUERNDALE 1.0\r\n", 0) != 0) {
        std::abort();
    }
    Preferences again;
    if (again.Read(written) || !(again == read)) {
        std::abort();
    }
    return 0;
}
