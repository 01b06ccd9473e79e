#include "sitemap/SitemapFileName.h"

std::string SitemapFileName::Settle(std::string_view name) {
    if (name.empty()) {
        return std::string(kDefault);
    }
    constexpr std::string_view extension = ".xml";
    // ".xml" at the very start of a name is no extension: a hidden file's name with nothing
    // before its dot.
    if (name.find(extension, 1) == std::string_view::npos) {
        return std::string(name) + std::string(extension);
    }
    return std::string(name);
}
