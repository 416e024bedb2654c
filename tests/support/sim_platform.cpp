#include "tests/support/sim_platform.h"

#include <algorithm>
#include <cstdio>

#include "core/keysetup/key_setup_dialog.h"
#include "core/modes/alarm_notice.h"

namespace tap::sim {

struct SimPlatform::SimTimer : Timer {
    SimPlatform& owner;
    std::function<void()> onTick;
    int period = 0;
    Millis due;
    bool firing = false;

    SimTimer(SimPlatform& o, std::function<void()> f) : owner(o), onTick(std::move(f)) {
        owner.timers_.push_back(this);
    }
    ~SimTimer() override { std::erase(owner.timers_, this); }
    void setInterval(int ms) override {
        period = ms;
        if (ms > 0) due = owner.now_ + Millis::fromMs(ms);
    }
    int interval() const override { return period; }
};

SimPlatform::SimPlatform(Canvas* drawing)
    : platform_{*this, *this, *this, *this, *this, *this, *this, *this, *this, drawing ? *drawing : canvas, runs, files} {}

SimPlatform::~SimPlatform() = default;

void SimPlatform::at(double ms, std::function<void()> action) {
    events_.push_back({kEpoch + Millis::fromMsDouble(ms), seq_++, std::move(action)});
}

void SimPlatform::setTimeOfDay(TimeOfDay start) {
    todStart_ = start;
    todStartTick_ = now_;
}

TimeOfDay SimPlatform::timeOfDay() {
    if (!todStart_) return timeOfDayValue;
    const long long secs = todStart_->hour * 3600LL + todStart_->minute * 60 + todStart_->second +
                           (now_ - todStartTick_).wholeMs() / 1000;
    const long long s = secs % 86400;
    return {static_cast<int>(s / 3600), static_cast<int>(s / 60 % 60), static_cast<int>(s % 60)};
}

std::string SimPlatform::timeOfDayText() {
    const auto t = timeOfDay();
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d:%02d:%02d", t.hour, t.minute, t.second);
    return buf;
}

CalendarTime SimPlatform::localTime() {
    const auto t = timeOfDay();
    CalendarTime c = date;
    c.hour = t.hour;
    c.minute = t.minute;
    c.second = t.second;
    return c;
}

std::unique_ptr<Timer> SimPlatform::createTimer(std::function<void()> onTick) {
    return std::make_unique<SimTimer>(*this, std::move(onTick));
}

Millis SimPlatform::nextDue() const {
    Millis best = Millis::fromUnits(INT64_MAX);
    for (const auto& e : events_) best = std::min(best, e.at);
    for (const auto* t : timers_)
        if (t->period > 0 && !t->firing) best = std::min(best, t->due);
    return best;
}

void SimPlatform::deliverDue() {
    // Posted tasks first: they were queued by handlers that have already returned.
    while (!posted_.empty()) {
        auto task = std::move(posted_.front());
        posted_.pop_front();
        task();
    }
    for (;;) {
        auto it = std::min_element(events_.begin(), events_.end(), [](const Scheduled& a, const Scheduled& b) {
            return a.at != b.at ? a.at < b.at : a.seq < b.seq;
        });
        SimTimer* timer = nullptr;
        for (auto* t : timers_)
            if (t->period > 0 && !t->firing && t->due <= now_ && (!timer || t->due < timer->due)) timer = t;
        const bool eventDue = it != events_.end() && it->at <= now_;
        if (timer && (!eventDue || timer->due < it->at)) {
            // A timer does not fire again while its own handler runs, as with a real event loop.
            timer->due += Millis::fromMs(timer->period);
            if (timer->due <= now_) timer->due = now_ + Millis::fromMs(timer->period);
            timer->firing = true;
            timer->onTick();
            timer->firing = false;
            continue;
        }
        if (!eventDue) return;
        auto action = std::move(it->action);
        events_.erase(it);
        action();
    }
}

void SimPlatform::yield(Millis maxWait) {
    ++yieldCount;
    lastMaxWait = maxWait;
    // A pass costs passLength; a wait as asked ends early when an event or a timer falls due.
    const Millis until = waitsAsAsked ? std::min(nextDue(), now_ + maxWait) : Millis{};
    now_ = std::max(now_ + passLength, until) + stall_;
    stall_ = Millis{};
    deliverDue();
}

void SimPlatform::post(std::function<void()> task) { posted_.push_back(std::move(task)); }

void SimPlatform::runUntil(double ms) {
    const Millis end = kEpoch + Millis::fromMsDouble(ms);
    deliverDue();
    while (now_ < end && !quitCode) {
        const Millis next = std::min(nextDue(), end);
        if (next > now_) now_ = next;
        deliverDue();
    }
}

MessageAnswer SimPlatform::messageBox(const std::string& text, MessageIcon icon, MessageButtons buttons) {
    messages.push_back({text, icon, buttons, alwaysOnTop});
    if (onMessage) onMessage(text);
    if (answers.empty()) return MessageAnswer::Ok;
    const auto a = answers.front();
    answers.pop_front();
    return a;
}

void SimPlatform::alarmNotice(AlarmNotice& notice) {
    const int beepsBefore = beeps;
    const double opened = elapsedMs();
    const bool topmost = alwaysOnTop;
    notice.Form_Activate();
    // The modal show: time runs on until the user presses OK.
    const Millis okAt = now_ + Millis::fromMsDouble(noticeOkAfterMs);
    while (!notice.confirmed() && now_ < okAt && !quitCode) {
        now_ = std::max(now_, std::min(nextDue(), okAt));
        deliverDue();
    }
    if (!notice.confirmed()) notice.OKButton_Click();
    notices.push_back({notice.message(), topmost, opened, elapsedMs(), beeps - beepsBefore});
}

std::optional<std::string> SimPlatform::openFile(const std::vector<FileFilter>& filters) {
    fileDialogs.push_back(filters);
    if (fileChoices.empty()) return std::nullopt;
    auto choice = std::move(fileChoices.front());
    fileChoices.pop_front();
    return choice;
}

std::optional<std::string> SimPlatform::saveFile(const std::string& suggestedName,
                                                  const std::vector<FileFilter>& filters) {
    savedAs.push_back(suggestedName);
    return openFile(filters);
}

std::shared_ptr<const UserPicture> SimPlatform::readPicture(const std::string& path) {
    if (!pictureFiles.contains(path)) return nullptr;
    return std::make_shared<Picture>(path);
}

std::optional<std::string> SimPlatform::value(const std::string& section, const std::string& key) const {
    const auto it = store.find(section + "/" + key);
    if (it == store.end()) return std::nullopt;
    return it->second;
}

void SimPlatform::keySetup(KeySetupDialog& dialog) {
    ++keySetupShown;
    topmostWhileKeySetup = alwaysOnTop;
    // The modal show: time runs on until a scripted OK or Cancel closes the dialog.
    const Millis cancelAt = now_ + Millis::fromMsDouble(keySetupCancelAfterMs);
    while (dialog.visible() && now_ < cancelAt && !quitCode) {
        now_ = std::max(now_, std::min(nextDue(), cancelAt));
        deliverDue();
    }
    if (dialog.visible()) dialog.CancelButton_Click();
}

void SimPlatform::plugPad(int joystick, std::string name) {
    padMasks[joystick] = 0;
    padNames[joystick] = std::move(name);
}

void SimPlatform::unplugPad(int joystick) {
    padMasks.erase(joystick);
    padEdges_.erase(joystick);
}

void SimPlatform::padButton(int joystick, int button, bool down) {
    auto it = padMasks.find(joystick);
    if (it == padMasks.end()) return;
    const std::uint32_t bit = 1u << button;
    if (((it->second & bit) != 0) == down) return;
    it->second = down ? it->second | bit : it->second & ~bit;
    padEdges_[joystick].push_back({button, down, now_});
}

void SimPlatform::update() {
    ++padUpdates;
    for (auto it = seenEdges_.begin(); it != seenEdges_.end();)
        it = padMasks.count(it->first) ? std::next(it) : seenEdges_.erase(it);
    seenMasks_ = padMasks;
    for (auto& [j, edges] : padEdges_) {
        auto& seen = seenEdges_[j];
        seen.insert(seen.end(), edges.begin(), edges.end());
    }
    padEdges_.clear();
}

std::optional<PadReading> SimPlatform::read(int joystick) {
    const auto it = seenMasks_.find(joystick);
    if (it == seenMasks_.end()) return std::nullopt;
    PadReading r{it->second, {}};
    r.edges.swap(seenEdges_[joystick]);
    return r;
}

std::string SimPlatform::name(int joystick) {
    const auto it = padNames.find(joystick);
    return seenMasks_.count(joystick) && it != padNames.end() ? it->second : std::string();
}

}  // namespace tap::sim
