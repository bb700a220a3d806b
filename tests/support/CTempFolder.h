// A fresh, empty temporary folder that is the working folder for as long as it exists: the game
// reads and writes everything relative to the working folder, so a test that makes one of these
// sees only its own files. The folder and all in it are removed afterwards.
#pragma once

#include <string>

class CTempFolder {
public:
  CTempFolder();
  ~CTempFolder();
  CTempFolder(const CTempFolder &) = delete;
  CTempFolder &operator=(const CTempFolder &) = delete;

  const std::string &Path() const { return path; }

private:
  std::string path;
  std::string previous;
};
