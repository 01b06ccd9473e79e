#include "storage/EntryListFile.h"

#include <utility>

#include "entries/ComboText.h"
#include "storage/KeyValueReader.h"

namespace {

constexpr std::string_view kHeader = "CREATOR=XML 1.0";
constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kUrlKey = "URL";
constexpr std::string_view kModifiedKey = "MODIFIED";
constexpr std::string_view kPriorityKey = "PRIORITY";
constexpr std::string_view kFrequencyKey = "FREQUENCY";
// Key, "=" and CR LF of the four lines of a record, and the empty line before it.
constexpr std::size_t kRecordOverhead = kUrlKey.size() + kModifiedKey.size() + kPriorityKey.size() +
                                        kFrequencyKey.size() + 4 * (1 + kCrLf.size()) +
                                        kCrLf.size();

// A line feed inside a cell still reaches the disk as CR LF, like every other line feed.
void AppendText(std::string& out, std::string_view text) {
    std::size_t start = 0;
    for (std::size_t feed = text.find('\n'); feed != std::string_view::npos;
         feed = text.find('\n', start)) {
        out.append(text.substr(start, feed - start));
        out.append(kCrLf);
        start = feed + 1;
    }
    out.append(text.substr(start));
}

void AppendLine(std::string& out, std::string_view key, std::string_view value) {
    out.append(key);
    out += '=';
    AppendText(out, value);
    out.append(kCrLf);
}

} // namespace

std::string EntryListFile::Text(const EntryStore& store) {
    std::string out;
    if (store.Count() == 0) {
        return out;
    }
    std::size_t size = kHeader.size() + kCrLf.size();
    for (int row = 0; row < store.Count(); ++row) {
        const SitemapEntry& entry = store.Entry(row);
        size += kRecordOverhead + entry.url.size() + entry.modified.size() + entry.priority.size() +
                entry.frequency.size();
    }
    out.reserve(size);
    out.append(kHeader);
    out.append(kCrLf);
    for (int row = store.Count() - 1; row >= 0; --row) {
        const SitemapEntry& entry = store.Entry(row);
        if (row != store.Count() - 1) {
            out.append(kCrLf);
        }
        AppendLine(out, kUrlKey, entry.url);
        AppendLine(out, kModifiedKey, entry.modified);
        AppendLine(out, kPriorityKey, entry.priority);
        AppendLine(out, kFrequencyKey, entry.frequency);
    }
    return out;
}

std::vector<SitemapEntry> EntryListFile::Read(std::string_view text, const ComboLists& lists,
                                              SitemapEntry pending) {
    std::vector<SitemapEntry> entries;
    // The loaded values go through the drop-down boxes, and what comes back out of them is what
    // the next record inherits.
    const auto emit = [&] {
        pending.priority = ComboText::Shown(lists.priorities, pending.priority);
        pending.frequency = ComboText::Shown(lists.frequencies, pending.frequency);
        entries.push_back(pending);
    };
    KeyValueReader::ForEachLine(text, [&](std::string_view key, std::string_view value) {
        if (key == kUrlKey) {
            if (!pending.url.empty()) {
                emit();
            }
            pending.url = value;
        } else if (key == kModifiedKey) {
            pending.modified = value;
        } else if (key == kPriorityKey) {
            pending.priority = value;
        } else if (key == kFrequencyKey) {
            pending.frequency = value;
        }
    });
    if (!pending.url.empty()) {
        emit();
    }
    return entries;
}
