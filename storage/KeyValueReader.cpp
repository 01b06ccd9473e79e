#include "storage/KeyValueReader.h"

namespace {

bool IsTrailingSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

} // namespace

void KeyValueReader::SplitLine(std::string_view line, std::string_view& key,
                               std::string_view& value) {
    std::size_t end = line.size();
    while (end > 0 && IsTrailingSpace(line[end - 1])) {
        --end;
    }
    line = line.substr(0, end);
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        key = line;
        value = {};
    } else {
        key = line.substr(0, equals);
        value = line.substr(equals + 1);
    }
}

void KeyValueReader::ForEachLine(std::string_view text, const LineHandler& handler) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t feed = text.find('\n', start);
        if (feed == std::string_view::npos) {
            return;
        }
        std::string_view key;
        std::string_view value;
        SplitLine(text.substr(start, feed - start), key, value);
        handler(key, value);
        start = feed + 1;
    }
}
