#include "platform/CSound.h"

#include "platform/CDirectAudio8.h"

#include <fstream>
#include <iterator>

namespace {

// Sound effects are short; a file larger than this is not one.
constexpr std::streamoff kMaxSoundBytes = 64 * 1024 * 1024;

} // namespace

CSound::~CSound() {
  if (performance) performance->Detach(this);
}

bool CSound::Load(const char *path) {
  if (performance) performance->Detach(this);
  data.clear();
  file = path ? path : "";
  if (!path) return true;
  std::ifstream stream(path, std::ios::binary);
  if (!stream) return true;
  stream.seekg(0, std::ios::end);
  std::streamoff size = stream.tellg();
  if (size <= 0 || size > kMaxSoundBytes) return true;
  stream.seekg(0, std::ios::beg);
  data.resize(static_cast<size_t>(size));
  if (!stream.read(reinterpret_cast<char *>(data.data()), size)) data.clear();
  return true;
}
