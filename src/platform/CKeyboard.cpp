#include "platform/CKeyboard.h"

#include "platform/CInputSource.h"

#include <cstring>

CKeyboard::CKeyboard(CInputSource *source) : device(source) { std::memset(keys, 0, sizeof(keys)); }

void CKeyboard::Read() {
  if (device) device->ReadKeys(keys);
}

bool CKeyboard::IsKeyDown(int code) const { return code >= 0 && code < 256 && (keys[code] & 0x80) != 0; }
