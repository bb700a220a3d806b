#include "rules/CMoveList.h"

bool CMoveList::Append(const CMovePath &path) {
  if (count < 0 || count >= kMaxPaths) return false;
  paths[count++].CopyFrom(path);
  return true;
}
