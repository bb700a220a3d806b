#include "platform/CMixerOutput.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <string>

namespace {

CAudioOutput *installedOutput = nullptr;

// Samples per mixing buffer: about 23 ms at 44.1 kHz, so a click starts as the button goes down.
constexpr int kBufferSamples = 1024;

} // namespace

void SetAudioOutput(CAudioOutput *output) { installedOutput = output; }

CAudioOutput *InstalledAudioOutput() { return installedOutput; }

CMixerOutput::~CMixerOutput() { Close(); }

bool CMixerOutput::TryOpen(int channels) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, kBufferSamples) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  channelCount = Mix_AllocateChannels(channels);
  return true;
}

bool CMixerOutput::Open(int channels) {
  if (open) return true;
  open = TryOpen(channels);
  if (!open) {
    // No sound device (or none that opens): play into SDL's dummy driver, which takes every sound and
    // makes no noise.
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    open = TryOpen(channels);
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);
  }
  return open;
}

void CMixerOutput::Close() {
  if (!open) return;
  Mix_HaltChannel(-1);
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  open = false;
  if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
}

void *CMixerOutput::LoadSound(const char *, const std::vector<uint8_t> &wav) {
  if (!open || wav.empty()) return nullptr;
  SDL_RWops *stream = SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size()));
  if (!stream) return nullptr;
  return Mix_LoadWAV_RW(stream, 1);
}

void CMixerOutput::FreeSound(void *sound) {
  if (!sound) return;
  // Freeing a chunk stops every channel that plays it first.
  Mix_FreeChunk(static_cast<Mix_Chunk *>(sound));
}

void CMixerOutput::Play(void *sound) {
  if (!open || !sound) return;
  Mix_PlayChannel(-1, static_cast<Mix_Chunk *>(sound), 0);
}

void CMixerOutput::StopAll() {
  if (open) Mix_HaltChannel(-1);
}

bool CMixerOutput::IsPlaying(void *sound) {
  if (!open || !sound) return false;
  for (int channel = 0; channel < channelCount; ++channel) {
    if (Mix_Playing(channel) && Mix_GetChunk(channel) == sound) return true;
  }
  return false;
}
