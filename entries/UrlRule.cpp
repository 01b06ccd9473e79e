#include "entries/UrlRule.h"

#include <array>
#include <cstddef>

namespace {

// In this order: a later pattern sees what an earlier one put in.
constexpr std::array<std::string_view, 5> kSlips{
    "http://http://", "http:// http://", "http//", "http;//", "http:// ",
};

constexpr std::string_view kBlanks = " \t";

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool BeginsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (prefix.size() > text.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (FoldAscii(text[i]) != prefix[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

bool UrlRule::IsBlank(std::string_view url) {
    return url.find_first_not_of(kBlanks) == std::string_view::npos;
}

std::string UrlRule::Trim(std::string_view url) {
    const std::size_t first = url.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = url.find_last_not_of(kBlanks);
    return std::string(url.substr(first, last - first + 1));
}

std::string UrlRule::ReplaceAll(std::string_view text, std::string_view pattern,
                                std::string_view replacement) {
    if (pattern.empty()) {
        return std::string(text);
    }
    std::string result;
    result.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t found = text.find(pattern); found != std::string_view::npos;
         found = text.find(pattern, from)) {
        result.append(text, from, found - from);
        result.append(replacement);
        from = found + pattern.size();
    }
    result.append(text, from);
    return result;
}

bool UrlRule::HasWebScheme(std::string_view url) {
    // Both prefixes are lower case, so folding the address alone compares without case.
    return BeginsWithIgnoringCase(url, "http://") || BeginsWithIgnoringCase(url, "https://");
}

std::string UrlRule::Normalize(std::string_view url) {
    std::string result = Trim(url);
    for (const std::string_view slip : kSlips) {
        result = ReplaceAll(result, slip, kPrefix);
    }
    if (!HasWebScheme(result)) {
        result.insert(0, kPrefix);
    }
    return result;
}
