#pragma once
// A small INI document: sections of key=value lines, kept in file order so a rewrite changes only the
// values that changed.
#include <optional>
#include <string>
#include <vector>

namespace tap::qt {

class IniFile {
public:
    static IniFile parse(const std::string& text);
    std::string text() const;

    std::optional<std::string> get(const std::string& section, const std::string& key) const;
    void set(const std::string& section, const std::string& key, const std::string& value);

private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };
    Section* find(const std::string& name);
    std::vector<Section> sections_;
};

}  // namespace tap::qt
