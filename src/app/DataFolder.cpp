#include "app/DataFolder.h"

#include <filesystem>
#include <system_error>

std::string ExecutableFolder(const char *argv0) {
  std::error_code error;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error || exe.empty()) {
    if (!argv0 || !*argv0) return std::string();
    exe = std::filesystem::absolute(argv0, error);
    if (error) return std::string();
  }
  return exe.parent_path().string();
}

bool EnterDataFolder(const char *argv0) {
  std::string folder = ExecutableFolder(argv0);
  if (folder.empty()) return false;
  std::error_code error;
  std::filesystem::current_path(folder, error);
  return !error;
}
