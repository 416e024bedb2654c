#include "core/records/run_csv.h"

#include <array>

namespace tap {

namespace {
std::string_view buttonName(PressKind b) {
    return b == PressKind::A ? "A" : "B";
}

// The line's fields, or fewer than five when it has a different number of them.
std::array<std::string_view, 5> fieldsOf(std::string_view line, int& count) {
    std::array<std::string_view, 5> out{};
    count = 0;
    for (;;) {
        const auto comma = line.find(',');
        if (count == 5) {
            ++count;
            return out;
        }
        out[count++] = line.substr(0, comma);
        if (comma == std::string_view::npos) return out;
        line.remove_prefix(comma + 1);
    }
}
}  // namespace

std::string runCsv(const RecordedRun& run) {
    std::string out(kRunCsvHeader);
    out += '\n';
    out.reserve(out.size() + run.presses.size() * 40);
    int seq = 0;
    for (const auto& p : run.presses) {
        out += std::to_string(++seq);
        out.append(1, ',').append(buttonName(p.button)).append(1, ',').append(p.source.name()).append(1, ',');
        out += p.press.toString();
        out += ',';
        if (p.release) out += p.release->toString();
        out += '\n';
    }
    return out;
}

RunFileResult parseRunCsv(std::string_view text) {
    RecordedRun run;
    int lineNo = 0;
    bool ended = false;  // blank lines may only close the file
    while (!text.empty()) {
        const auto nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        auto fail = [lineNo](const std::string& why) {
            return RunFileResult{std::nullopt, std::to_string(lineNo) + " 行目: " + why};
        };
        if (line.empty()) {
            ended = true;
            continue;
        }
        if (ended) return fail("空の行のあとにまだ行があります。");
        if (lineNo == 1) {
            if (line != kRunCsvHeader)
                return fail("見出しが \"" + std::string(kRunCsvHeader) + "\" ではありません。");
            continue;
        }
        int count = 0;
        const auto f = fieldsOf(line, count);
        if (count != 5) return fail("項目が 5 つではありません。");
        if (run.presses.size() >= RecordedRun::kMaxPresses) return fail("押した回数が多すぎます。");
        const auto seq = parseCount(f[0]);
        if (!seq || *seq != static_cast<int>(run.presses.size()) + 1)
            return fail("番号が " + std::to_string(run.presses.size() + 1) + " ではありません。");
        RecordedPress p;
        if (f[1] == "A")
            p.button = PressKind::A;
        else if (f[1] == "B")
            p.button = PressKind::B;
        else
            return fail("ボタンは A か B です。");
        const auto source = InputSource::fromName(f[2]);
        if (!source) return fail("入力元は keyboard、mouse、pad0 から pad15 のどれかです。");
        p.source = *source;
        const auto press = parseMillis(f[3]);
        if (!press) return fail("押した時刻が ms の数ではありません。");
        p.press = *press;
        if (!f[4].empty()) {
            const auto release = parseMillis(f[4]);
            if (!release) return fail("離した時刻が ms の数ではありません。");
            p.release = *release;
        }
        run.presses.push_back(p);
    }
    if (lineNo == 0) return {std::nullopt, "ファイルが空です。"};
    return {std::move(run), {}};
}

}  // namespace tap
