#include "sitemap/SitemapDocument.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <utility>

#include "entries/EntryStore.h"

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD

// Bytes that go into the document as they are: printable ASCII other than the five that XML
// escapes. Everything else takes the careful path.
constexpr std::array<bool, 256> MakePlainTable() {
    std::array<bool, 256> plain{};
    for (int c = 0x20; c < 0x7F; ++c) {
        plain[static_cast<std::size_t>(c)] = true;
    }
    for (const char c : std::string_view("&'\"<>")) {
        plain[static_cast<unsigned char>(c)] = false;
    }
    return plain;
}

constexpr std::array<bool, 256> kPlain = MakePlainTable();

// Whether all eight bytes of `word` are plain, tested together: with 50,000 entries the texts are
// scanned byte by byte otherwise, and nearly all of their bytes are plain.
constexpr bool AllPlain(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kHigh = 0x8080808080808080;
    // Exact for bytes below 0x80: a byte below `n` sets its high bit in the result.
    const auto anyBelow = [](std::uint64_t w, std::uint64_t n) {
        return ((w - kOnes * n) & ~w & kHigh) != 0;
    };
    const auto anyEqual = [&](std::uint64_t w, unsigned char c) {
        return anyBelow(w ^ (kOnes * c), 1);
    };
    return (word & kHigh) == 0 && !anyBelow(word, 0x20) && !anyEqual(word, 0x7F) &&
           !anyEqual(word, '&') && !anyEqual(word, '\'') && !anyEqual(word, '"') &&
           !anyEqual(word, '<') && !anyEqual(word, '>');
}

// The length of the well-formed UTF-8 sequence at the start of `bytes` (its first byte is 0x80 or
// above), or, negated, the length of its longest malformed start, which becomes one U+FFFD.
// Sets `codePoint` for a well-formed sequence.
int MeasureSequence(std::string_view bytes, char32_t& codePoint) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    int length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        // No overlong forms, no surrogates.
        if (lead == 0xE0) {
            low = 0xA0;
        } else if (lead == 0xED) {
            high = 0x9F;
        }
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        // No overlong forms, nothing above U+10FFFF.
        if (lead == 0xF0) {
            low = 0x90;
        } else if (lead == 0xF4) {
            high = 0x8F;
        }
    } else {
        return -1;
    }
    for (int i = 1; i < length; ++i) {
        const std::size_t at = static_cast<std::size_t>(i);
        if (at >= bytes.size() || byte(at) < low || byte(at) > high) {
            return -i;
        }
        codePoint = (codePoint << 6) | (byte(at) & 0x3F);
        low = 0x80;
        high = 0xBF;
    }
    return length;
}

void AppendCharacterData(std::string& out, std::string_view text, std::string_view newline) {
    std::size_t plainFrom = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        std::uint64_t word = 0;
        if (text.size() - i >= sizeof word) {
            std::memcpy(&word, text.data() + i, sizeof word);
            if (AllPlain(word)) {
                i += sizeof word;
                continue;
            }
        }
        const auto c = static_cast<unsigned char>(text[i]);
        if (kPlain[c]) {
            ++i;
            continue;
        }
        out.append(text.data() + plainFrom, i - plainFrom);
        std::size_t length = 1;
        // One pass gives what replacing "&" first and then "'", "\"", ">", "<" would give: the
        // ampersands of the inserted references are never escaped again.
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '\'':
            out += "&apos;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '\n':
            out += newline;
            break;
        case '\r':
            // A parser reads a carriage return written as it is as a line feed; the reference
            // keeps it what it was.
            out += "&#13;";
            break;
        case '\t':
        case 0x7F:
            out += static_cast<char>(c);
            break;
        default:
            if (c < 0x20) {
                out += kReplacement;
                break;
            }
            char32_t codePoint = 0;
            const int measured = MeasureSequence(text.substr(i), codePoint);
            if (measured < 0) {
                length = static_cast<std::size_t>(-measured);
                out += kReplacement;
            } else {
                length = static_cast<std::size_t>(measured);
                if (codePoint == 0xFFFE || codePoint == 0xFFFF) {
                    out += kReplacement;
                } else {
                    out.append(text.data() + i, length);
                }
            }
            break;
        }
        i += length;
        plainFrom = i;
    }
    out.append(text.data() + plainFrom, text.size() - plainFrom);
}

