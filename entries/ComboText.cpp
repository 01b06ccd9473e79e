#include "entries/ComboText.h"

#include <cstddef>

namespace {

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool BeginsWithIgnoringCase(const std::string& item, const std::string& prefix) {
    if (prefix.size() > item.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (FoldAscii(item[i]) != FoldAscii(prefix[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

int ComboText::FindPrefixItem(const std::vector<std::string>& items, const std::string& text) {
    if (text.empty()) {
        return -1;
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (BeginsWithIgnoringCase(items[i], text)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string ComboText::Shown(const std::vector<std::string>& items, const std::string& text) {
    const int index = FindPrefixItem(items, text);
    return index < 0 ? text : items[static_cast<std::size_t>(index)];
}
