// The preset index text and the preset file-name rules.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "StorageTestSupport.h"
#include "storage/PresetIndex.h"

using StorageTest::ReadTestData;

namespace {

PresetEntry Entry(const std::string& name, const std::string& filename,
                  std::vector<std::string> tags = {}) {
    return PresetEntry{name, std::move(tags), filename};
}

} // namespace

// Found by argument-dependent lookup, so it lives beside PresetEntry in the global namespace.
static bool operator==(const PresetEntry& a, const PresetEntry& b) {
    return a.name == b.name && a.tags == b.tags && a.filename == b.filename;
}

// --- File names ------------------------------------------------------------------------------

struct NameCase {
    const char* name;
    const char* fileName;
};

class PresetFileNameRule : public ::testing::TestWithParam<NameCase> {};

TEST_P(PresetFileNameRule, ReplacesOnlyTheSixCharacters) {
    EXPECT_EQ(PresetFileNameFor(GetParam().name), GetParam().fileName);
}

INSTANTIATE_TEST_SUITE_P(Cases, PresetFileNameRule,
                         ::testing::Values(NameCase{"a/b:c", "a_b_c.json"},
                                           NameCase{R"(q\w"e*r?t)", "q_w_e_r_t.json"},
                                           NameCase{"a<b>c|d e", "a<b>c|d e.json"},
                                           NameCase{"shot.json", "shot.json.json"},
                                           NameCase{"..", "...json"}, NameCase{"", ".json"}));

TEST(PresetFileNumbering, InsertsTheNumberBeforeTheExtension) {
    EXPECT_EQ(NumberedPresetFileName("a_b.json", 1), "a_b.json");
    EXPECT_EQ(NumberedPresetFileName("a_b.json", 2), "a_b (2).json");
    EXPECT_EQ(NumberedPresetFileName("a_b.json", 13), "a_b (13).json");
    EXPECT_EQ(NumberedPresetFileName("plain", 3), "plain (3)");
}

TEST(PresetFileChoice, NamesDifferingInAReplacedCharacterGetTheirOwnFiles) {
    std::vector<PresetEntry> index;
    EXPECT_EQ(ChoosePresetFileName(index, "a:b"), "a_b.json");
    index.push_back(Entry("a:b", "a_b.json"));
    EXPECT_EQ(ChoosePresetFileName(index, "a?b"), "a_b (2).json");
    index.push_back(Entry("a?b", "a_b (2).json"));
    EXPECT_EQ(ChoosePresetFileName(index, "a*b"), "a_b (3).json");
}

TEST(PresetFileChoice, AnEntryKeepsItsOwnFileWhenSavedAgain) {
    const std::vector<PresetEntry> index{Entry("a:b", "a_b.json"), Entry("a?b", "a_b (2).json")};
    EXPECT_EQ(ChoosePresetFileName(index, "a?b"), "a_b (2).json");
    EXPECT_EQ(ChoosePresetFileName(index, "a:b"), "a_b.json");
}

TEST(PresetFileChoice, AFreedNameIsUsedAgain) {
    const std::vector<PresetEntry> index{Entry("a?b", "a_b (2).json")};
    EXPECT_EQ(ChoosePresetFileName(index, "a:b"), "a_b.json");
}

TEST(PresetFileChoice, AnEntryWithoutAUsableFileGetsADerivedOne) {
    const std::vector<PresetEntry> index{Entry("x", ""), Entry("y", "../y.json"),
                                         Entry("other", "x.json")};
    EXPECT_EQ(ChoosePresetFileName(index, "x"), "x (2).json");
    EXPECT_EQ(ChoosePresetFileName(index, "y"), "y.json");
}

TEST(PresetFileChoice, AHandWrittenIndexSharingAFileKeepsSharing) {
    // Written before names were kept apart: both entries list the same file.
    const std::vector<PresetEntry> index{Entry("a:b", "a_b.json"), Entry("a?b", "a_b.json")};
    EXPECT_EQ(ChoosePresetFileName(index, "a?b"), "a_b.json");
}

struct PlainCase {
    const char* fileName;
    bool plain;
};

class PlainFileName : public ::testing::TestWithParam<PlainCase> {};

TEST_P(PlainFileName, StaysInsideTheFolder) {
    EXPECT_EQ(IsPlainFileName(GetParam().fileName), GetParam().plain);
}

