// Where CDirectAudio8 sends its sounds. The game plays them through the system's mixer; a test can
// install a stand-in (CAudioRecorder) that records what was played and stopped instead.
#pragma once

#include <cstdint>
#include <vector>

class CAudioOutput {
public:
  virtual ~CAudioOutput() = default;

  // Starts the output with this many sounds able to play at once. False when it cannot.
  virtual bool Open(int channels) = 0;
  virtual void Close() = 0;
  // Prepares a sound from the bytes of a WAV file (`file` names it). Returns an opaque handle, or
  // null when the bytes are not a sound this output can play.
  virtual void *LoadSound(const char *file, const std::vector<uint8_t> &wav) = 0;
  // Stops the sound wherever it plays and frees it.
  virtual void FreeSound(void *sound) = 0;
  // Starts the sound now, beside anything already playing (that sound included).
  virtual void Play(void *sound) = 0;
  virtual void StopAll() = 0;
  // Whether any instance of the sound is playing.
  virtual bool IsPlaying(void *sound) = 0;
};

// Makes `output` the output of every CDirectAudio8 made from now on, instead of the system's mixer;
// null puts the mixer back. Not owned; it must outlive the audio devices that use it.
void SetAudioOutput(CAudioOutput *output);
CAudioOutput *InstalledAudioOutput();
