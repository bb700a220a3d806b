// The sound system: plays short WAV effects, any number at once, and keeps the log
// "CDirectAudio8 Log.txt". A sound is a CSound: Load it, Attach it here once, then Play it as often
// as wanted; each Play starts a new instance beside those already sounding.
//
// It plays through the system's mixer, or through the dummy driver (silence) when no sound device
// opens; a test can install a CAudioRecorder to record what is played instead.
#pragma once

#include <vector>

class CAudioOutput;
class CDisplayWindow;
class CLogFile;
class CSound;

class CDirectAudio8 {
public:
  // Opens the log and the output with `channels` sounds able to play at once (the game uses 64).
  // Logs "Direct Audio failed to initialize" when not even the silent fallback opens; the object is
  // usable either way.
  CDirectAudio8(CDisplayWindow *window, int channels);
  // Stops every sound and lets go of every attached sound's data (sounds still alive go silent).
  ~CDirectAudio8();
  CDirectAudio8(const CDirectAudio8 &) = delete;
  CDirectAudio8 &operator=(const CDirectAudio8 &) = delete;

  // Prepares a loaded sound for playing here. A sound whose file did not load stays silent.
  void Attach(CSound *sound);
  // Starts the sound now. Returns true.
  bool Play(CSound *sound);
  // Stops every playing sound at once. Returns true.
  bool StopAll();
  // Whether any instance of the sound is playing.
  bool IsPlaying(CSound *sound);

  CLogFile *Log() { return log; }

private:
  friend class CSound;
  void Detach(CSound *sound);

  CAudioOutput *performance;
  CAudioOutput *ownOutput = nullptr; // the mixer, when no stand-in is installed
  CLogFile *log;
  std::vector<CSound *> attached;
};