std::string_view WithoutSurroundingBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// More than the markup of one entry around its texts, for reserving the document's room.
constexpr std::size_t kEntryMarkupBytes = 140;

} // namespace

// The fixed text between the texts, line ends included, so that an entry takes few appends.
struct SitemapDocument::Markup {
    explicit Markup(const std::string& nl)
        : newline(nl), head(R"(<?xml version="1.0" encoding="UTF-8"?>)" + nl +
                            R"(<urlset xmlns=")" + std::string(kNamespace) + R"(">)" + nl),
          urlOpen("<url>" + nl), urlClose("</url>" + nl), locOpen("  <loc>"),
          locClose("</loc>" + nl), lastmodOpen("  <lastmod>"), lastmodClose("</lastmod>" + nl),
          changefreqOpen("  <changefreq>"), changefreqClose("</changefreq>" + nl),
          priorityOpen("  <priority>"), priorityClose("</priority>" + nl),
          // The line after the last entry is empty.
          tail(nl + "</urlset>" + nl) {}

    std::string newline, head, urlOpen, urlClose, locOpen, locClose, lastmodOpen, lastmodClose,
        changefreqOpen, changefreqClose, priorityOpen, priorityClose, tail;
};

const SitemapDocument::Markup& SitemapDocument::MarkupFor(LineEnd lineEnd) {
    static const Markup lf("\n");
    static const Markup crLf("\r\n");
    return lineEnd == LineEnd::kCrLf ? crLf : lf;
}

SitemapDocument::SitemapDocument(LineEnd lineEnd, std::size_t expectedBytes)
    : m_markup(&MarkupFor(lineEnd)) {
    m_text.reserve(expectedBytes);
    m_text += m_markup->head;
}

void SitemapDocument::Add(const SitemapEntry& entry) {
    if (entry.url.empty()) {
        return;
    }
    const Markup& markup = *m_markup;
    m_text += markup.urlOpen;
    AppendElement(markup.locOpen, entry.url, markup.locClose);
    if (!entry.modified.empty()) {
        AppendElement(markup.lastmodOpen, entry.modified, markup.lastmodClose);
    }
    const std::string_view frequency = WithoutSurroundingBlanks(entry.frequency);
    if (!frequency.empty()) {
        AppendElement(markup.changefreqOpen, frequency, markup.changefreqClose);
    }
    if (!entry.priority.empty()) {
        AppendElement(markup.priorityOpen, entry.priority, markup.priorityClose);
    }
    m_text += markup.urlClose;
}

std::string SitemapDocument::Finish() {
    m_text += m_markup->tail;
    return std::exchange(m_text, std::string());
}

std::string SitemapDocument::Build(const EntryStore& store, LineEnd lineEnd) {
    std::size_t expected = 128;
    for (int row = 0; row < store.Count(); ++row) {
        const SitemapEntry& entry = store.Entry(row);
        expected += kEntryMarkupBytes + entry.url.size() + entry.modified.size() +
                    entry.priority.size() + entry.frequency.size();
    }
    SitemapDocument document(lineEnd, expected);
    for (int row = 0; row < store.Count(); ++row) {
        document.Add(store.Entry(row));
    }
    return document.Finish();
}

std::string SitemapDocument::Build(std::span<const SitemapEntry> entries, LineEnd lineEnd) {
    SitemapDocument document(lineEnd, 128 + entries.size() * kEntryMarkupBytes);
    for (const SitemapEntry& entry : entries) {
        document.Add(entry);
    }
    return document.Finish();
}

std::string SitemapDocument::Escaped(std::string_view text, LineEnd lineEnd) {
    std::string out;
    out.reserve(text.size());
    AppendCharacterData(out, text, MarkupFor(lineEnd).newline);
    return out;
}

void SitemapDocument::AppendElement(const std::string& open, std::string_view value,
                                    const std::string& close) {
    m_text += open;
    AppendCharacterData(m_text, value, m_markup->newline);
    m_text += close;
}
