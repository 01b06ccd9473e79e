#pragma once

#include <string>

// Runs xmllint, the libxml2 checker, on a file without the network.
class XmlLint {
public:
    // xmllint's exit status for `file`: 0 valid against `schema` (or, with no schema, well-formed),
    // 1 not well-formed, 3 against the schema; -1 when it cannot run. Its report goes to `report`.
    // `huge` lifts the parser's size limits: a text of a hundred megabytes is large, not malformed.
    static int Check(const std::string& file, const std::string& schema, std::string& report,
                     bool huge = false);
};
