// Tags as typed, and the preset list as printed.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tools/PresetText.h"

struct TagCase {
    const char* typed;
    std::vector<std::string> tags;
};

class TagSplitting : public ::testing::TestWithParam<TagCase> {};

TEST_P(TagSplitting, ReadsOnePieceUpToEachComma) {
    EXPECT_EQ(SplitTags(GetParam().typed), GetParam().tags);
}

INSTANTIATE_TEST_SUITE_P(Cases, TagSplitting,
                         ::testing::Values(TagCase{"a,b", {"a", "b"}},
                                           TagCase{"a,,b", {"a", "", "b"}}, TagCase{"a,", {"a"}},
                                           TagCase{",a", {"", "a"}}, TagCase{"", {}},
                                           TagCase{",", {""}}, TagCase{",,", {"", ""}},
                                           TagCase{"a", {"a"}}, TagCase{" a , b", {" a ", " b"}}));

TEST(PresetListText, HeaderThenOneLinePerPresetWithATrailingComma) {
    const std::vector<PresetEntry> presets{
        {"intro", {"a", "b"}, "intro.json"}, {"bare", {}, "bare.json"}, {"odd", {""}, "odd.json"}};
    const std::vector<std::string> expected{"Presets (3):", "  intro [a,b,]", "  bare []",
                                            "  odd [,]"};
    EXPECT_EQ(FormatPresetList(presets), expected);
}

TEST(PresetListText, EmptyLibraryIsOnlyTheHeader) {
    EXPECT_EQ(FormatPresetList({}), std::vector<std::string>{"Presets (0):"});
}
