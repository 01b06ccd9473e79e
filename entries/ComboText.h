#pragma once

#include <string>
#include <vector>

// What an editable drop-down box shows after a text is written to it: the whole text of the
// first list item that begins with the text, compared without regard to (ASCII) letter case;
// the text itself when no item matches. An empty text matches no item.
class ComboText {
public:
    // Index of the first item that begins with `text`, or -1.
    static int FindPrefixItem(const std::vector<std::string>& items, const std::string& text);
    static std::string Shown(const std::vector<std::string>& items, const std::string& text);
};
