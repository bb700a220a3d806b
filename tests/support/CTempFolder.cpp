#include "CTempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>
#include <vector>

CTempFolder::CTempFolder() {
  previous = std::filesystem::current_path().string();
  std::string pattern = (std::filesystem::temp_directory_path() / "ravelmark-test-XXXXXX").string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (!mkdtemp(name.data())) throw std::runtime_error("cannot make a temporary folder");
  path = name.data();
  std::filesystem::current_path(path);
}

CTempFolder::~CTempFolder() {
  std::error_code ignored;
  std::filesystem::current_path(previous, ignored);
  std::filesystem::remove_all(path, ignored);
}
