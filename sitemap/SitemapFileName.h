#pragma once

#include <string>
#include <string_view>

// The name the sitemap file is written and uploaded under, settled from the file name setting.
class SitemapFileName {
public:
    static constexpr std::string_view kDefault = "sitemap.xml";

    // Empty gives kDefault. A name that holds ".xml" (case-sensitive) beginning anywhere after
    // its first character is kept as it is, whatever follows; any other name, ".xml" itself
    // included, gets ".xml" appended.
    static std::string Settle(std::string_view name);
};
