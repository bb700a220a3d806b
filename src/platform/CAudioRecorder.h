// A stand-in for the sound mixer that plays nothing and remembers everything: which sounds were
// started and when, and every stop. A sound plays for its WAV file's length on the program's clock
// (GetTickCount), so with a test clock a test decides when sounds end, and never waits for real.
//
// While a recorder exists, every CDirectAudio8 made plays into it (as CTestClock does for time).
#pragma once

#include "platform/CAudioOutput.h"

#include <cstdint>
#include <string>
#include <vector>

class CAudioRecorder : public CAudioOutput {
public:
  enum class EventKind { Played, StoppedAll };
  struct Event {
    EventKind kind;
    std::string file; // the sound's file (empty for StoppedAll)
    uint32_t tick;    // GetTickCount() at the time
  };

  CAudioRecorder();
  ~CAudioRecorder() override;
  CAudioRecorder(const CAudioRecorder &) = delete;
  CAudioRecorder &operator=(const CAudioRecorder &) = delete;

  const std::vector<Event> &Events() const { return events; }
  void ClearEvents() { events.clear(); }
  // How many times the sound of this file was started.
  int PlayCount(const std::string &file) const;
  int StopAllCount() const;
  // Instances playing now, all sounds together or of one file.
  int PlayingCount();
  bool IsFilePlaying(const std::string &file);
  // Ends every playing instance now, as if each had reached its end.
  void FinishAll() { playing.clear(); }
  bool IsOpen() const { return open; }
  int Channels() const { return channels; }

  bool Open(int channels) override;
  void Close() override;
  void *LoadSound(const char *file, const std::vector<uint8_t> &wav) override;
  void FreeSound(void *sound) override;
  void Play(void *sound) override;
  void StopAll() override;
  bool IsPlaying(void *sound) override;

private:
  struct SSound {
    std::string file;
    uint32_t lengthMs;
  };
  struct SInstance {
    SSound *sound;
    uint32_t start;
    uint32_t lengthMs;
  };
  void DropEnded();

  std::vector<Event> events;
  std::vector<SSound *> sounds;
  std::vector<SInstance> playing;
  bool open = false;
  int channels = 0;
};
