#include "core/records/run_json.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "core/records/json_reader.h"
#include "core/records/run_statistics.h"

namespace tap {

namespace {

std::string number(std::optional<double> v) {
    if (!v) return "null";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.4f", *v);
    return buf;
}

template <typename List>
std::string list(const List& values) {
    std::string out = "[";
    for (std::size_t i = 0; i < values.size(); ++i) out += (i ? ", " : "") + std::to_string(values[i]);
    return out + "]";
}

std::string quoted(std::string_view s) {
    std::string out(1, '"');
    out.append(s).append(1, '"');
    return out;
}

using Members = std::vector<std::pair<std::string, std::string>>;

// An object of members whose values are JSON already; one member a line below `indent`, or all on one line.
std::string object(const Members& members, const std::string& indent = {}, bool oneLine = false) {
    std::string out = "{";
    for (std::size_t i = 0; i < members.size(); ++i) {
        out += i ? "," : "";
        out += oneLine ? (i ? " " : "") : "\n" + indent + "  ";
        out += quoted(members[i].first) + ": " + members[i].second;
    }
    return out + (oneLine || members.empty() ? "}" : "\n" + indent + "}");
}

std::string statisticsJson(const RunStatistics& st) {
    Members perSource;
    for (int i = 0; i < InputSource::kCount; ++i)
        if (st.perSource[i] > 0)
            perSource.emplace_back(InputSource::fromIndex(i)->name(), std::to_string(st.perSource[i]));
    return object(
        {{"per_source", object(perSource, {}, true)},
         {"interval_mean_ms", number(st.intervalMean)},
         {"interval_median_ms", number(st.intervalMedian)},
         {"interval_shortest_ms", number(st.intervalShortest)},
         {"unstable_rate", number(st.unstableRate)},
         {"hold_mean_ms", object({{"a", number(st.holdMeanA)}, {"b", number(st.holdMeanB)}}, {}, true)},
         {"fastest_window", object({{"presses", std::to_string(st.fastestWindow)},
                                    {"start_ms", st.fastestWindowStart.toString()}},
                                   {}, true)},
         {"per_second_spread", number(st.perSecondSpread)},
         {"per_second_min", std::to_string(st.perSecondMin)},
         {"per_second_max", std::to_string(st.perSecondMax)},
         {"turbo", st.turbo ? "true" : "false"}},
        "  ");
}

std::string pressJson(const RecordedPress& p, int seq) {
    return object({{"seq", std::to_string(seq)},
                   {"button", quoted(p.button == PressKind::A ? "A" : "B")},
                   {"source", quoted(p.source.name())},
                   {"press_ms", p.press.toString()},
                   {"release_ms", p.release ? p.release->toString() : "null"}},
                  {}, true);
}

using Type = JsonValue::Type;

std::optional<int> integer(const JsonValue* v) {
    return v && v->type == Type::Number ? parseCount(v->text) : std::nullopt;
}

// Why the press `v` (number n from 1) cannot be read, or empty.
std::string readPress(const JsonValue& v, int n, RecordedPress& p) {
    const std::string which = "presses の " + std::to_string(n) + " 番目: ";
    if (v.type != Type::Object) return which + "項目の組ではありません。";
    if (integer(v.find("seq")) != n) return which + "seq が " + std::to_string(n) + " ではありません。";
    const JsonValue* button = v.find("button");
    if (!button || button->type != Type::String || (button->text != "A" && button->text != "B"))
        return which + "button は \"A\" か \"B\" です。";
    p.button = button->text == "A" ? PressKind::A : PressKind::B;
    const JsonValue* source = v.find("source");
    const auto src =
        source && source->type == Type::String ? InputSource::fromName(source->text) : std::nullopt;
    if (!src) return which + "source は keyboard、mouse、pad0 から pad15 のどれかです。";
    p.source = *src;
    const JsonValue* press = v.find("press_ms");
    const auto pressTime = press && press->type == Type::Number ? parseMillis(press->text) : std::nullopt;
    if (!pressTime) return which + "press_ms が小数第 4 位までの ms の数ではありません。";
    p.press = *pressTime;
    const JsonValue* release = v.find("release_ms");
    if (!release) return which + "release_ms がありません。";
    if (release->type != Type::Null) {
        const auto releaseTime = release->type == Type::Number ? parseMillis(release->text) : std::nullopt;
        if (!releaseTime) return which + "release_ms が ms の数でも null でもありません。";
        p.release = *releaseTime;
    }
    return {};
}

// Why the counts the file states disagree with its presses, or empty.
std::string checkCounts(const JsonValue& root, const RecordedRun& run) {
    const RunStatistics st = statisticsOf(run);
    const std::pair<const char*, int> totals[] = {{"total", st.total}, {"a", st.countA}, {"b", st.countB}};
    for (const auto& [key, expected] : totals) {
        const JsonValue* v = root.find(key);
        if (v && integer(v) != expected) return std::string(key) + " が presses の数と合いません。";
    }
    const JsonValue* seconds = root.find("per_second");
    if (!seconds) return {};
    if (seconds->type != Type::Object) return "per_second が項目の組ではありません。";
    const std::pair<const char*, const std::array<int, 10>*> series[] = {{"a", &st.perSecondA},
                                                                         {"b", &st.perSecondB}};
    for (const auto& [key, expected] : series) {
        const JsonValue* v = seconds->find(key);
        if (!v) continue;
        bool same = v->type == Type::Array && v->items.size() == expected->size();
        for (std::size_t i = 0; same && i < v->items.size(); ++i)
            same = integer(&v->items[i]) == (*expected)[i];
        if (!same) return std::string("per_second の ") + key + " が presses と合いません。";
    }
    return {};
}

}  // namespace

std::string runJson(const RecordedRun& run) {
    const RunStatistics st = statisticsOf(run);
    std::string presses = "[";
    for (std::size_t i = 0; i < run.presses.size(); ++i)
        presses += (i ? ",\n    " : "\n    ") + pressJson(run.presses[i], static_cast<int>(i) + 1);
    presses += "\n  ]";
    return object({{"format", quoted(kRunJsonFormat)},
                   {"version", std::to_string(kRunJsonVersion)},
                   {"date", quoted(run.startedAt.iso())},
                   {"total", std::to_string(st.total)},
                   {"a", std::to_string(st.countA)},
                   {"b", std::to_string(st.countB)},
                   {"per_second", object({{"a", list(st.perSecondA)}, {"b", list(st.perSecondB)}}, {}, true)},
                   {"presses", presses},
                   {"statistics", statisticsJson(st)}}) +
           "\n";
}

RunFileResult parseRunJson(std::string_view text) {
    auto refuse = [](std::string why) { return RunFileResult{std::nullopt, std::move(why)}; };
    JsonResult doc = parseJson(text);
    if (!doc.value) return refuse(doc.error);
    const JsonValue& root = *doc.value;
    if (root.type != Type::Object) return refuse("JSON の記録ファイルではありません。");
    const JsonValue* format = root.find("format");
    if (!format || format->type != Type::String || format->text != kRunJsonFormat)
        return refuse("format が \"" + std::string(kRunJsonFormat) + "\" ではありません。");
    if (integer(root.find("version")) != kRunJsonVersion)
        return refuse("version " + std::to_string(kRunJsonVersion) + " の記録ファイルではありません。");
    RecordedRun run;
    const JsonValue* date = root.find("date");
    const auto when = date && date->type == Type::String ? CalendarTime::parseIso(date->text) : std::nullopt;
    if (!when) return refuse("date が \"2024-05-01T12:34:56+09:00\" の形の日時ではありません。");
    run.startedAt = *when;
    const JsonValue* presses = root.find("presses");
    if (!presses || presses->type != Type::Array) return refuse("presses の並びがありません。");
    if (presses->items.size() > RecordedRun::kMaxPresses) return refuse("押した回数が多すぎます。");
    for (const auto& item : presses->items) {
        RecordedPress p;
        if (std::string why = readPress(item, static_cast<int>(run.presses.size()) + 1, p); !why.empty())
            return refuse(why);
        run.presses.push_back(p);
    }
    if (const JsonValue* stats = root.find("statistics"); stats && stats->type != Type::Object)
        return refuse("statistics が項目の組ではありません。");
    if (std::string why = checkCounts(root, run); !why.empty()) return refuse(why);
    return {std::move(run), {}, true};
}

}  // namespace tap
