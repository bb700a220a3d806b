#include "platform/CAudioRecorder.h"

#include "platform/Clock.h"

#include <SDL.h>

#include <algorithm>

CAudioRecorder::CAudioRecorder() { SetAudioOutput(this); }

CAudioRecorder::~CAudioRecorder() {
  if (InstalledAudioOutput() == this) SetAudioOutput(nullptr);
  for (SSound *sound : sounds)
    delete sound;
}

bool CAudioRecorder::Open(int channelCount) {
  open = true;
  channels = channelCount;
  return true;
}

void CAudioRecorder::Close() {
  playing.clear();
  open = false;
}

void *CAudioRecorder::LoadSound(const char *file, const std::vector<uint8_t> &wav) {
  if (wav.empty()) return nullptr;
  // The WAV is decoded for real, so that a damaged file is refused here as the mixer would refuse it.
  SDL_RWops *stream = SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size()));
  if (!stream) return nullptr;
  SDL_AudioSpec wavFormat;
  Uint8 *samples = nullptr;
  Uint32 length = 0;
  if (!SDL_LoadWAV_RW(stream, 1, &wavFormat, &samples, &length)) return nullptr;
  SDL_FreeWAV(samples);
  uint64_t bytesPerSecond =
      static_cast<uint64_t>(wavFormat.freq) * wavFormat.channels * (SDL_AUDIO_BITSIZE(wavFormat.format) / 8);
  uint32_t lengthMs = bytesPerSecond ? static_cast<uint32_t>(length * 1000ull / bytesPerSecond) : 0;
  SSound *sound = new SSound{file ? file : "", lengthMs};
  sounds.push_back(sound);
  return sound;
}

void CAudioRecorder::FreeSound(void *handle) {
  SSound *sound = static_cast<SSound *>(handle);
  playing.erase(std::remove_if(playing.begin(), playing.end(),
                               [sound](const SInstance &instance) { return instance.sound == sound; }),
                playing.end());
  auto found = std::find(sounds.begin(), sounds.end(), sound);
  if (found != sounds.end()) {
    delete *found;
    sounds.erase(found);
  }
}

void CAudioRecorder::DropEnded() {
  uint32_t now = GetTickCount();
  playing.erase(
      std::remove_if(playing.begin(), playing.end(),
                     [now](const SInstance &instance) { return now - instance.start >= instance.lengthMs; }),
      playing.end());
}

void CAudioRecorder::Play(void *handle) {
  SSound *sound = static_cast<SSound *>(handle);
  if (!open || !sound) return;
  DropEnded();
  // As many sounds at once as the output has channels; one more is not heard.
  if (static_cast<int>(playing.size()) >= channels) return;
  uint32_t now = GetTickCount();
  events.push_back({EventKind::Played, sound->file, now});
  playing.push_back({sound, now, sound->lengthMs});
}

void CAudioRecorder::StopAll() {
  events.push_back({EventKind::StoppedAll, std::string(), GetTickCount()});
  playing.clear();
}

bool CAudioRecorder::IsPlaying(void *handle) {
  DropEnded();
  return std::any_of(playing.begin(), playing.end(),
                     [handle](const SInstance &instance) { return instance.sound == handle; });
}

int CAudioRecorder::PlayCount(const std::string &file) const {
  return static_cast<int>(std::count_if(events.begin(), events.end(), [&file](const Event &event) {
    return event.kind == EventKind::Played && event.file == file;
  }));
}

int CAudioRecorder::StopAllCount() const {
  return static_cast<int>(std::count_if(
      events.begin(), events.end(), [](const Event &event) { return event.kind == EventKind::StoppedAll; }));
}

int CAudioRecorder::PlayingCount() {
  DropEnded();
  return static_cast<int>(playing.size());
}

bool CAudioRecorder::IsFilePlaying(const std::string &file) {
  DropEnded();
  return std::any_of(playing.begin(), playing.end(),
                     [&file](const SInstance &instance) { return instance.sound->file == file; });
}
