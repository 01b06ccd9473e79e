// The sitemap document built from any rows: the result is always well-formed XML (checked by a
// real XML parser), holds one `url` element per row with a URL, in order, and every `loc` reads
// back as the row's URL whenever that URL is text XML can hold.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlstring.h>

#include "sitemap/SitemapDocument.h"

namespace {

// Whether XML 1.0 can hold `text` as it is: strict UTF-8 (no overlong forms, no surrogates) of
// characters XML allows.
bool XmlCanHold(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        int length = 0;
        unsigned code = 0;
        if (lead < 0x80) {
            length = 1;
            code = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07u;
        } else {
            return false;
        }
        if (at + static_cast<std::size_t>(length) > text.size()) {
            return false;
        }
        for (int i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(text[at + static_cast<std::size_t>(i)]);
            if ((next & 0xC0u) != 0x80u) {
                return false;
            }
            code = (code << 6) | (next & 0x3Fu);
        }
        const unsigned shortest = length == 1   ? 0
                                  : length == 2 ? 0x80
                                  : length == 3 ? 0x800
                                                : 0x10000;
        const bool allowed =
            code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF) ||
            (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
        if (code < shortest || !allowed) {
            return false;
        }
        at += static_cast<std::size_t>(length);
    }
    return true;
}

void Silence(void*, const char*, ...) {}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = [] {
        xmlSetGenericErrorFunc(nullptr, Silence);
        return true;
    }();
    (void)quiet;

    FuzzedDataProvider input(data, size);
    std::vector<SitemapEntry> rows;
    while (input.remaining_bytes() > 0 && rows.size() < 64) {
        SitemapEntry row;
        row.url = input.ConsumeRandomLengthString(256);
        row.modified = input.ConsumeRandomLengthString(32);
        row.priority = input.ConsumeRandomLengthString(16);
        row.frequency = input.ConsumeRandomLengthString(16);
        rows.push_back(std::move(row));
    }
    const std::string document = SitemapDocument::Build(rows, SitemapDocument::LineEnd::kCrLf);

    xmlDocPtr parsed =
        xmlReadMemory(document.data(), static_cast<int>(document.size()), "sitemap.xml", nullptr,
                      XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (parsed == nullptr) {
        std::abort(); // not well-formed
    }
    std::vector<std::string> locs;
    const xmlNode* root = xmlDocGetRootElement(parsed);
    for (const xmlNode* url = root->children; url != nullptr; url = url->next) {
        if (url->type != XML_ELEMENT_NODE) {
            continue;
        }
        for (const xmlNode* child = url->children; child != nullptr; child = child->next) {
            if (child->type == XML_ELEMENT_NODE &&
                xmlStrcmp(child->name, reinterpret_cast<const xmlChar*>("loc")) == 0) {
                xmlChar* content = xmlNodeGetContent(child);
                locs.emplace_back(reinterpret_cast<const char*>(content));
                xmlFree(content);
            }
        }
    }
    xmlFreeDoc(parsed);

    std::size_t next = 0;
    for (const SitemapEntry& row : rows) {
        if (row.url.empty()) {
            continue;
        }
        if (next >= locs.size()) {
            std::abort(); // a row with a URL has no url element
        }
        if (XmlCanHold(row.url) && locs[next] != row.url) {
            std::abort(); // the loc does not read back as the stored URL
        }
        ++next;
    }
    if (next != locs.size()) {
        std::abort();
    }
    return 0;
}
