// The key=value line reader on any bytes: it reports one line per line feed, no key holds an "=",
// and no value ends in white space.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "storage/KeyValueReader.h"

namespace {

bool EndsInSpace(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    const char last = text.back();
    return last == ' ' || last == '\t' || last == '\r' || last == '\n' || last == '\v' ||
           last == '\f';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::size_t lines = 0;
    KeyValueReader::ForEachLine(text, [&](std::string_view key, std::string_view value) {
        ++lines;
        if (key.find('=') != std::string_view::npos || key.find('\n') != std::string_view::npos ||
            value.find('\n') != std::string_view::npos || EndsInSpace(value)) {
            std::abort();
        }
    });
    std::size_t feeds = 0;
    for (const char c : text) {
        feeds += c == '\n' ? 1 : 0;
    }
    if (lines != feeds) {
        std::abort();
    }
    return 0;
}
