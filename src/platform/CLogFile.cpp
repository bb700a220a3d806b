#include "platform/CLogFile.h"

#include <cstring>

CLogFile::CLogFile(const char *fileName) {
  name[0] = '\0';
  if (fileName) {
    std::strncpy(name, fileName, sizeof(name) - 1);
    name[sizeof(name) - 1] = '\0';
  }
  stream.open(name, std::ios::out | std::ios::trunc);
}

CLogFile::~CLogFile() { stream.close(); }

void CLogFile::Write(const char *message, bool flush) {
  if (!stream.is_open() || !message) return;
  stream << message;
  if (flush) stream.flush();
}

void CLogFile::Write(int64_t number) {
  if (!stream.is_open()) return;
  stream << number;
  stream.flush();
}

void CLogFile::Write(uint64_t number) {
  if (!stream.is_open()) return;
  stream << number;
  stream.flush();
}
