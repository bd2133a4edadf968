// The console as a plugin sees it through CVarManagerWrapper and CVarWrapper.

#include "host/Console.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "corvane/wrappers/CVarManagerWrapper.h"

namespace Corvane::Host {
namespace {

class ConsoleTest : public testing::Test {
protected:
    std::ostringstream errors;
    Guard guard{errors};
    std::vector<std::string> lines;
    Console console{guard, [this](const std::string& line) {
                        lines.push_back(line);
                    }};
    CVarManagerWrapper manager{console.Address()};

    // A variable like the plugin's interp modes: "5" in [0, 20].
    CVarWrapper RegisterRanged(const std::string& name = "v") {
        return manager.registerCvar(name, "5", "ranged", true, true, 0.0f, true, 20.0f);
    }
    void LogChanges(CVarWrapper cvar, const std::string& tag) {
        cvar.addOnValueChanged([this, tag](const std::string& old, CVarWrapper changed) {
            lines.push_back(tag + " " + old + "->" + changed.getStringValue());
        });
    }
};

TEST_F(ConsoleTest, SetValueClampsIntoTheRegisteredRange) {
    CVarWrapper v = RegisterRanged();
    v.setValue("25");
    EXPECT_EQ(v.getStringValue(), "20");
    v.setValue(-3);
    EXPECT_EQ(v.getStringValue(), "0");
    v.setValue(2.5f);
    EXPECT_EQ(v.getStringValue(), "2.5");
    EXPECT_EQ(v.getIntValue(), 2);
    v.setValue(3.0f);
    EXPECT_EQ(v.getStringValue(), "3");
}

TEST_F(ConsoleTest, DefaultOutsideTheRangeIsClampedAtRegistration) {
    CVarWrapper v = manager.registerCvar("v", "50", "", true, true, 0.0f, true, 20.0f);
    EXPECT_EQ(v.getStringValue(), "20");
}

TEST_F(ConsoleTest, HandlersRunAfterTheChangeInRegistrationOrderWithTheOldText) {
    CVarWrapper v = RegisterRanged();
    LogChanges(v, "first");
    LogChanges(v, "second");
    v.setValue("25");
    EXPECT_EQ(lines, (std::vector<std::string>{"first 5->20", "second 5->20"}));
}

TEST_F(ConsoleTest, SettingTheSameValueStillRunsTheHandlers) {
    CVarWrapper v = RegisterRanged();
    LogChanges(v, "h");
    v.setValue("5");
    console.Execute("v 5");
    EXPECT_EQ(lines, (std::vector<std::string>{"h 5->5", "h 5->5"}));
}

TEST_F(ConsoleTest, HandlerAddedWhileHandlersRunWaitsForTheNextSet) {
    CVarWrapper v = RegisterRanged();
    v.addOnValueChanged([this](std::string, CVarWrapper cvar) {
        if (lines.empty())
            LogChanges(cvar, "late");
        lines.push_back("outer");
    });
    v.setValue("6");
    v.setValue("7");
    EXPECT_EQ(lines, (std::vector<std::string>{"outer", "outer", "late 6->7"}));
}

TEST_F(ConsoleTest, BindingsFollowEveryChangeBeforeTheHandlersRun) {
    CVarWrapper flag = manager.registerCvar("flag", "1", "", true, true, 0.0f, true, 1.0f);
    CVarWrapper text = manager.registerCvar("text", "start");
    auto boundFlag = std::make_shared<bool>(false);
    auto boundText = std::make_shared<std::string>();
    flag.bindTo(boundFlag);
    text.bindTo(boundText);
    EXPECT_TRUE(*boundFlag);
    EXPECT_EQ(*boundText, "start");
    flag.addOnValueChanged(
        [&](std::string, CVarWrapper) { lines.push_back(*boundFlag ? "seen on" : "seen off"); });
    console.Execute("flag 0");
    console.Execute("text \"two words\"");
    EXPECT_FALSE(*boundFlag);
    EXPECT_EQ(*boundText, "two words");
    EXPECT_EQ(lines, std::vector<std::string>{"seen off"});
}

TEST_F(ConsoleTest, ExecuteCommandIsTheSameAsTyping) {
    CVarWrapper v = RegisterRanged();
    CVarWrapper text = manager.registerCvar("text", "");
    std::vector<std::vector<std::string>> calls;
    manager.registerNotifier(
        "cmd", [&](std::vector<std::string> words) { calls.push_back(words); }, "", 0);

    manager.executeCommand("cmd a \"b c\" \"\"", false);
    console.Execute("cmd a \"b c\" \"\"");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], (std::vector<std::string>{"cmd", "a", "b c", ""}));
    EXPECT_EQ(calls[1], calls[0]);

    manager.executeCommand("v 25 extra words");
    EXPECT_EQ(v.getStringValue(), "20");
    manager.executeCommand("text \"a b\"", true);
    EXPECT_EQ(text.getStringValue(), "a b");
    manager.executeCommand("v");
    EXPECT_EQ(lines.back(), "v = 20");
}

