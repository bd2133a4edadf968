#include "host/ConfigFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "host/DataFolder.h"

namespace Corvane::Host {
namespace {

TEST(ConfigLineTest, QuotesAndEscapes) {
    EXPECT_EQ(FormatConfigLine("dolly_render", "1"), "dolly_render \"1\"");
    EXPECT_EQ(FormatConfigLine("p", ""), "p \"\"");
    EXPECT_EQ(FormatConfigLine("p", "C:\\a \"b\""), "p \"C:\\\\a \\\"b\\\"\"");
    EXPECT_EQ(FormatConfigLine("p", "two\nlines\r"), "p \"two\\nlines\\r\"");
}

TEST(ConfigLineTest, EveryValueReadsBackUnchanged) {
    const std::string values[] = {"", "1", "a b", "\"", "\\", "\\\"", "end\\", "x\ny", "#hash"};
    for (const std::string& value : values) {
        std::string name, read;
        ASSERT_TRUE(ParseConfigLine(FormatConfigLine("name", value), name, read)) << value;
        EXPECT_EQ(name, "name");
        EXPECT_EQ(read, value);
    }
}

TEST(ConfigLineTest, RefusesLinesThatDoNotRead) {
    const char* lines[] = {"name",
                           "name value",
                           "name \"open",
                           "name \"a\" junk",
                           " \"x\"",
                           "name \"ends with escape\\",
                           "name  \"two spaces\""};
    for (const char* line : lines) {
        std::string name, value;
        EXPECT_FALSE(ParseConfigLine(line, name, value)) << line;
    }
}

class ConfigFileTest : public testing::Test {
protected:
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::filesystem::path folder = MakeTemporaryFolder("config-test");
    std::ostringstream errors;
};

TEST_F(ConfigFileTest, WriteThenReadIsIdentity) {
    const ConfigEntries entries = {{"b", "2"}, {"a", "x \"y\""}, {"c", ""}};
    const std::filesystem::path file = ConfigFilePath(folder);
    ASSERT_TRUE(WriteConfigFile(file, entries, errors));
    EXPECT_EQ(ReadConfigFile(file, errors), entries);
    EXPECT_FALSE(std::filesystem::exists(file.string() + ".new"));
    EXPECT_EQ(errors.str(), "");
}

TEST_F(ConfigFileTest, WritesOneLinePerVariableInNameOrder) {
    const std::filesystem::path file = ConfigFilePath(folder);
    ASSERT_TRUE(WriteConfigFile(file, {{"zeta", "1"}, {"alpha", "2"}}, errors));
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "# Console variables kept by the host between sessions.\n"
                          "alpha \"2\"\n"
                          "zeta \"1\"\n");
}

TEST_F(ConfigFileTest, SkipsCommentsAndReportsBadLinesByNumber) {
    const std::filesystem::path file = ConfigFilePath(folder);
    std::ofstream(file) << "# comment\r\n\ngood \"1\"\r\nbad line\nalso \"2\"\n";
    EXPECT_EQ(ReadConfigFile(file, errors), (ConfigEntries{{"good", "1"}, {"also", "2"}}));
    EXPECT_NE(errors.str().find("config.cfg:4: unreadable configuration line skipped"),
              std::string::npos);
}

TEST_F(ConfigFileTest, MissingFileReadsAsNothing) {
    EXPECT_TRUE(ReadConfigFile(folder / "none.cfg", errors).empty());
    EXPECT_EQ(errors.str(), "");
}

} // namespace
} // namespace Corvane::Host
