#pragma once
// The host console: variables, commands (notifiers), console input and the log.
//
// Console input is run as if typed (split by host/ConsoleInput.h): a command's name runs
// its handler with every word, the name first; a variable's name followed by a value sets
// it (further words are ignored); a variable's name alone logs "NAME = VALUE"; any other
// name logs "Unknown command: NAME". Commands are looked up before variables. Names are
// case-sensitive. Every logged line, the console's own answers included, goes to the log
// sink (standard output in corvane-sim) exactly as given. An echoed input line goes to the
// sink too, as "] LINE", but is not a logged line: LastLine and LineCount ignore it.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "corvane/wrappers/CVarManagerWrapper.h"
#include "host/ConsoleVariable.h"
#include "host/Guard.h"

namespace Corvane::Host {

class Console {
public:
    using LogSink = std::function<void(const std::string& line)>;
    using CommandHandler = CVarManagerWrapper::NotifierHandler;

    // Console input and variable sets may nest (a handler running a command that sets a
    // variable...) up to this depth; deeper is reported as a plugin fault and not run.
    static constexpr int kMaxNesting = 64;

    Console(Guard& guard, LogSink sink);
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    // --- Variables ------------------------------------------------------------------------
    // A name already registered keeps its first registration, which is returned.
    ConsoleVariable& Register(VariableSpec spec);
    ConsoleVariable* Find(const std::string& name) const;
    // In name order.
    std::vector<const ConsoleVariable*> Variables() const;

    // --- Commands -------------------------------------------------------------------------
    // A second registration of a name replaces the first.
    void RegisterNotifier(const std::string& name, CommandHandler handler,
                          const std::string& description, unsigned char permissions);
    // A command of the host itself; it survives ForgetPlugin.
    void RegisterHostCommand(const std::string& name, CommandHandler handler,
                             const std::string& description);
    bool HasCommand(const std::string& name) const;
    // Every command's name and description, in name order.
    std::vector<std::pair<std::string, std::string>> CommandDescriptions() const;
    // The permission byte given at registration, or -1 for no such plugin command.
    int CommandPermissions(const std::string& name) const;

    // --- Input and log ----------------------------------------------------------------------
    void Execute(const std::string& line);
    void Log(const std::string& text);
    // Shows an input line the way a game console does before running it.
    void Echo(const std::string& line);
    // The last logged line; empty before the first.
    const std::string& LastLine() const { return lastLine; }
    long LineCount() const { return lineCount; }
    void SetSink(LogSink sink) { this->sink = std::move(sink); }

    // Forgets every variable and plugin command, releasing the plugin's handlers and bound
    // values (they may live in the plugin's module, which is closed next).
    void ForgetPlugin();

    Guard& GetGuard() const { return guard; }
    std::uintptr_t Address() const { return reinterpret_cast<std::uintptr_t>(this); }
    static Console* FromAddress(std::uintptr_t address) {
        return reinterpret_cast<Console*>(address);
    }

    // Counts one level of nesting for its lifetime; Entered() is false (and a fault has
    // been reported) when the limit was reached.
    class Nesting {
    public:
        Nesting(Console& console, const std::string& what);
        ~Nesting();
        Nesting(const Nesting&) = delete;
        Nesting& operator=(const Nesting&) = delete;
        bool Entered() const { return entered; }

    private:
        Console& console;
        bool entered;
    };

private:
    struct Command {
        CommandHandler handler;
        std::string description;
        unsigned char permissions = 0;
        bool ownedByHost = false;
    };

    void RunCommand(const Command& command, const std::vector<std::string>& words);

    Guard& guard;
    LogSink sink;
    std::map<std::string, std::unique_ptr<ConsoleVariable>> variables;
    std::map<std::string, Command> commands;
    std::string lastLine;
    long lineCount = 0;
    int depth = 0;
};

} // namespace Corvane::Host
