#include "Files.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace artgen {
namespace {

void Put16(std::vector<uint8_t> &out, uint32_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t> &out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
uint32_t Get32(const std::vector<uint8_t> &in, size_t at) {
  return uint32_t(in[at]) | uint32_t(in[at + 1]) << 8 | uint32_t(in[at + 2]) << 16 |
         uint32_t(in[at + 3]) << 24;
}
uint16_t Get16(const std::vector<uint8_t> &in, size_t at) { return uint16_t(in[at] | in[at + 1] << 8); }

bool WriteBytes(const std::string &path, const std::vector<uint8_t> &bytes) {
  if (!MakeParentFolders(path)) return false;
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
  return bool(f);
}

} // namespace

bool MakeParentFolders(const std::string &path) {
  std::error_code ec;
  std::filesystem::path parent = std::filesystem::path(path).parent_path();
  if (parent.empty()) return true;
  std::filesystem::create_directories(parent, ec);
  return !ec;
}

bool WriteBmp(const std::string &path, const Bitmap &bitmap) {
  const uint32_t w = uint32_t(bitmap.Width()), h = uint32_t(bitmap.Height());
  const uint32_t stride = (w * 3 + 3) & ~3u;
  const uint32_t imageSize = stride * h, offset = 14 + 40;
  std::vector<uint8_t> out;
  out.reserve(offset + imageSize);
  out.push_back('B');
  out.push_back('M');
  Put32(out, offset + imageSize);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, 40); // BITMAPINFOHEADER
  Put32(out, w);
  Put32(out, h); // positive: rows stored bottom-up
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0); // no compression
  Put32(out, imageSize);
  Put32(out, 2835); // 72 dpi
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (uint32_t row = 0; row < h; ++row) {
    int y = int(h - 1 - row);
    for (uint32_t x = 0; x < w; ++x) {
      const uint8_t *p = bitmap.At(int(x), y);
      out.push_back(p[2]); // stored blue, green, red
      out.push_back(p[1]);
      out.push_back(p[0]);
    }
    for (uint32_t pad = w * 3; pad < stride; ++pad)
      out.push_back(0);
  }
  return WriteBytes(path, out);
}

std::optional<Bitmap> ReadBmp(const std::string &path) {
  std::ifstream f(path, std::ios::binary);
  std::vector<uint8_t> in((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  if (in.size() < 54 || in[0] != 'B' || in[1] != 'M') return std::nullopt;
  uint32_t offset = Get32(in, 10);
  int32_t w = int32_t(Get32(in, 18)), h = int32_t(Get32(in, 22));
  if (Get16(in, 28) != 24 || Get32(in, 30) != 0 || w <= 0 || h == 0 || w > 8192 || std::abs(h) > 8192)
    return std::nullopt;
  bool bottomUp = h > 0;
  int height = std::abs(h);
  size_t stride = (size_t(w) * 3 + 3) & ~size_t(3);
  if (offset > in.size() || (in.size() - offset) / stride < size_t(height)) return std::nullopt;
  Bitmap out(w, height);
  for (int row = 0; row < height; ++row) {
    int y = bottomUp ? height - 1 - row : row;
    const uint8_t *src = &in[offset + size_t(row) * stride];
    for (int x = 0; x < w; ++x) {
      uint8_t *p = out.At(x, y);
      p[0] = src[x * 3 + 2];
      p[1] = src[x * 3 + 1];
      p[2] = src[x * 3];
    }
  }
  return out;
}

bool WriteWav(const std::string &path, int channels, int sampleRate, const std::vector<float> &samples) {
  const uint32_t dataSize = uint32_t(samples.size() * 2);
  std::vector<uint8_t> out;
  out.reserve(44 + dataSize);
  for (char c : std::string("RIFF"))
    out.push_back(uint8_t(c));
  Put32(out, 36 + dataSize);
  for (char c : std::string("WAVEfmt "))
    out.push_back(uint8_t(c));
  Put32(out, 16);
  Put16(out, 1); // PCM
  Put16(out, uint32_t(channels));
  Put32(out, uint32_t(sampleRate));
  Put32(out, uint32_t(sampleRate * channels * 2));
  Put16(out, uint32_t(channels * 2));
  Put16(out, 16);
  for (char c : std::string("data"))
    out.push_back(uint8_t(c));
  Put32(out, dataSize);
  for (float s : samples) {
    long v = std::lround(double(s) * 32767.0);
    v = v < -32767 ? -32767 : (v > 32767 ? 32767 : v);
    Put16(out, uint32_t(uint16_t(int16_t(v))));
  }
  return WriteBytes(path, out);
}

bool WriteRaw(const std::string &path, const std::vector<unsigned char> &bytes) {
  return WriteBytes(path, bytes);
}

} // namespace artgen
