#include "entries/SitemapEntry.h"

#include <stdexcept>

std::string& SitemapEntry::Text(int column) {
    return const_cast<std::string&>(static_cast<const SitemapEntry&>(*this).Text(column));
}

const std::string& SitemapEntry::Text(int column) const {
    switch (column) {
    case kUrl:
        return url;
    case kModified:
        return modified;
    case kPriority:
        return priority;
    case kFrequency:
        return frequency;
    default:
        throw std::out_of_range("no entry column " + std::to_string(column));
    }
}
