// One sound effect: the bytes of a WAV file, loaded by Load and made playable by
// CDirectAudio8::Attach. A file that is missing or damaged gives a sound that plays nothing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CDirectAudio8;

class CSound {
public:
  CSound() = default;
  // Lets go of the sound's data in the audio device it was attached to.
  ~CSound();
  CSound(const CSound &) = delete;
  CSound &operator=(const CSound &) = delete;

  // Reads the file (relative to the working folder). Returns true whether or not it could be read.
  bool Load(const char *file);

  const std::string &File() const { return file; }
  // Whether the file was read and the audio device took it as a sound.
  bool IsPlayable() const { return segment != nullptr; }

private:
  friend class CDirectAudio8;

  std::string file;
  std::vector<uint8_t> data;            // the file's bytes
  void *segment = nullptr;              // the output's handle, once attached
  CDirectAudio8 *performance = nullptr; // the device it is attached to; not owned
};
