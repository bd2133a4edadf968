#include "host/ConfigFile.h"

#include <cerrno>
#include <fstream>
#include <system_error>

namespace Corvane::Host {

namespace {

// Why the last file operation failed, as the system words it.
std::string LastSystemError() {
    return errno != 0 ? std::generic_category().message(errno) : "write error";
}

bool WriteEntries(const std::filesystem::path& file, const ConfigEntries& entries,
                  std::string& problem) {
    errno = 0;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << "# Console variables kept by the host between sessions.\n";
    for (const auto& [name, value] : entries)
        out << FormatConfigLine(name, value) << '\n';
    out.flush();
    if (out)
        return true;
    problem = LastSystemError();
    return false;
}

} // namespace

std::filesystem::path ConfigFilePath(const std::filesystem::path& dataFolder) {
    return dataFolder / "config.cfg";
}

std::string FormatConfigLine(const std::string& name, const std::string& value) {
    std::string line = name + " \"";
    for (const char c : value) {
        if (c == '\n')
            line += "\\n";
        else if (c == '\r')
            line += "\\r";
        else if (c == '"' || c == '\\')
            line += {'\\', c};
        else
            line += c;
    }
    line += '"';
    return line;
}

bool ParseConfigLine(const std::string& line, std::string& name, std::string& value) {
    const size_t space = line.find(' ');
    if (space == std::string::npos || space == 0 || space + 1 >= line.size() ||
        line[space + 1] != '"')
        return false;
    name = line.substr(0, space);
    value.clear();
    for (size_t i = space + 2; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"')
            return i + 1 == line.size(); // nothing may follow the closing quote
        if (c != '\\') {
            value += c;
            continue;
        }
        if (++i == line.size())
            return false;
        value += line[i] == 'n' ? '\n' : (line[i] == 'r' ? '\r' : line[i]);
    }
    return false; // no closing quote
}

ConfigEntries ReadConfigFile(const std::filesystem::path& file, std::ostream& errors) {
    ConfigEntries entries;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return entries;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line.front() == '#')
            continue;
        std::string name, value;
        if (ParseConfigLine(line, name, value))
            entries[name] = value;
        else
            errors << "corvane-sim: " << file.string() << ":" << number
                   << ": unreadable configuration line skipped\n";
    }
    return entries;
}

bool WriteConfigFile(const std::filesystem::path& file, const ConfigEntries& entries,
                     std::ostream& errors) {
    std::filesystem::path temporary = file;
    temporary += ".new";
    std::string problem;
    std::error_code error;
    if (WriteEntries(temporary, entries, problem)) {
        std::filesystem::rename(temporary, file, error);
        if (!error)
            return true;
        problem = error.message();
        std::filesystem::remove(temporary, error);
    }
    errors << "corvane-sim: cannot write the configuration file " << file.string() << ": "
           << problem << '\n';
    return false;
}

} // namespace Corvane::Host
