#include "core/records/run_file.h"

#include <array>

#include "core/records/run_csv.h"
#include "core/records/run_json.h"

namespace tap {

namespace {
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
constexpr std::string_view kBom = "\xEF\xBB\xBF";
}  // namespace

RunFileFormat formatForPath(std::string_view path) {
    if (path.size() < 5) return RunFileFormat::Csv;
    std::string ext(path.substr(path.size() - 5));
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ext == ".json" ? RunFileFormat::Json : RunFileFormat::Csv;
}

std::string writeRunFile(const RecordedRun& run, RunFileFormat format) {
    return format == RunFileFormat::Json ? runJson(run) : runCsv(run);
}

RunFileResult readRunFile(std::string_view text) {
    if (text.size() > kMaxRunFileBytes)
        return {std::nullopt, "ファイルが大きすぎます。記録のファイルではありません。"};
    if (!isValidUtf8(text)) return {std::nullopt, "UTF-8 の文字として読めないところがあります。"};
    if (text.substr(0, kBom.size()) == kBom) text.remove_prefix(kBom.size());
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {std::nullopt, "ファイルが空です。"};
    RunFileResult r = text[first] == '{' || text[first] == '[' ? parseRunJson(text) : parseRunCsv(text);
    if (r.run) {
        if (std::string why = validateRun(*r.run); !why.empty()) return {std::nullopt, why};
    }
    return r;
}

std::string validateRun(const RecordedRun& run) {
    const auto& ps = run.presses;
    if (ps.empty()) return "押した記録がありません。";
    if (ps.size() > RecordedRun::kMaxPresses) return "押した回数が多すぎます。";
    if (!ps.front().press.isZero()) return "最初に押した時刻が 0 ではありません。";
    std::array<std::optional<Millis>, 2> lastRelease{};  // of B and of A
    for (std::size_t i = 0; i < ps.size(); ++i) {
        const auto& p = ps[i];
        const std::string which = std::to_string(i + 1) + " 番目: ";
        if (p.press > RecordedRun::kLength) return which + "押した時刻が 10 秒を過ぎています。";
        if (i > 0 && p.press < ps[i - 1].press) return which + "押した時刻が前より早くなっています。";
        const int b = p.button == PressKind::A ? 1 : 0;
        if (lastRelease[b] && p.press < *lastRelease[b]) return which + "同じボタンを離す前に押しています。";
        if (p.release) {
            if (*p.release < p.press) return which + "離した時刻が押した時刻より前です。";
            if (*p.release > RecordedRun::kLength) return which + "離した時刻が 10 秒を過ぎています。";
            lastRelease[b] = p.release;
        }
    }
    return {};
}

std::optional<Millis> parseMillis(std::string_view t) {
    const auto point = t.find('.');
    const std::string_view whole = t.substr(0, point);
    const std::string_view frac = point == std::string_view::npos ? std::string_view{} : t.substr(point + 1);
    if (whole.empty() || whole.size() > 9) return std::nullopt;
    if (point != std::string_view::npos && (frac.empty() || frac.size() > 4)) return std::nullopt;
    std::int64_t units = 0;
    for (char c : whole) {
        if (!isDigit(c)) return std::nullopt;
        units = units * 10 + (c - '0');
    }
    int decimals = 0;
    for (char c : frac) {
        if (!isDigit(c)) return std::nullopt;
        units = units * 10 + (c - '0');
        ++decimals;
    }
    for (; decimals < 4; ++decimals) units *= 10;
    return Millis::fromUnits(units);
}

std::optional<int> parseCount(std::string_view t) {
    if (t.empty() || t.size() > 9) return std::nullopt;
    int v = 0;
    for (char c : t) {
        if (!isDigit(c)) return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

bool isValidUtf8(std::string_view t) {
    for (std::size_t i = 0; i < t.size();) {
        const auto c = static_cast<unsigned char>(t[i]);
        int extra = 0;
        unsigned min = 0, cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1, min = 0x80, cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2, min = 0x800, cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3, min = 0x10000, cp = c & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(extra) >= t.size()) return false;
        for (int k = 1; k <= extra; ++k) {
            const auto cc = static_cast<unsigned char>(t[i + static_cast<std::size_t>(k)]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        // Overlong forms, UTF-16 surrogates and code points beyond Unicode are not UTF-8.
        if (cp < min || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

}  // namespace tap
