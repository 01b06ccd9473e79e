// The URL rule on any text: an address that is not blank always comes out with a web scheme in
// front and no blanks around it, and grows by no more than the prefix and one character per
// mended slip.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "entries/UrlRule.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view url(reinterpret_cast<const char*>(data), size);
    if (UrlRule::IsBlank(url)) {
        return 0;
    }
    const std::string normalized = UrlRule::Normalize(url);
    const char first = normalized.front();
    const char last = normalized.back();
    if (!UrlRule::HasWebScheme(normalized) || first == ' ' || first == '\t' || last == ' ' ||
        last == '\t' || normalized.size() > url.size() + url.size() / 6 + UrlRule::kPrefix.size()) {
        std::abort();
    }
    return 0;
}
