#include "entries/UrlRule.h"

#include <string>

#include <gtest/gtest.h>

namespace {

struct UrlCase {
    const char* name;
    std::string typed;
    std::string kept;
};

class UrlRuleNormalize : public testing::TestWithParam<UrlCase> {};

TEST_P(UrlRuleNormalize, GivesTheAddressTheTableKeeps) {
    EXPECT_EQ(UrlRule::Normalize(GetParam().typed), GetParam().kept)
        << "typed: " << GetParam().typed;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UrlRuleNormalize,
    testing::Values(
        // The prefix is added to a bare address and mended where it was mistyped.
        UrlCase{"Bare", "abc", "http://abc"}, UrlCase{"ColonMissing", "http//abc", "http://abc"},
        UrlCase{"SemicolonForColon", "http;//abc", "http://abc"},
        UrlCase{"BlankAfterPrefix", "http:// abc", "http://abc"},
        UrlCase{"Doubled", "http://http://abc", "http://abc"},
        UrlCase{"DoubledWithBlank", "http:// http://abc", "http://abc"},
        // One pass per pattern: only one doubling of three goes.
        UrlCase{"TrebledLosesOneDoubling", "http://http://http://abc", "http://http://abc"},
        // A later pattern sees what an earlier one put in.
        UrlCase{"ColonMissingThenBlank", "http// abc", "http://abc"},
        UrlCase{"AlreadyRight", "http://abc", "http://abc"},
        UrlCase{"PrefixOnlyFurtherOn", "abc/http://def", "http://abc/http://def"},
        // Addresses that already carry a web scheme, in any letter case, keep it as it is.
        UrlCase{"Https", "https://abc", "https://abc"},
        UrlCase{"UpperCaseHttp", "HTTP://abc", "HTTP://abc"},
        UrlCase{"MixedCaseHttps", "HtTpS://abc", "HtTpS://abc"},
        // The patterns themselves match exactly: an upper-case doubling stays.
        UrlCase{"UpperCaseDoublingStays", "HTTP://HTTP://abc", "HTTP://HTTP://abc"},
        UrlCase{"OtherScheme", "ftp://abc", "http://ftp://abc"},
        UrlCase{"SchemeWithoutSlashes", "https:abc", "http://https:abc"},
        // Blanks and tabs around the address go before the rule runs.
        UrlCase{"LeadingBlank", " http://abc", "http://abc"},
        UrlCase{"BlanksAndTabsAround", "\t  abc \t", "http://abc"},
        UrlCase{"TrailingBlankAfterPrefix", "http:// ", "http://"},
        UrlCase{"InnerBlankStays", "abc def", "http://abc def"}),
    [](const testing::TestParamInfo<UrlCase>& info) { return std::string(info.param.name); });

TEST(UrlRule, OnlyBlanksAndTabsAreBlank) {
    for (const char* blank : {"", " ", "\t", "  \t "}) {
        EXPECT_TRUE(UrlRule::IsBlank(blank)) << '"' << blank << '"';
        EXPECT_EQ(UrlRule::Trim(blank), "") << '"' << blank << '"';
    }
    for (const char* some : {"a", " a ", "\ta", "\n"}) {
        EXPECT_FALSE(UrlRule::IsBlank(some)) << '"' << some << '"';
    }
}

TEST(UrlRule, ReplaceAllGoesOnAfterWhatItInserted) {
    EXPECT_EQ(UrlRule::ReplaceAll("aaaa", "aa", "a"), "aa");
    EXPECT_EQ(UrlRule::ReplaceAll("xaaay", "aa", "aaa"), "xaaaay");
    EXPECT_EQ(UrlRule::ReplaceAll("abc", "zz", "y"), "abc");
    EXPECT_EQ(UrlRule::ReplaceAll("", "a", "b"), "");
}

} // namespace
