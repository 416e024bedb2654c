// Hostile settings files: the file reader, the value conversion and a whole start-up and shutdown of
// the device from whatever the file says. Nothing may crash or misbehave (the sanitizers watch), a
// start-up either works or takes its failure path, and what the device writes it can always read back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "core/device/device.h"
#include "core/device/value_conversion.h"
#include "platform/qt/ini_file.h"
#include "tests/support/sim_platform.h"

namespace {

using namespace tap;

[[noreturn]] void broken(const char* what) {
    std::fprintf(stderr, "settings_fuzz: %s\n", what);
    std::abort();
}

// The readers agree with each other: a 16-bit value reads the same as 32 bits, a number as a Boolean.
void checkConversions(const std::string& text) {
    std::optional<std::int32_t> wide;
    try {
        wide = toInt32(text, "x");
    } catch (const ConversionError&) {
    }
    try {
        const auto narrow = toInt16(text, "x");
        if (!wide || *wide != narrow) broken("toInt16 and toInt32 disagree");
    } catch (const ConversionError&) {
        if (wide && *wide >= -32768 && *wide <= 32767) broken("toInt16 refused a value toInt32 read in range");
    }
    try {
        const bool b = toBool(text, "x");
        if (wide && b != (*wide != 0)) broken("toBool disagrees with the number");
    } catch (const ConversionError&) {
        if (wide) broken("toBool refused a number");
    }
}

bool convertsAs(const std::string& text, keys::ValueType type) {
    try {
        if (type == keys::ValueType::Int16) toInt16(text, "x");
        else if (type == keys::ValueType::Int32) toInt32(text, "x");
        else toBool(text, "x");
        return true;
    } catch (const ConversionError&) {
        return false;
    }
}

// One start-up and shutdown on virtual time; the stored mode's loop is ended by the shutdown.
std::map<std::string, std::string> startAndQuit(const std::map<std::string, std::string>& stored, bool& started) {
    sim::SimPlatform sim;
    sim.store = stored;
    Device device(sim.platform());
    started = device.lifecycle.Form_Load();
    if (started) {
        sim.at(50, [&] { device.lifecycle.Form_Unload(0, ShutdownBy::System); });
        sim.runUntil(60);
    }
    if (!sim.quitCode) broken("the program did not end");
    return sim.store;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    // The reader: what it writes back reads as the same document.
    const qt::IniFile ini = qt::IniFile::parse(text);
    const std::string written = ini.text();
    if (qt::IniFile::parse(written).text() != written) broken("the file does not read back as written");

    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) checkConversions(line);

    std::map<std::string, std::string> stored;
    for (const auto& [key, type] : keys::kAll)
        if (const auto v = ini.get(key.section, key.key)) stored[std::string(key.section) + "/" + key.key] = *v;
    bool started = false;
    const auto after = startAndQuit(stored, started);
    for (const auto& [key, type] : keys::kAll) {
        const auto it = after.find(std::string(key.section) + "/" + key.key);
        if (it != after.end() && !convertsAs(it->second, type)) broken("the device wrote a value it cannot read");
    }
    // A failed start-up leaves the factory values, so the next start works; a good one keeps working.
    bool restarted = false;
    startAndQuit(after, restarted);
    if (!restarted) broken("the settings the device wrote do not start it");
    return 0;
}
