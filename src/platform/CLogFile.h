// A plain-text log of one platform class. The file is emptied when the log is opened, so every run
// starts it afresh, and every message is flushed at once so that the file is complete up to the
// last step that ran, even if the program dies right after it. A log that cannot be opened swallows
// its messages silently: logging never stops the game.
#pragma once

#include <cstdint>
#include <fstream>

class CLogFile {
public:
  // Opens (creating or emptying) the file `name`, relative to the working folder. Names longer than
  // 255 characters are cut.
  explicit CLogFile(const char *name);
  ~CLogFile();
  CLogFile(const CLogFile &) = delete;
  CLogFile &operator=(const CLogFile &) = delete;

  // Writes the message as it stands (a line ends only where the message ends with "\n") and flushes
  // unless told not to.
  void Write(const char *message, bool flush = true);
  // Writes a number in decimal and flushes.
  void Write(int64_t number);
  void Write(uint64_t number);
  void Write(int number) { Write(static_cast<int64_t>(number)); }
  void Write(unsigned number) { Write(static_cast<uint64_t>(number)); }

  const char *Name() const { return name; }

private:
  char name[256];
  std::ofstream stream;
};
