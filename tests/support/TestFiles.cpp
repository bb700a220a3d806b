#include "TestFiles.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

void Put16(std::vector<uint8_t> &out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(std::vector<uint8_t> &out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

} // namespace

void WriteBytes(const std::string &file, const std::vector<uint8_t> &bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void WriteBmp(const std::string &file, int width, int height, const std::vector<uint32_t> &pixels) {
  const uint32_t rowBytes = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
  const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(height);
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, 54 + imageBytes);
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(width));
  Put32(out, static_cast<uint32_t>(height));
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);
  Put32(out, imageBytes);
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      uint32_t p = pixels[static_cast<size_t>(y) * width + x];
      out.push_back(static_cast<uint8_t>(p));
      out.push_back(static_cast<uint8_t>(p >> 8));
      out.push_back(static_cast<uint8_t>(p >> 16));
    }
    for (uint32_t pad = static_cast<uint32_t>(width) * 3; pad < rowBytes; ++pad)
      out.push_back(0);
  }
  WriteBytes(file, out);
}

void WriteSolidBmp(const std::string &file, int width, int height, uint32_t rgb) {
  WriteBmp(file, width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height, rgb));
}

void WriteWav(const std::string &file, int milliseconds) {
  const uint32_t rate = 22050;
  const uint32_t samples = rate * static_cast<uint32_t>(milliseconds) / 1000;
  std::vector<uint8_t> out;
  out.insert(out.end(), {'R', 'I', 'F', 'F'});
  Put32(out, 36 + samples * 2);
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  Put32(out, 16);
  Put16(out, 1);
  Put16(out, 1);
  Put32(out, rate);
  Put32(out, rate * 2);
  Put16(out, 2);
  Put16(out, 16);
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  Put32(out, samples * 2);
  for (uint32_t i = 0; i < samples; ++i) {
    int16_t value = static_cast<int16_t>(800 * std::sin(i * 2 * 3.14159265 * 440 / rate));
    Put16(out, static_cast<uint16_t>(value));
  }
  WriteBytes(file, out);
}

std::string ReadTextFile(const std::string &file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::string();
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}
