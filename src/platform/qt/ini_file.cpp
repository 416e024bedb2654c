#include "platform/qt/ini_file.h"

#include <sstream>

namespace tap::qt {

namespace {
std::string trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return {};
    const auto e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}
}  // namespace

IniFile IniFile::parse(const std::string& text) {
    IniFile ini;
    std::istringstream in(text);
    std::string line;
    Section* current = nullptr;
    while (std::getline(in, line)) {
        const std::string t = trim(line);
        if (t.empty() || t[0] == ';' || t[0] == '#') continue;
        if (t.front() == '[' && t.back() == ']') {
            const std::string name = trim(t.substr(1, t.size() - 2));
            current = ini.find(name);
            if (!current) {
                ini.sections_.push_back({name, {}});
                current = &ini.sections_.back();
            }
            continue;
        }
        const auto eq = t.find('=');
        if (eq == std::string::npos || !current) continue;
        ini.set(current->name, trim(t.substr(0, eq)), trim(t.substr(eq + 1)));
        current = ini.find(current->name);
    }
    return ini;
}

std::string IniFile::text() const {
    std::string out;
    for (const auto& s : sections_) {
        if (!out.empty()) out += '\n';
        out += '[' + s.name + "]\n";
        for (const auto& e : s.entries) out += e.key + '=' + e.value + '\n';
    }
    return out;
}

IniFile::Section* IniFile::find(const std::string& name) {
    for (auto& s : sections_)
        if (s.name == name) return &s;
    return nullptr;
}

std::optional<std::string> IniFile::get(const std::string& section, const std::string& key) const {
    for (const auto& s : sections_) {
        if (s.name != section) continue;
        for (const auto& e : s.entries)
            if (e.key == key) return e.value;
    }
    return std::nullopt;
}

void IniFile::set(const std::string& section, const std::string& key, const std::string& value) {
    Section* s = find(section);
    if (!s) {
        sections_.push_back({section, {}});
        s = &sections_.back();
    }
    for (auto& e : s->entries)
        if (e.key == key) {
            e.value = value;
            return;
        }
    s->entries.push_back({key, value});
}

}  // namespace tap::qt
