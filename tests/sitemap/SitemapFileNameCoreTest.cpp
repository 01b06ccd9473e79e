#include <string>

#include <gtest/gtest.h>

#include "sitemap/SitemapFileName.h"

namespace {

struct NameCase {
    const char* setting;
    const char* settled;
};

TEST(SitemapFileName, SettlesTheSettingIntoAnXmlName) {
    const NameCase cases[] = {
        {"", "sitemap.xml"},
        {"map", "map.xml"},
        {"map.xml", "map.xml"},
        {"a.xml.bak", "a.xml.bak"},       // ".xml" anywhere after the start counts
        {".xml", ".xml.xml"},             // at the very start it does not
        {".xml.xml", ".xml.xml"},         // a later occurrence does count
        {"MAP.XML", "MAP.XML.xml"},       // case-sensitive
        {"out/map", "out/map.xml"},       // a path stays a path
        {"sitemap.xml ", "sitemap.xml "}, // nothing is trimmed
    };
    for (const NameCase& c : cases) {
        EXPECT_EQ(SitemapFileName::Settle(c.setting), c.settled) << "'" << c.setting << "'";
    }
}

TEST(SitemapFileName, SettlingTwiceChangesNothingMore) {
    for (const char* setting : {"", "map", ".xml", "MAP.XML", "a.xml.bak"}) {
        const std::string once = SitemapFileName::Settle(setting);
        EXPECT_EQ(SitemapFileName::Settle(once), once) << "'" << setting << "'";
    }
}

} // namespace
