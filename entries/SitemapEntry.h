#pragma once

#include <array>
#include <string>

// One row of the entry table: four texts in column order URL, Modified, Priority, Frequency.
struct SitemapEntry {
    static constexpr int kColumnCount = 4;
    enum Column : int { kUrl = 0, kModified = 1, kPriority = 2, kFrequency = 3 };

    std::string url;
    std::string modified;
    std::string priority;
    std::string frequency;

    std::string& Text(int column);
    const std::string& Text(int column) const;

    friend bool operator==(const SitemapEntry&, const SitemapEntry&) = default;
};