TEST_F(ConsoleTest, ConsoleAnswersUnknownNamesAndQueries) {
    manager.registerCvar("empty", "");
    console.Execute("nothing_here 1 2");
    console.Execute("empty");
    console.Execute("   ");
    EXPECT_EQ(lines, (std::vector<std::string>{"Unknown command: nothing_here", "empty = "}));
    EXPECT_EQ(console.LastLine(), "empty = ");
}

TEST_F(ConsoleTest, CommandsAreFoundBeforeVariablesOfTheSameName) {
    CVarWrapper v = RegisterRanged("both");
    manager.registerNotifier(
        "both", [&](std::vector<std::string>) { lines.push_back("command"); }, "", 0);
    console.Execute("both 9");
    EXPECT_EQ(lines, std::vector<std::string>{"command"});
    EXPECT_EQ(v.getStringValue(), "5");
}

TEST_F(ConsoleTest, SecondRegistrationReturnsTheFirstVariable) {
    CVarWrapper first = RegisterRanged();
    first.setValue("9");
    CVarWrapper second = manager.registerCvar("v", "1", "other", true, true, 0.0f, true, 2.0f);
    EXPECT_EQ(second.getStringValue(), "9");
    second.setValue("15");
    EXPECT_EQ(first.getStringValue(), "15"); // one variable, with the first registration's range
    EXPECT_EQ(second.getDescription(), "ranged");
}

TEST_F(ConsoleTest, NullVariableReadsDefaultsAndIgnoresWrites) {
    CVarWrapper missing = manager.getCvar("missing");
    ASSERT_TRUE(missing.IsNull());
    missing.setValue("3");
    missing.setValue(3);
    missing.addOnValueChanged([](std::string, CVarWrapper) {});
    missing.bindTo(std::make_shared<bool>(true));
    EXPECT_EQ(missing.getCVarName(), "");
    EXPECT_EQ(missing.getIntValue(), 0);
    EXPECT_EQ(missing.getFloatValue(), 0.0f);
    EXPECT_FALSE(missing.getBoolValue());
    EXPECT_EQ(missing.getStringValue(), "");

    CVarManagerWrapper nullManager;
    EXPECT_TRUE(nullManager.registerCvar("x", "1").IsNull());
    nullManager.log("dropped");
    nullManager.executeCommand("x 2");
    EXPECT_TRUE(lines.empty());
}

TEST_F(ConsoleTest, ExceptionFromAHandlerIsContainedAndReported) {
    CVarWrapper v = RegisterRanged("risky");
    v.addOnValueChanged([](std::string, CVarWrapper) { throw std::runtime_error("boom"); });
    LogChanges(v, "after");
    console.Execute("risky 7");
    EXPECT_TRUE(guard.Faulted());
    EXPECT_EQ(guard.FirstFault(),
              "exception escaped from the value-changed handler of risky: boom");
    EXPECT_EQ(lines, std::vector<std::string>{"after 5->7"});
    EXPECT_EQ(v.getStringValue(), "7");
}

TEST_F(ConsoleTest, ExceptionFromANotifierIsContainedAndReported) {
    manager.registerNotifier(
        "fails", [](std::vector<std::string>) { throw 42; }, "", 0);
    console.Execute("fails now");
    EXPECT_EQ(guard.FirstFault(),
              "exception escaped from the notifier fails: an exception not derived from "
              "std::exception");
    EXPECT_NE(errors.str().find("corvane-sim: exception escaped from the notifier fails"),
              std::string::npos);
}

TEST_F(ConsoleTest, EndlessNestingStopsAtTheLimitAsAFault) {
    int runs = 0;
    manager.registerNotifier(
        "again",
        [&](std::vector<std::string>) {
            ++runs;
            manager.executeCommand("again");
        },
        "", 0);
    console.Execute("again");
    EXPECT_EQ(runs, Console::kMaxNesting);
    EXPECT_EQ(guard.FaultCount(), 1);
    EXPECT_NE(guard.FirstFault().find("nested deeper than 64"), std::string::npos);
}

TEST_F(ConsoleTest, ForgetPluginKeepsOnlyHostCommands) {
    RegisterRanged();
    manager.registerNotifier(
        "plugin_cmd", [](std::vector<std::string>) {}, "", 0x40);
    console.RegisterHostCommand("host_cmd", [](const std::vector<std::string>&) {});
    EXPECT_EQ(console.CommandPermissions("plugin_cmd"), 0x40);
    console.ForgetPlugin();
    EXPECT_EQ(console.Find("v"), nullptr);
    EXPECT_FALSE(console.HasCommand("plugin_cmd"));
    EXPECT_TRUE(console.HasCommand("host_cmd"));
}

} // namespace
} // namespace Corvane::Host
