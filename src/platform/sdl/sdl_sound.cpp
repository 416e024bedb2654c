#include "platform/sdl/sdl_sound.h"

#include <QApplication>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace tap::sdl {

namespace {
constexpr int kSampleRate = 44100;
constexpr double kToneHz = 880;
constexpr double kToneMs = 150;
constexpr double kAttackMs = 8;
constexpr double kVolume = 0.3;

// One mono tone with a soft attack and decay, so it starts and stops without a click.
std::vector<std::int16_t> synthesiseTone(int sampleRate, double hz, double ms) {
    const auto count = static_cast<std::size_t>(sampleRate * ms / 1000.0);
    const double attack = sampleRate * kAttackMs / 1000.0;
    std::vector<std::int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double rise = std::min(1.0, static_cast<double>(i) / attack);
        // Falls away exponentially and reaches exactly zero at the end.
        const double fall = std::exp(-4.0 * i / count) * (1.0 - static_cast<double>(i) / count);
        const double v = kVolume * rise * fall * std::sin(2 * std::numbers::pi * hz * t);
        samples[i] = static_cast<std::int16_t>(std::lround(v * 32767));
    }
    return samples;
}

}  // namespace

// The alarm notice beeps every second: the device stays open between those beeps.
constexpr int kCloseAfterMs = 3000;

SdlSound::SdlSound() : tone_(synthesiseTone(kSampleRate, kToneHz, kToneMs)) {
    closeTimer_.setSingleShot(true);
    closeTimer_.setInterval(kCloseAfterMs);
    QObject::connect(&closeTimer_, &QTimer::timeout, [this] { close(); });
}

SdlSound::~SdlSound() { close(); }

bool SdlSound::open() {
    if (device_ != 0) return true;
    // One attempt per run of beeps: a machine without sound says so on every attempt.
    if (openFailed_) return false;
    openFailed_ = true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec want{};
    want.freq = kSampleRate;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 1024;
    // No allowed changes: SDL converts our format to whatever the device takes.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (device_ == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    SDL_PauseAudioDevice(device_, 0);
    openFailed_ = false;
    return true;
}

void SdlSound::close() {
    openFailed_ = false;
    if (device_ == 0) return;
    SDL_CloseAudioDevice(device_);
    device_ = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlSound::beep() {
    closeTimer_.start();
    if (!open() || SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_STOPPED) {
        QApplication::beep();
        return;
    }
    // A beep replaces one still sounding rather than queueing behind it.
    SDL_ClearQueuedAudio(device_);
    const auto bytes = static_cast<Uint32>(tone_.size() * sizeof(std::int16_t));
    if (SDL_QueueAudio(device_, tone_.data(), bytes) != 0) QApplication::beep();
}

}  // namespace tap::sdl
