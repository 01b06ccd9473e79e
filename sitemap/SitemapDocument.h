#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "entries/SitemapEntry.h"

class EntryStore;

// The XML sitemap document (Sitemap protocol 0.9) made from the rows of the entry table, top row
// first: one `url` element per row that has a URL, the texts escaped for XML.
//
// Every entry is filled from its own four texts in one pass, so a text that happens to contain a
// word like "#URL#" is written as it stands. The document is always well-formed and, when the
// rows hold values the protocol accepts, valid against the protocol's schema: an empty Modified,
// Priority or Frequency leaves its element out (an empty element is invalid), and the Frequency
// is written without the blanks that the change-frequency box puts after its words.
class SitemapDocument {
public:
    // How lines end: in memory the document is LF text, on disk every LF is CR LF.
    enum class LineEnd { kLf, kCrLf };

    static constexpr std::string_view kNamespace = "http://www.sitemaps.org/schemas/sitemap/0.9";

    // Starts the document: the declaration and the `urlset` start tag.
    explicit SitemapDocument(LineEnd lineEnd = LineEnd::kLf, std::size_t expectedBytes = 0);

    // Adds the `url` element of one row; a row with an empty URL adds nothing.
    void Add(const SitemapEntry& entry);
    // Ends the document and hands its text over; the object is empty afterwards.
    std::string Finish();

    static std::string Build(const EntryStore& store, LineEnd lineEnd = LineEnd::kLf);
    static std::string Build(std::span<const SitemapEntry> entries, LineEnd lineEnd = LineEnd::kLf);

    // A text as XML character data: "&", "'", "\"", ">" and "<" become their entity references,
    // and whatever XML 1.0 cannot hold (invalid UTF-8, the control characters other than tab,
    // line feed and carriage return, U+FFFE and U+FFFF) becomes U+FFFD, one per malformed
    // sequence. A line feed becomes `lineEnd`'s line end, a carriage return "&#13;", so that a
    // reader gets back exactly the text that was written.
    static std::string Escaped(std::string_view text, LineEnd lineEnd = LineEnd::kLf);

private:
    struct Markup;
    static const Markup& MarkupFor(LineEnd lineEnd);
    void AppendElement(const std::string& open, std::string_view value, const std::string& close);

    std::string m_text;
    const Markup* m_markup;
};
