// The system's sound mixer (SDL_mixer) as an audio output. When no sound device will open it falls
// back to SDL's dummy driver, so the game runs on, silently.
#pragma once

#include "platform/CAudioOutput.h"

class CMixerOutput : public CAudioOutput {
public:
  ~CMixerOutput() override;
  bool Open(int channels) override;
  void Close() override;
  void *LoadSound(const char *file, const std::vector<uint8_t> &wav) override;
  void FreeSound(void *sound) override;
  void Play(void *sound) override;
  void StopAll() override;
  bool IsPlaying(void *sound) override;

private:
  bool TryOpen(int channels);
  bool open = false;
  int channelCount = 0;
};
