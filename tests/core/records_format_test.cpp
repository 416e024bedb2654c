// Run files: what is written reads back the same, and what is damaged or hostile is refused with a reason.
#include <gtest/gtest.h>

#include <random>

#include "core/records/json_reader.h"
#include "core/records/run_csv.h"
#include "core/records/run_file.h"
#include "core/records/run_json.h"
#include "tests/support/run_builder.h"

namespace tap::sim {
namespace {

RecordedRun sampleRun() {
    RecordedRun run = runAt({0, 40.1234, 80.5, 120, 9999.9999}, 12.0001, InputSource::keyboard());
    run.presses[1].source = InputSource::mouse();
    run.presses[2].source = InputSource::fromPad(15);
    run.presses[4].release.reset();  // still held at the end
    return run;
}

TEST(RunFiles, CsvHasAHeaderFourDecimalsAndReadsBack) {
    const RecordedRun run = sampleRun();
    const std::string csv = writeRunFile(run, RunFileFormat::Csv);
    EXPECT_EQ(csv.substr(0, csv.find('\n', csv.find('\n') + 1) + 1),
              "seq,button,source,press_ms,release_ms\n1,A,keyboard,0.0000,12.0001\n");
    EXPECT_NE(csv.find("\n3,A,pad15,80.5000,92.5001\n"), std::string::npos);
    EXPECT_NE(csv.find("\n5,A,keyboard,9999.9999,\n"), std::string::npos);
    const auto back = readRunFile(csv);
    ASSERT_TRUE(back.run) << back.error;
    EXPECT_FALSE(back.dated);
    EXPECT_EQ(back.run->presses, run.presses);
    // What a spreadsheet makes of it: a byte-order mark, CRLF, shorter decimals.
    const auto edited =
        readRunFile("\xEF\xBB\xBFseq,button,source,press_ms,release_ms\r\n1,B,mouse,0,3.5\r\n\r\n");
    ASSERT_TRUE(edited.run) << edited.error;
    EXPECT_EQ(edited.run->presses[0].release, Millis::fromMsDouble(3.5));
}

TEST(RunFiles, JsonHoldsDateTotalsSecondsPressesAndStatisticsAndReadsBack) {
    const RecordedRun run = sampleRun();
    const std::string json = writeRunFile(run, RunFileFormat::Json);
    const auto doc = parseJson(json);
    ASSERT_TRUE(doc.value) << doc.error;
    EXPECT_EQ(doc.value->find("date")->text, "2024-05-01T21:30:05+09:00");
    EXPECT_EQ(doc.value->find("total")->text, "5");
    EXPECT_EQ(doc.value->find("a")->text, "3");
    const JsonValue* seconds = doc.value->find("per_second")->find("a");
    ASSERT_EQ(seconds->items.size(), 10u);
    EXPECT_EQ(seconds->items[0].text, "2");
    EXPECT_EQ(seconds->items[9].text, "1");
    const JsonValue* stats = doc.value->find("statistics");
    ASSERT_TRUE(stats);
    EXPECT_EQ(stats->find("fastest_window")->find("presses")->text, "4");
    EXPECT_EQ(stats->find("per_source")->find("pad15")->text, "1");
    EXPECT_EQ(doc.value->find("presses")->items[4].find("release_ms")->type, JsonValue::Type::Null);
    const auto back = readRunFile(json);
    ASSERT_TRUE(back.run) << back.error;
    EXPECT_TRUE(back.dated);
    EXPECT_EQ(back.run->startedAt, run.startedAt);
    EXPECT_EQ(back.run->presses, run.presses);
    EXPECT_EQ(formatForPath("/tmp/RUN.JSON"), RunFileFormat::Json);
    EXPECT_EQ(formatForPath("run.csv"), RunFileFormat::Csv);
}

TEST(RunFiles, BadFilesAreRefusedWithTheirReason) {
    const std::string head = "seq,button,source,press_ms,release_ms\n";
    const std::pair<std::string, std::string> cases[] = {
        {"", "空"},
        {"seq,button\n1,A\n", "見出し"},
        {head, "押した記録がありません"},
        {head + "1,A,keyboard,5.0000,\n", "最初に押した時刻が 0"},
        {head + "1,A,keyboard,0.0000,\n3,B,keyboard,1.0000,\n", "3 行目: 番号"},
        {head + "1,C,keyboard,0.0000,\n", "ボタン"},
        {head + "1,A,joystick,0.0000,\n", "入力元"},
        {head + "1,A,pad16,0.0000,\n", "入力元"},
        {head + "1,A,keyboard,-1,\n", "押した時刻"},
        {head + "1,A,keyboard,0.12345,\n", "押した時刻"},
        {head + "1,A,keyboard,0,5,extra\n", "項目が 5 つ"},
        {head + "1,A,keyboard,0,\n2,B,keyboard,10000.0001,\n", "10 秒"},
        {head + "1,A,keyboard,0,50\n2,A,keyboard,20,60\n", "離す前に押して"},
        {head + "1,A,keyboard,30,\n2,B,keyboard,20,\n", "0 ではありません"},
        {head + "1,A,keyboard,0,\n2,B,keyboard,30,20\n", "離した時刻が押した時刻より前"},
        {head + "1,A,keyboard,0,\n\n2,B,keyboard,30,\n", "空の行"},
        {"seq,button,source,press_ms,release_ms\n1,A,keyboard,0,\xff\n", "UTF-8"},
        {"{\"format\": \"tapriko-run\", \"version\": 2}", "version"},
        {"{\"format\": \"other\"}", "format"},
        {"{\"format\": \"tapriko-run\", \"version\": 1, \"date\": \"2024-02-30T00:00:00Z\", \"presses\": []}",
         "date"},
        {"{\"format\": \"tapriko-run\", \"version\": 1, \"date\": \"2024-02-29T00:00:00Z\", \"total\": 2, "
         "\"presses\": "
         "[{\"seq\": 1, \"button\": \"A\", \"source\": \"mouse\", \"press_ms\": 0, \"release_ms\": null}]}",
         "total"},
        {"{\"format\": \"tapriko-run\", \"version\": 1, \"date\": \"2024-02-29T00:00:00Z\", \"presses\": "
         "[{\"seq\": 1, \"button\": \"A\", \"source\": \"mouse\", \"press_ms\": 1e3, \"release_ms\": null}]}",
         "press_ms"},
        {"{\"a\": 1, \"a\": 2}", "二つ"},
        {"{\"format\": \"tapriko-run\"} x", "余分"},
        {std::string(100, '[') + std::string(100, ']'), "入れ子"},
        {"{\"s\": \"\\ud800\"}", "\\u"},
    };
    for (const auto& [text, reason] : cases) {
        const auto r = readRunFile(text);
        EXPECT_FALSE(r.run) << text;
        EXPECT_NE(r.error.find(reason), std::string::npos) << text << " -> " << r.error;
    }
    EXPECT_FALSE(readRunFile(std::string(kMaxRunFileBytes + 1, ' ')).run);
}

// Random damage to good files and plain noise: every file is either refused with a reason or reads as a run
// that could have been recorded; nothing crashes, hangs or reads out of bounds.
TEST(RunFiles, FuzzedFilesNeverCrashAndNeverPassUnchecked) {
    std::mt19937 rng(2024);
    const std::string good[] = {writeRunFile(sampleRun(), RunFileFormat::Csv),
                                writeRunFile(sampleRun(), RunFileFormat::Json)};
    const std::string alphabet = "0123456789.,-:{}[]\"\\\nABab eE+ufnlt\x80\xff";
    int accepted = 0;
    for (int i = 0; i < 4000; ++i) {
        std::string text = good[i % 2];
        const int edits = 1 + static_cast<int>(rng() % 6);
        for (int e = 0; e < edits && !text.empty(); ++e) {
            const std::size_t at = rng() % text.size();
            const char c = alphabet[rng() % alphabet.size()];
            switch (rng() % 4) {
                case 0:
                    text[at] = c;
                    break;
                case 1:
                    text.insert(at, 1, c);
                    break;
                case 2:
                    text.erase(at, 1 + rng() % 8);
                    break;
                default:
                    text.insert(at, text.substr(at, rng() % 64));
                    break;
            }
        }
        if (i % 10 == 0) {
            text.clear();
            for (int k = 0; k < 200; ++k) text += alphabet[rng() % alphabet.size()];
        }
        const auto r = readRunFile(text);
        if (r.run) {
            ++accepted;
            EXPECT_EQ(validateRun(*r.run), "");
        } else {
            EXPECT_FALSE(r.error.empty());
        }
    }
    EXPECT_LT(accepted, 4000);
}

TEST(CalendarTime, IsoRoundTripAndRefusals) {
    const CalendarTime t{2024, 12, 31, 23, 59, 58, -(3 * 60 + 30)};
    EXPECT_EQ(t.iso(), "2024-12-31T23:59:58-03:30");
    EXPECT_EQ(CalendarTime::parseIso(t.iso()), t);
    EXPECT_EQ(CalendarTime::parseIso("2024-05-01T00:00:00Z")->utcOffsetMinutes, 0);
    for (const char* bad : {"2023-02-29T00:00:00Z", "2024-13-01T00:00:00Z", "2024-05-01 00:00:00Z",
                            "2024-05-01T24:00:00Z", "2024-05-01T00:00:00+15:00", "2024-05-01T00:00:00"})
        EXPECT_FALSE(CalendarTime::parseIso(bad)) << bad;
}

}  // namespace
}  // namespace tap::sim
