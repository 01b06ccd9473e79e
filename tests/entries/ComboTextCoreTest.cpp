#include "entries/ComboText.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::string> kFrequencies{"always ",  "hourly ", "daily ", "weekly ",
                                            "monthly ", "yearly ", "never "};
const std::vector<std::string> kPriorities{"0.1", "0.2", "0.3", "0.4", "0.5",
                                           "0.6", "0.7", "0.8", "0.9", "1.0"};

struct ComboCase {
    const char* name;
    const std::vector<std::string>* items;
    std::string text;
    std::string shown;
};

class ComboTextShown : public ::testing::TestWithParam<ComboCase> {};

TEST_P(ComboTextShown, ShowsFirstItemBeginningWithTheTextIgnoringCase) {
    EXPECT_EQ(ComboText::Shown(*GetParam().items, GetParam().text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ComboTextShown,
    ::testing::Values(ComboCase{"WordWithoutBlank", &kFrequencies, "weekly", "weekly "},
                      ComboCase{"UpperCase", &kFrequencies, "DAILY", "daily "},
                      ComboCase{"MixedCasePrefix", &kFrequencies, "Mo", "monthly "},
                      ComboCase{"OneIsOnePointZero", &kPriorities, "1", "1.0"},
                      ComboCase{"ZeroIsFirstItem", &kPriorities, "0", "0.1"},
                      ComboCase{"NoItemBegins", &kPriorities, "0.55", "0.55"},
                      ComboCase{"EmptyMatchesNothing", &kPriorities, "", ""},
                      ComboCase{"LongerThanItem", &kFrequencies, "weekly  x", "weekly  x"},
                      ComboCase{"ExactItem", &kFrequencies, "never ", "never "},
                      ComboCase{"NonAscii", &kFrequencies, "dä", "dä"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
