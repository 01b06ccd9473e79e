#pragma once

#include <string>
#include <string_view>

// How an address the user typed is brought into the form the table keeps.
//
// The blanks and tabs around it go first. Then a fixed list of typing slips is mended, one
// pattern after the other, each by "http://": a doubled prefix, a prefix with a blank after
// its colon, and a prefix whose colon is missing or became a semicolon. Each pattern is
// replaced left to right, without overlap, exactly as written (letter case counts), and once:
// "http://http://http://abc" loses one doubling, not two. Last, an address that does not
// already begin with "http://" or "https://" (in any letter case) gets "http://" in front.
class UrlRule {
public:
    static constexpr std::string_view kPrefix = "http://";

    // An address of nothing but blanks and tabs is no address at all.
    static bool IsBlank(std::string_view url);
    static std::string Trim(std::string_view url);
    // Replaces every occurrence of `pattern` in `text` by `replacement`, left to right; the
    // search goes on after each inserted replacement, so it never looks at it again.
    static std::string ReplaceAll(std::string_view text, std::string_view pattern,
                                  std::string_view replacement);
    static bool HasWebScheme(std::string_view url);
    static std::string Normalize(std::string_view url);
};
