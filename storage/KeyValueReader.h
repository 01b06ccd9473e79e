#pragma once

#include <functional>
#include <string>
#include <string_view>

// The line format of both local files: lines of a key, "=" and a value. A line counts only once
// its line feed has been read (text after the last line feed is ignored); its trailing white
// space (blank, tab, CR, LF, VT, FF) goes, leading white space stays; the key is the text before
// the first "=", the value everything after it; a line without "=" is all key with an empty
// value. Keys are compared exactly by the caller.
class KeyValueReader {
public:
    using LineHandler = std::function<void(std::string_view key, std::string_view value)>;

    // Calls `handler` for every complete line of `text`, in order.
    static void ForEachLine(std::string_view text, const LineHandler& handler);
    // Splits one line (without its line feed) as above.
    static void SplitLine(std::string_view line, std::string_view& key, std::string_view& value);
};