INSTANTIATE_TEST_SUITE_P(Cases, PlainFileName,
                         ::testing::Values(PlainCase{"a.json", true}, PlainCase{"...json", true},
                                           PlainCase{"a b (2).json", true}, PlainCase{"", false},
                                           PlainCase{".", false}, PlainCase{"..", false},
                                           PlainCase{"../a.json", false},
                                           PlainCase{"/etc/passwd", false},
                                           PlainCase{R"(sub\a.json)", false}));

// --- Index text ------------------------------------------------------------------------------

TEST(PresetIndexText, MatchesTheGoldenFileByteForByte) {
    const std::vector<PresetEntry> index{Entry("intro", "intro.json", {"a", "b"}),
                                         Entry("a/b:c", "a_b_c.json")};
    std::string text;
    std::string error;
    ASSERT_TRUE(SerializePresetIndex(index, text, error));
    EXPECT_EQ(text, ReadTestData("index_two_entries.json"));
}

TEST(PresetIndexText, EmptyLibraryIsAnEmptyArray) {
    std::string text;
    std::string error;
    ASSERT_TRUE(SerializePresetIndex({}, text, error));
    EXPECT_EQ(text, "[]");
}

TEST(PresetIndexText, TextThatIsNotUtf8IsRefused) {
    std::string text = "unchanged";
    std::string error;
    EXPECT_FALSE(SerializePresetIndex({Entry("bad\xff", "bad\xff.json")}, text, error));
    EXPECT_EQ(error, "a preset name or tag is not valid UTF-8 text");
    EXPECT_EQ(text, "unchanged");
}

TEST(PresetIndexText, ReadsBackWhatWasWritten) {
    const std::vector<PresetEntry> index{Entry("intro", "intro.json", {"a", "", "b"}),
                                         Entry("ünï", "ünï.json", {"ß"}), Entry("e", "e.json")};
    std::string text;
    std::string error;
    ASSERT_TRUE(SerializePresetIndex(index, text, error));
    std::vector<PresetEntry> read;
    ASSERT_TRUE(ParsePresetIndex(text, read, error)) << error;
    EXPECT_EQ(read, index);
}

TEST(PresetIndexReading, MissingMembersTakeDefaultsAndUnknownOnesAreIgnored) {
    const std::string text = R"([{"name": "no tags", "filename": "f.json"},
        {"name": "null tags", "tags": null},
        {"filename": "nameless.json", "tags": ["t"], "extra": {"x": 1}},
        {}])";
    std::vector<PresetEntry> read;
    std::string error;
    ASSERT_TRUE(ParsePresetIndex(text, read, error)) << error;
    const std::vector<PresetEntry> expected{Entry("no tags", "f.json"), Entry("null tags", ""),
                                            Entry("", "nameless.json", {"t"}), Entry("", "")};
    EXPECT_EQ(read, expected);
}

TEST(PresetIndexReading, DuplicateNamesAreKeptInOrder) {
    std::vector<PresetEntry> read;
    std::string error;
    ASSERT_TRUE(ParsePresetIndex(
        R"([{"name": "a", "filename": "1"}, {"name": "a", "filename": "2"}])", read, error));
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].filename, "1");
    EXPECT_EQ(read[1].filename, "2");
}

struct BadIndex {
    const char* name;
    const char* text;
    const char* error;
};

class MalformedIndex : public ::testing::TestWithParam<BadIndex> {};

TEST_P(MalformedIndex, IsRefusedWithItsProblemAndTouchesNothing) {
    std::vector<PresetEntry> read{Entry("kept", "kept.json")};
    std::string error;
    EXPECT_FALSE(ParsePresetIndex(GetParam().text, read, error));
    EXPECT_EQ(error, GetParam().error);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].name, "kept");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedIndex,
    ::testing::Values(
        BadIndex{"NotJson", "[{", "not valid JSON at line 1, column 3"},
        BadIndex{"Object", R"({"name": "a"})", "the top level is not a list"},
        BadIndex{"ElementText", R"([{"name": "a"}, "b"])", "entry 2 is not an object"},
        BadIndex{"NameNumber", R"([{"name": 5}])", R"(entry 1: "name" is not text)"},
        BadIndex{"NameNull", R"([{"name": null}])", R"(entry 1: "name" is not text)"},
        BadIndex{"FilenameArray", R"([{"filename": []}])", R"(entry 1: "filename" is not text)"},
        BadIndex{"TagsText", R"([{"tags": "a,b"}])", R"(entry 1: "tags" is not a list)"},
        BadIndex{"TagNumber", R"([{"tags": ["a", 2]}])", "entry 1: a tag is not text"}),
    [](const ::testing::TestParamInfo<BadIndex>& info) { return std::string(info.param.name); });
