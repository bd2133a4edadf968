#include "storage/PresetIndex.h"

#include <algorithm>
#include <filesystem>
#include <iterator>

#include <nlohmann/json.hpp>

#include "storage/JsonText.h"

using nlohmann::json;

namespace {

const char* const kExtension = ".json";

bool IsReplacedInFileNames(char c) {
    return c == '/' || c == '\\' || c == '"' || c == '*' || c == ':' || c == '?';
}

// The parts between separators. Both slashes separate, so a name means the same wherever the
// index was written.
std::vector<std::string> PartsOf(const std::string& fileName) {
    std::vector<std::string> parts(1);
    for (const char c : fileName) {
        if (c == '/' || c == '\\')
            parts.emplace_back();
        else
            parts.back().push_back(c);
    }
    return parts;
}

// The parts that lead somewhere ("." and empty ones do not), joined by "/".
std::string NormalFileName(const std::string& fileName) {
    std::string normal;
    for (const std::string& part : PartsOf(fileName)) {
        if (part.empty() || part == ".")
            continue;
        normal += (normal.empty() ? "" : "/") + part;
    }
    return normal;
}

bool UsedByAnotherPreset(const std::vector<PresetEntry>& index, const std::string& name,
                         const std::string& fileName) {
    return std::any_of(index.begin(), index.end(), [&](const PresetEntry& entry) {
        return entry.name != name && SamePresetFile(entry.filename, fileName);
    });
}

} // namespace

// --- File names ------------------------------------------------------------------------------

std::string PresetFileNameFor(const std::string& name) {
    std::string fileName = name;
    std::replace_if(fileName.begin(), fileName.end(), IsReplacedInFileNames, '_');
    return fileName + kExtension;
}

std::string NumberedPresetFileName(const std::string& fileName, int number) {
    if (number <= 1)
        return fileName;
    const std::string extension = kExtension;
    const bool hasExtension =
        fileName.size() >= extension.size() &&
        fileName.compare(fileName.size() - extension.size(), extension.size(), extension) == 0;
    const std::string stem =
        hasExtension ? fileName.substr(0, fileName.size() - extension.size()) : fileName;
    return stem + " (" + std::to_string(number) + ")" + (hasExtension ? extension : "");
}

// Case, a "./" in front, and the trailing dots and spaces that some file systems drop
// ("INDEX.json.") all lead to the index.
bool IsPresetIndexFileName(const std::string& fileName) {
    std::string normal = NormalFileName(fileName);
    normal.erase(normal.find_last_not_of(". ") + 1);
    std::transform(normal.begin(), normal.end(), normal.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return normal == kPresetIndexFileName;
}

std::string PresetFileNameProblem(const std::string& fileName) {
    if (fileName.empty())
        return "it has no file name";
    const std::string named = "its file name " + QuoteForMessage(fileName);
    const std::vector<std::string> parts = PartsOf(fileName);
    const bool rooted = fileName.front() == '/' || fileName.front() == '\\' ||
                        std::filesystem::path(fileName).has_root_path();
    if (rooted || std::find(parts.begin(), parts.end(), "..") != parts.end())
        return named + " leaves the preset folder";
    // A zero byte would end the name early for the file system.
    if (parts.back().empty() || parts.back() == "." || fileName.find('\0') != std::string::npos)
        return named + " does not name a file";
    if (IsPresetIndexFileName(fileName))
        return named + " is the preset index's own";
    return std::string();
}

bool SamePresetFile(const std::string& a, const std::string& b) {
    return a == b || NormalFileName(a) == NormalFileName(b);
}

std::string ChoosePresetFileName(const std::vector<PresetEntry>& index, const std::string& name) {
    const auto existing = std::find_if(
        index.begin(), index.end(), [&](const PresetEntry& entry) { return entry.name == name; });
    if (existing != index.end() && PresetFileNameProblem(existing->filename).empty())
        return existing->filename;
    const std::string derived = PresetFileNameFor(name);
    for (int number = 1;; ++number) {
        std::string candidate = NumberedPresetFileName(derived, number);
        if (!IsPresetIndexFileName(candidate) && !UsedByAnotherPreset(index, name, candidate))
            return candidate;
    }
}

// --- Index text ------------------------------------------------------------------------------

bool SerializePresetIndex(const std::vector<PresetEntry>& index, std::string& text,
                          std::string& error) {
    json list = json::array();
    std::transform(index.begin(), index.end(), std::back_inserter(list), [](const PresetEntry& e) {
        return json{{"filename", e.filename}, {"name", e.name}, {"tags", e.tags}};
    });
    try {
        text = list.dump(4);
        return true;
    } catch (const json::exception&) {
        error = "a preset name or tag is not valid UTF-8 text";
        return false;
    }
}

namespace {

bool ReadText(const json& element, const char* key, std::string& field, std::string& problem) {
    const auto member = element.find(key);
    if (member == element.end())
        return true;
    if (!member->is_string()) {
        problem = std::string("\"") + key + "\" is not text";
        return false;
    }
    field = member->get<std::string>();
    return true;
}

bool ReadTags(const json& element, std::vector<std::string>& tags, std::string& problem) {
    const auto member = element.find("tags");
    if (member == element.end() || member->is_null())
        return true;
    if (!member->is_array()) {
        problem = "\"tags\" is not a list";
        return false;
    }
    for (const json& tag : *member) {
        if (!tag.is_string()) {
            problem = "a tag is not text";
            return false;
        }
        tags.push_back(tag.get<std::string>());
    }
    return true;
}

// Without a name no command can reach the preset, and saving would never replace it.
bool ReadName(const json& element, std::string& name, std::string& problem) {
    if (!element.contains("name")) {
        problem = "\"name\" is missing";
        return false;
    }
    return ReadText(element, "name", name, problem);
}

bool ReadEntry(const json& element, PresetEntry& entry, std::string& problem) {
    if (!element.is_object()) {
        problem = "it is not an object";
        return false;
    }
    return ReadName(element, entry.name, problem) &&
           ReadText(element, "filename", entry.filename, problem) &&
           ReadTags(element, entry.tags, problem);
}

std::string DescribeEntry(const json& element, std::size_t position) {
    std::string entry = "entry " + std::to_string(position);
    if (element.is_object()) {
        const auto name = element.find("name");
        if (name != element.end() && name->is_string())
            entry += " (" + QuoteForMessage(name->get<std::string>()) + ")";
    }
    return entry;
}

} // namespace

bool ParsePresetIndex(const std::string& text, std::vector<PresetEntry>& out, std::string& error,
                      std::vector<SkippedIndexEntry>& skipped) {
    json document;
    if (!ParseJsonText(text, document, error))
        return false;
    if (!document.is_array()) {
        error = "the top level is not a list";
        return false;
    }
    std::vector<PresetEntry> index;
    std::vector<SkippedIndexEntry> left;
    for (std::size_t i = 0; i < document.size(); ++i) {
        PresetEntry entry;
        std::string problem;
        if (ReadEntry(document[i], entry, problem))
            index.push_back(std::move(entry));
        else
            left.push_back({DescribeEntry(document[i], i + 1), problem});
    }
    out = std::move(index);
    skipped = std::move(left);
    return true;
}
