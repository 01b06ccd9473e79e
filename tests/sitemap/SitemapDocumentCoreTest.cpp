#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/wait.h>

#include "entries/EntryStore.h"
#include "entries/SitemapEntry.h"
#include "XmlLint.h"
#include "sitemap/SitemapDocument.h"
#include "storage/LocalFile.h"

namespace {

namespace fs = std::filesystem;
using LineEnd = SitemapDocument::LineEnd;

const std::string kHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n";
const std::string kTail = "\n</urlset>\n";
const std::string kFffd = "\xEF\xBF\xBD";

std::string ReadFixture(const std::string& name) {
    std::ifstream in(std::string(QUERNDALE_TEST_DATA) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in.good()) << "missing fixture " << name;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The rows as the table holds them: row 0 at the top.
EntryStore StoreOf(const std::vector<SitemapEntry>& rows) {
    EntryStore store;
    for (const SitemapEntry& row : rows) {
        store.Insert(store.Count(), row);
    }
    return store;
}

std::string Lf(const std::vector<SitemapEntry>& rows) {
    return SitemapDocument::Build(rows, LineEnd::kLf);
}

std::size_t Occurrences(const std::string& text, const std::string& word) {
    std::size_t count = 0;
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        ++count;
    }
    return count;
}

// --- The file, byte for byte -------------------------------------------------------------------

struct FileCase {
    const char* name;
    std::vector<SitemapEntry> rows;
    const char* fixture;
};

class SitemapFile : public ::testing::TestWithParam<FileCase> {};

TEST_P(SitemapFile, MatchesTheExpectedBytes) {
    const FileCase& c = GetParam();
    const std::string expected = ReadFixture(c.fixture);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(SitemapDocument::Build(StoreOf(c.rows), LineEnd::kCrLf), expected);
    EXPECT_EQ(SitemapDocument::Build(c.rows, LineEnd::kCrLf), expected);
    // In memory the same document has plain line feeds.
    EXPECT_EQ(LocalFile::WithCrLf(SitemapDocument::Build(StoreOf(c.rows))), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, SitemapFile,
    ::testing::Values(
        FileCase{"TwoRowsTopFirst",
                 {{"http://www.example.org/", "2006-12-05", "1.0", "daily "},
                  {"http://www.example.org/about.html", "", "0.5", ""}},
                 "sitemap-two-rows.xml"},
        FileCase{"Empty", {}, "sitemap-empty.xml"},
        FileCase{"OnlyRowsWithoutUrl", {{"", "2006-12-05", "0.5", "daily "}}, "sitemap-empty.xml"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Rows and elements -------------------------------------------------------------------------

TEST(SitemapDocument, SkipsARowWithoutUrlAndKeepsTheOthersInOrder) {
    const std::string document = Lf({{"http://a.example.org/", "2001-01-01", "0.1", ""},
                                     {"", "2002-02-02", "0.2", "never "},
                                     {"http://c.example.org/", "", "", ""}});
    EXPECT_EQ(document, kHead +
                            "<url>\n"
                            "  <loc>http://a.example.org/</loc>\n"
                            "  <lastmod>2001-01-01</lastmod>\n"
                            "  <priority>0.1</priority>\n"
                            "</url>\n"
                            "<url>\n"
                            "  <loc>http://c.example.org/</loc>\n"
                            "</url>\n" +
                            kTail);
}

TEST(SitemapDocument, WritesTheFrequencyWithoutSurroundingBlanks) {
    struct Case {
        const char* frequency;
        const char* element; // nullptr: left out
    } cases[] = {
        {"weekly ", "  <changefreq>weekly</changefreq>\n"},
        {" \tnever\t ", "  <changefreq>never</changefreq>\n"},
        {"hourly", "  <changefreq>hourly</changefreq>\n"},
        {"   ", nullptr},
        {"", nullptr},
        {"once a week ", "  <changefreq>once a week</changefreq>\n"}, // blanks inside stay
    };
    for (const Case& c : cases) {
        const std::string document = Lf({{"http://www.example.org/", "", "", c.frequency}});
        if (c.element != nullptr) {
            EXPECT_EQ(Occurrences(document, c.element), 1u) << "'" << c.frequency << "'";
        } else {
            EXPECT_EQ(Occurrences(document, "changefreq"), 0u) << "'" << c.frequency << "'";
        }
    }
    // Blanks of the other texts are theirs.
    EXPECT_EQ(Occurrences(Lf({{"http://x.org/ ", " 2006-12-05", "0.5 ", ""}}),
                          "  <loc>http://x.org/ </loc>\n"
                          "  <lastmod> 2006-12-05</lastmod>\n"
                          "  <priority>0.5 </priority>\n"),
              1u);
}

TEST(SitemapDocument, WritesPlaceholderWordsInTheTextsAsTheyStand) {
    const std::string url =
        "http://www.example.org/#URL#/#MODIFIED#/#PRIORITY#/#FREQUENCY#/#ITEMS#";
    const std::string document = Lf({{url, "#PRIORITY#", "#FREQUENCY#", "#MODIFIED# "},
                                     {"http://www.example.org/b", "2006-12-05", "0.5", "daily "}});
    EXPECT_EQ(document, kHead +
                            "<url>\n"
                            "  <loc>" +
                            url +
                            "</loc>\n"
                            "  <lastmod>#PRIORITY#</lastmod>\n"
                            "  <changefreq>#MODIFIED#</changefreq>\n"
                            "  <priority>#FREQUENCY#</priority>\n"
                            "</url>\n"
                            "<url>\n"
                            "  <loc>http://www.example.org/b</loc>\n"
                            "  <lastmod>2006-12-05</lastmod>\n"
                            "  <changefreq>daily</changefreq>\n"
                            "  <priority>0.5</priority>\n"
                            "</url>\n" +
                            kTail);
}

TEST(SitemapDocument, EscapesEveryTextOfTheEntry) {
    const std::string document = Lf({{"http://x.org/?a=1&b=2", "&lt;", "'1'", "<x>"}});
    EXPECT_EQ(Occurrences(document, "  <loc>http://x.org/?a=1&amp;b=2</loc>\n"), 1u);
    EXPECT_EQ(Occurrences(document, "  <lastmod>&amp;lt;</lastmod>\n"), 1u);
    EXPECT_EQ(Occurrences(document, "  <priority>&apos;1&apos;</priority>\n"), 1u);
    EXPECT_EQ(Occurrences(document, "  <changefreq>&lt;x&gt;</changefreq>\n"), 1u);
}

// --- Character data ----------------------------------------------------------------------------

struct TextCase {
    const char* name;
    std::string text;
    std::string escaped;
};

TEST(SitemapDocument, EscapesTheFiveMarkupCharactersOnce) {
    const TextCase cases[] = {
        {"ampersand", "a&b", "a&amp;b"},
        {"existing reference", "&lt;", "&amp;lt;"},
        {"tag", "<x>", "&lt;x&gt;"},
        {"all five", "&'\"><", "&amp;&apos;&quot;&gt;&lt;"},
        {"inserted ampersands are not escaped again", "'&'", "&apos;&amp;&apos;"},
        {"hash and the rest stay", "#x;=%20/?~", "#x;=%20/?~"},
        {"UTF-8 stays", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80",
         "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"},
        {"tab and DEL stay, a lone CR keeps itself as a reference", "a\tb\rc\x7F",
         "a\tb&#13;c\x7F"},
        {"empty", "", ""},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(SitemapDocument::Escaped(c.text), c.escaped) << c.name;
    }
}

// What XML 1.0 cannot hold becomes U+FFFD, one per malformed sequence, so the damage shows.
TEST(SitemapDocument, ReplacesWhatXmlCannotHold) {
    const TextCase cases[] = {
        {"control character", "a\x01z", "a" + kFffd + "z"},
        {"escape character", "\x1B[0m", kFffd + "[0m"},
        {"NUL", std::string("a\0z", 3), "a" + kFffd + "z"},
        {"Latin-1 byte", "caf\xE9!", "caf" + kFffd + "!"},
        {"lead byte before ASCII", "\xC3(", kFffd + "("},
        {"lone continuation bytes", "\x80\xBF", kFffd + kFffd},
        {"overlong slash", "\xC0\xAF", kFffd + kFffd},
        {"overlong three-byte", "\xE0\x80\xAF", kFffd + kFffd + kFffd},
        {"surrogate", "\xED\xA0\x80", kFffd + kFffd + kFffd},
        {"above U+10FFFF", "\xF4\x90\x80\x80", kFffd + kFffd + kFffd + kFffd},
        {"cut short at the end", "x\xE2\x82", "x" + kFffd},
        {"cut short before ASCII", "\xF0\x9F\x98<", kFffd + "&lt;"},
        {"never a byte of UTF-8", "\xFE\xFF", kFffd + kFffd},
        {"U+FFFE", "\xEF\xBF\xBE", kFffd},
        {"U+FFFF", "\xEF\xBF\xBF", kFffd},
        {"last valid characters", "\xEF\xBF\xBD\xF4\x8F\xBF\xBF", "\xEF\xBF\xBD\xF4\x8F\xBF\xBF"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(SitemapDocument::Escaped(c.text), c.escaped) << c.name;
    }
}

// Long texts are scanned several bytes at a time: whatever needs care is found at any position.
TEST(SitemapDocument, FindsWhatNeedsCareAnywhereInALongText) {
    const TextCase marks[] = {
        {"ampersand", "&", "&amp;"},
        {"apostrophe", "'", "&apos;"},
        {"quote", "\"", "&quot;"},
        {"greater", ">", "&gt;"},
        {"less", "<", "&lt;"},
        {"control", "\x1F", kFffd},
        {"NUL", std::string(1, '\0'), kFffd},
        {"delete", "\x7F", "\x7F"},
        {"invalid byte", "\xFF", kFffd},
        {"two-byte character", "\xC3\xA9", "\xC3\xA9"},
        {"blank", " ", " "},
        {"tilde", "~", "~"},
    };
    for (const TextCase& mark : marks) {
        for (std::size_t at = 0; at <= 17; ++at) {
            const std::string before(at, 'a');
            const std::string after(17 - at, 'z');
            EXPECT_EQ(SitemapDocument::Escaped(before + mark.text + after),
                      before + mark.escaped + after)
                << mark.name << " at " << at;
        }
    }
}

TEST(SitemapDocument, ALineFeedInATextEndsItsLineLikeAnyOther) {
    EXPECT_EQ(SitemapDocument::Escaped("a\nb", LineEnd::kLf), "a\nb");
    EXPECT_EQ(SitemapDocument::Escaped("a\nb", LineEnd::kCrLf), "a\r\nb");
}

// --- What XML tools make of it -----------------------------------------------------------------

class SitemapXml : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "querndale-sitemap-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }

    // xmllint's exit status for the document: 0 valid (or well-formed without the schema),
    // 1 not well-formed, 3 against the schema. Its report goes to `report`.
    int Lint(const std::string& document, bool withSchema, std::string& report) {
        const std::string file = m_dir + "/sitemap.xml";
        {
            std::ofstream out(file, std::ios::binary);
            out << document;
        }
        return XmlLint::Check(
            file, withSchema ? std::string(QUERNDALE_TEST_DATA) + "/sitemap.xsd" : "", report);
    }

    std::string m_dir;
};

TEST_F(SitemapXml, ValidEntriesGiveAValidSitemap) {
    const std::vector<SitemapEntry> tables[] = {
        // Every word of the change-frequency box, with the blank it carries.
        {{"http://www.example.org/", "2006-12-05", "1.0", "always "},
         {"http://www.example.org/a", "2006-12-05", "0.9", "hourly "},
         {"http://www.example.org/b", "2006-12-05T17:33:30+08:00", "0.5", "daily "},
         {"http://www.example.org/c", "2006-12-05", "0.1", "weekly "},
         {"http://www.example.org/d", "2006-12-05", "0.0", "monthly "},
         {"http://www.example.org/e", "", "", "yearly "},
         {"http://www.example.org/f", "", "0.5", "never "}},
        // Only the URLs, with texts that need escaping.
        {{"http://www.example.org/?a=1&b='2'", "", "", ""},
         {"", "2006-12-05", "0.5", "daily "},
         {"http://www.example.org/caf\xC3\xA9", "", "", ""}},
    };
    for (const auto& rows : tables) {
        std::string report;
        EXPECT_EQ(Lint(SitemapDocument::Build(rows, LineEnd::kCrLf), true, report), 0) << report;
    }
    std::string report;
    EXPECT_EQ(Lint(ReadFixture("sitemap-two-rows.xml"), true, report), 0) << report;
}

TEST_F(SitemapXml, WhateverTheTableHoldsTheDocumentIsWellFormed) {
    std::vector<SitemapEntry> rows;
    const std::string nasty[] = {std::string("a\0b", 3),
                                 "\x01\x08\x0B\x0C\x1F",
                                 "\xC0\xAF\xFF",
                                 "\xED\xA0\x80",
                                 "\xEF\xBF\xBE",
                                 "x\xE2\x82",
                                 "]]>",
                                 "<!--",
                                 "&#0;",
                                 "</url>"};
    for (const std::string& text : nasty) {
        rows.push_back({"http://www.example.org/" + text, text, text, text});
    }
    std::string report;
    EXPECT_EQ(Lint(SitemapDocument::Build(rows, LineEnd::kCrLf), false, report), 0) << report;
    // The empty table is well-formed too; the protocol's schema wants at least one url in it.
    EXPECT_EQ(Lint(ReadFixture("sitemap-empty.xml"), false, report), 0) << report;
}

} // namespace
