#include "storage/KeyValueReader.h"

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::pair<std::string, std::string>>;

struct LinesCase {
    const char* name;
    std::string text;
    Lines lines;
};

class KeyValueLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(KeyValueLines, SplitsEveryCompleteLine) {
    Lines lines;
    KeyValueReader::ForEachLine(GetParam().text, [&](std::string_view key, std::string_view value) {
        lines.emplace_back(key, value);
    });
    EXPECT_EQ(lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyValueLines,
    ::testing::Values(
        LinesCase{"CrLfAndLfAlike", "A=1\r\nB=2\n", {{"A", "1"}, {"B", "2"}}},
        LinesCase{"SplitAtTheFirstEquals", "URL=http://x/?a=b=c\n", {{"URL", "http://x/?a=b=c"}}},
        LinesCase{"NoEqualsIsAllKey", "URL\n", {{"URL", ""}}},
        LinesCase{"EmptyLineAndLoneEquals", "\n=\r\n", {{"", ""}, {"", ""}}},
        LinesCase{"TrailingWhiteSpaceGoesLeadingStays", " K = v \t\v\f\r\n", {{" K ", " v"}}},
        LinesCase{"TextAfterTheLastLineFeedIgnored", "A=1\nB=2", {{"A", "1"}}},
        LinesCase{"NoLineFeedAtAll", "A=1", {}},
        LinesCase{"CarriageReturnInsideALineStays", "A=x\ry\n", {{"A", "x\ry"}}},
        LinesCase{
            "NonAsciiBytesUntouched", "K=\xC3\xA4\xE2\x82\xAC\n", {{"K", "\xC3\xA4\xE2\x82\xAC"}}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
