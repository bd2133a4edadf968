// The console as a plugin sees it through CVarManagerWrapper and CVarWrapper, how it splits a
// typed line into words, and how it turns values into text and back.

#include "host/Console.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <sstream>

#include "host/ConsoleInput.h"
#include "host/ValueText.h"

namespace Corvane::Host {
namespace {

using Lines = std::vector<std::string>;

class ConsoleTest : public testing::Test {
protected:
    std::ostringstream errors;
    Guard guard{errors};
    Lines lines;
    Console console{guard, [this](const std::string& line) {
                        lines.push_back(line);
                    }};
    CVarManagerWrapper manager{console.Address()};

    // "5" in [0, 20], like the plugin's interp modes.
    CVarWrapper Ranged(const std::string& name = "v", const char* value = "5") {
        return manager.registerCvar(name, value, "ranged", true, true, 0.0f, true, 20.0f);
    }
    void LogChanges(CVarWrapper cvar, const std::string& tag) {
        cvar.addOnValueChanged([this, tag](const std::string& old, CVarWrapper changed) {
            lines.push_back(tag + " " + old + "->" + changed.getStringValue());
        });
    }
};

TEST_F(ConsoleTest, ValuesAreClampedIntoTheFirstRegisteredRange) {
    EXPECT_EQ(Ranged("high", "50").getStringValue(), "20"); // the default too
    CVarWrapper v = Ranged();
    v.setValue("25");
    EXPECT_EQ(v.getStringValue(), "20");
    v.setValue(-3);
    EXPECT_EQ(v.getStringValue(), "0");
    v.setValue(2.5f);
    EXPECT_EQ(v.getStringValue(), "2.5");
    EXPECT_EQ(v.getIntValue(), 2);
    CVarWrapper again = manager.registerCvar("v", "1", "other", true, true, 0.0f, true, 2.0f);
    EXPECT_EQ(again.getStringValue(), "2.5"); // the first variable, with its range
    again.setValue("15");
    EXPECT_EQ(v.getStringValue(), "15");
}

TEST_F(ConsoleTest, HandlersRunAfterEverySetInRegistrationOrderWithTheOldTextDespiteThrows) {
    CVarWrapper v = Ranged();
    LogChanges(v, "first");
    v.addOnValueChanged([](std::string, CVarWrapper) { throw 42; }); // reported; the rest run
    LogChanges(v, "second");
    v.setValue("25");
    console.Execute("v 20"); // the same value still runs them
    EXPECT_EQ(lines, (Lines{"first 5->20", "second 5->20", "first 20->20", "second 20->20"}));
    const std::string fault = "exception escaped from the value-changed handler of v: an "
                              "exception not derived from std::exception";
    EXPECT_EQ(guard.FirstFault(), fault);
    EXPECT_EQ(errors.str(), "corvane-sim: " + fault + "\ncorvane-sim: " + fault + "\n");
}

TEST_F(ConsoleTest, HandlerAddedWhileHandlersRunWaitsForTheNextSet) {
    CVarWrapper v = Ranged();
    v.addOnValueChanged([this](std::string, CVarWrapper cvar) {
        if (lines.empty())
            LogChanges(cvar, "late");
        lines.push_back("outer");
    });
    v.setValue("6");
    v.setValue("7");
    EXPECT_EQ(lines, (Lines{"outer", "outer", "late 6->7"}));
}

TEST_F(ConsoleTest, BindingsFollowEveryChangeBeforeTheHandlersRun) {
    CVarWrapper flag = manager.registerCvar("flag", "1", "", true, true, 0.0f, true, 1.0f);
    auto boundFlag = std::make_shared<bool>(false);
    auto boundText = std::make_shared<std::string>();
    flag.bindTo(boundFlag);
    manager.registerCvar("text", "start").bindTo(boundText);
    EXPECT_TRUE(*boundFlag);
    EXPECT_EQ(*boundText, "start");
    flag.addOnValueChanged(
        [&](std::string, CVarWrapper) { lines.push_back(*boundFlag ? "seen on" : "seen off"); });
    console.Execute("flag 0");
    manager.executeCommand("text \"two words\"");
    EXPECT_FALSE(*boundFlag);
    EXPECT_EQ(*boundText, "two words");
    EXPECT_EQ(lines, Lines{"seen off"});
}

TEST_F(ConsoleTest, TypedLinesRunCommandsBeforeVariablesAndAnswerTheRest) {
    Ranged();
    CVarWrapper both = Ranged("both");
    manager.registerCvar("empty", "");
    manager.registerNotifier(
        "both", [&](std::vector<std::string> words) { lines.push_back(words.at(1)); }, "", 0);
    for (const char* line : {"both 9", "v 25 extra words", "v", "empty", "nothing_here 1", "  "})
        manager.executeCommand(line);
    EXPECT_EQ(lines, (Lines{"9", "v = 20", "empty = ", "Unknown command: nothing_here"}));
    EXPECT_EQ(both.getStringValue(), "5");
    EXPECT_EQ(console.LastLine(), "Unknown command: nothing_here");
}

TEST_F(ConsoleTest, NullWrappersReadDefaultsAndIgnoreWrites) {
    CVarWrapper missing = manager.getCvar("missing");
    ASSERT_TRUE(missing.IsNull());
    missing.setValue("3");
    missing.addOnValueChanged([](std::string, CVarWrapper) {});
    missing.bindTo(std::make_shared<bool>(true));
    EXPECT_EQ(missing.getStringValue() + missing.getCVarName(), "");
    EXPECT_EQ(missing.getFloatValue(), 0.0f);
    CVarManagerWrapper nullManager;
    EXPECT_TRUE(nullManager.registerCvar("x", "1").IsNull());
    nullManager.log("dropped");
    nullManager.executeCommand("x 2");
    EXPECT_TRUE(lines.empty());
}

TEST(SplitConsoleLineTest, SplitsAsTyped) {
    const std::pair<const char*, Lines> cases[] = {{"  a \t  b  ", {"a", "b"}},
                                                   {" \t ", {}},
                                                   {"cmd a \"b c\" d", {"cmd", "a", "b c", "d"}},
                                                   {"dir \"\"", {"dir", ""}},
                                                   {"x \"\"\"\"", {"x", ""}},
                                                   {"x\"\"", {"x"}},
                                                   {"a\"b c\"d e", {"ab cd", "e"}},
                                                   {"say \"open quote  ", {"say", "open quote  "}},
                                                   {"\"a\tb\"", {"a\tb"}}};
    for (const auto& [line, words] : cases)
        EXPECT_EQ(SplitConsoleLine(line), words) << line;
}

// --- Value text --------------------------------------------------------------------------

TEST(ReadValueTest, ConvertsLikeTheConsole) {
    const struct {
        const char* text;
        int asInt;
        float asFloat;
        bool asBool;
    } cases[] = {{"-7.9", -7, -7.9f, true},
                 {"0.5", 0, 0.5f, true},
                 {" 3", 3, 3.0f, true},
                 {"12abc", 12, 12.0f, true},
                 {"abc", 0, 0.0f, false},
                 {"nan", 0, 0.0f, false},
                 {"1e999", 0, 0.0f, false},
                 {"3000000000", INT_MAX, 3.0e9f, true},
                 {"1e39", INT_MAX, FLT_MAX, true},
                 {"-1e39", INT_MIN, -FLT_MAX, true}};
    for (const auto& c : cases) {
        EXPECT_EQ(ReadInt(c.text), c.asInt) << '"' << c.text << '"';
        EXPECT_EQ(ReadFloat(c.text), c.asFloat) << '"' << c.text << '"';
        EXPECT_EQ(ReadBool(c.text), c.asBool) << '"' << c.text << '"';
    }
}

TEST(FormatNumberTest, WritesTheFewestDigitsThatReadBack) {
    const std::pair<float, const char*> cases[] = {
        {20.0f, "20"},          {-0.0f, "0"},       {1e10f, "10000000000"},
        {0.1f, "0.1"},          {-0.3f, "-0.3"},    {1.0f / 3.0f, "0.33333334"},
        {std::nanf(""), "nan"}, {-INFINITY, "-inf"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(FormatNumber(value), text) << value;
    for (const float value : {1e-7f, 123456.789f, FLT_MAX, FLT_MIN, 16777217.0f, 5.0e-45f})
        EXPECT_EQ(std::strtof(FormatNumber(value).c_str(), nullptr), value) << value;
}

// The bound is stored only when the value read lies outside; otherwise the text as typed.
TEST(ClampTextTest, StoresTheBoundOnlyWhenOutside) {
    const ValueRange zeroToTwenty{true, 0.0f, true, 20.0f}, atLeastHundred{true, 100.0f, false, 0};
    const struct {
        const char* text;
        ValueRange range;
        const char* stored;
    } cases[] = {{"25", zeroToTwenty, "20"},
                 {"20.0", zeroToTwenty, "20.0"},
                 {"abc", zeroToTwenty, "abc"},
                 {"1e999", zeroToTwenty, "1e999"},
                 {"99.99", atLeastHundred, "100"},
                 {"1e9", atLeastHundred, "1e9"},
                 {"0.05", ValueRange{true, 0.1f, true, 50.0f}, "0.1"},
                 {"-1e6", ValueRange{}, "-1e6"}};
    for (const auto& c : cases)
        EXPECT_EQ(ClampText(c.text, c.range), c.stored) << '"' << c.text << '"';
}

} // namespace
} // namespace Corvane::Host
