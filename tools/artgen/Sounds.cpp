// The game's sounds, synthesised: 44.1 kHz, 16-bit, mono. Every sound is faded in and out
// (no clicks), has its mean removed and is scaled so its peak sits below full scale.
//
//   Click       a short tick for buttons        check      the banners' two-note chime
//   Drums       a roll of about two seconds     Incoming   a rising whoosh and a blade's ring
//   Wind        six seconds of gusting wind     Scream     a distant, eerie cry
//   Water       a river of five seconds whose end runs into its start
//   Win Sound   a short fanfare                 Lose Sound a falling, sombre phrase
#include "Generators.h"
#include "Noise.h"

#include "app/ArtManifest.h"

#include <algorithm>
#include <cmath>

namespace artgen {
namespace {

constexpr int kRate = 44100;
constexpr float kTwoPi = 6.2831853f;

using Samples = std::vector<float>;

Samples Silence(float seconds) { return Samples(size_t(seconds * kRate), 0.0f); }

// Second-order filter (the well-known bilinear "cookbook" designs).
class Biquad {
public:
  static Biquad LowPass(float freq, float q) { return Make(freq, q, 0); }
  static Biquad BandPass(float freq, float q) { return Make(freq, q, 1); }
  static Biquad HighPass(float freq, float q) { return Make(freq, q, 2); }
  float Run(float x) {
    float y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_, x1_ = x, y2_ = y1_, y1_ = y;
    return y;
  }
  // Changes the centre or corner frequency, keeping the state (for sweeps).
  void Retune(float freq, float q, int kind) {
    Biquad f = Make(freq, q, kind);
    b0_ = f.b0_, b1_ = f.b1_, b2_ = f.b2_, a1_ = f.a1_, a2_ = f.a2_;
  }

private:
  static Biquad Make(float freq, float q, int kind) {
    Biquad f;
    float w = kTwoPi * std::min(freq, kRate * 0.45f) / kRate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
    float a0 = 1 + alpha;
    if (kind == 0)
      f.b0_ = (1 - c) / 2, f.b1_ = 1 - c, f.b2_ = (1 - c) / 2;
    else if (kind == 1)
      f.b0_ = alpha, f.b1_ = 0, f.b2_ = -alpha;
    else
      f.b0_ = (1 + c) / 2, f.b1_ = -(1 + c), f.b2_ = (1 + c) / 2;
    f.a1_ = -2 * c, f.a2_ = 1 - alpha;
    f.b0_ /= a0, f.b1_ /= a0, f.b2_ /= a0, f.a1_ /= a0, f.a2_ /= a0;
    return f;
  }
  float b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0, x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A small room: four feedback combs in parallel and two all-passes in series.
Samples Reverb(const Samples &in, float mix, float decay) {
  const int combs[4] = {1557, 1617, 1491, 1422}, passes[2] = {556, 441};
  Samples wet(in.size(), 0.0f);
  for (int d : combs) {
    std::vector<float> line(size_t(d), 0.0f);
    float low = 0;
    for (size_t i = 0; i < in.size(); ++i) {
      float out = line[i % size_t(d)];
      low = out * 0.7f + low * 0.3f; // damping
      line[i % size_t(d)] = in[i] + low * decay;
      wet[i] += out * 0.25f;
    }
  }
  for (int d : passes) {
    std::vector<float> line(size_t(d), 0.0f);
    for (size_t i = 0; i < wet.size(); ++i) {
      float buf = line[i % size_t(d)];
      float out = -wet[i] + buf;
      line[i % size_t(d)] = wet[i] + buf * 0.5f;
      wet[i] = out;
    }
  }
  Samples out(in.size());
  for (size_t i = 0; i < in.size(); ++i)
    out[i] = in[i] * (1 - mix) + wet[i] * mix;
  return out;
}

// Removes the mean, fades both ends and scales the peak to `peak` of full scale.
Sound Finish(Samples s, float peak, float fadeIn = 0.004f, float fadeOut = 0.02f) {
  double mean = 0;
  for (float v : s)
    mean += v;
  mean /= double(std::max<size_t>(1, s.size()));
  for (float &v : s)
    v -= float(mean);
  const size_t in = size_t(fadeIn * kRate), out = size_t(fadeOut * kRate);
  for (size_t i = 0; i < s.size(); ++i) {
    float g = 1;
    if (i < in) g *= 0.5f - 0.5f * std::cos(3.14159265f * i / in);
    if (i + out >= s.size()) g *= 0.5f - 0.5f * std::cos(3.14159265f * (s.size() - 1 - i) / out);
    s[i] *= g;
  }
  float top = 0;
  for (float v : s)
    top = std::max(top, std::fabs(v));
  if (top > 0)
    for (float &v : s)
      v *= peak / top;
  Sound sound;
  sound.channels = 1;
  sound.sampleRate = kRate;
  sound.samples = std::move(s);
  return sound;
}

void AddAt(Samples &dst, const Samples &src, float at, float gain = 1) {
  size_t start = size_t(at * kRate);
  for (size_t i = 0; i < src.size() && start + i < dst.size(); ++i)
    dst[start + i] += src[i] * gain;
}

// --- The sounds ---------------------------------------------------------------------------------
Sound Click() {
  Samples s = Silence(0.05f);
  Rng rng(901);
  Biquad band = Biquad::BandPass(3200, 1.4f);
  for (size_t i = 0; i < s.size(); ++i) {
    float t = float(i) / kRate;
    float env = std::exp(-t / 0.004f);
    s[i] =
        band.Run(rng.Range(-1, 1)) * env * 1.5f + std::sin(kTwoPi * 1850 * t) * std::exp(-t / 0.008f) * 0.5f;
  }
  return Finish(s, 0.7f, 0.0005f, 0.01f);
}

// A bell-like note: inharmonic partials, the higher ones dying sooner.
Samples Bell(float freq, float seconds) {
  Samples s = Silence(seconds);
  const float ratios[] = {1.0f, 2.0f, 2.76f, 5.4f, 8.93f}, gains[] = {1.0f, 0.5f, 0.45f, 0.25f, 0.12f};
  for (size_t i = 0; i < s.size(); ++i) {
    float t = float(i) / kRate, v = 0;
    for (int k = 0; k < 5; ++k)
      v += gains[k] * std::sin(kTwoPi * freq * ratios[k] * t) * std::exp(-t * (2.2f + k * 2.5f));
    s[i] = v * (1 - std::exp(-t / 0.002f));
  }
  return s;
}

Sound Check() {
  Samples s = Silence(1.1f);
  AddAt(s, Bell(1318.5f, 1.0f), 0.0f, 0.8f);   // E6
  AddAt(s, Bell(1975.5f, 0.95f), 0.09f, 0.6f); // B6
  return Finish(Reverb(s, 0.2f, 0.6f), 0.8f, 0.002f, 0.1f);
}

// One timpani-like hit: a falling low tone and a thud of filtered noise.
Samples DrumHit(float strength, uint32_t seed, float seconds = 0.7f) {
  Samples s = Silence(seconds);
  Rng rng(seed);
  Biquad low = Biquad::LowPass(420, 0.8f);
  float phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    float t = float(i) / kRate;
    float freq = 74 + 46 * std::exp(-t / 0.05f);
    phase += kTwoPi * freq / kRate;
    float body =
        std::sin(phase) * std::exp(-t / 0.22f) + 0.4f * std::sin(phase * 1.51f) * std::exp(-t / 0.12f);
    float thud = low.Run(rng.Range(-1, 1)) * std::exp(-t / 0.03f) * 2.5f;
    s[i] = (body + thud) * strength * (1 - std::exp(-t / 0.0015f));
  }
  return s;
}

Sound Drums() {
  Samples s = Silence(2.6f);
  // A roll that quickens and swells, then one heavy stroke.
  float t = 0.0f, gap = 0.16f;
  uint32_t seed = 910;
  while (t < 1.55f) {
    float strength = 0.35f + 0.45f * (t / 1.55f);
    AddAt(s, DrumHit(strength * (0.9f + 0.1f * float(seed % 3)), seed), t);
    ++seed;
    t += gap;
    gap = std::max(0.055f, gap * 0.9f);
  }
  AddAt(s, DrumHit(1.0f, 999, 1.0f), 1.62f);
  return Finish(Reverb(s, 0.25f, 0.7f), 0.89f, 0.002f, 0.25f);
}

Sound Incoming() {
  Samples s = Silence(2.8f);
  Rng rng(920);
  Biquad sweep = Biquad::BandPass(300, 1.2f);
  for (size_t i = 0; i < s.size(); ++i) {
    float t = float(i) / kRate;
    // The whoosh: noise whose band rises from 250 Hz to 3 kHz as it swells.
    if ((i & 63) == 0) sweep.Retune(250 * std::pow(12.0f, Clamp01(t / 1.3f)), 1.2f, 1);
    float swell = SmoothStep(0.0f, 1.1f, t) * (1 - SmoothStep(1.1f, 1.6f, t));
    float whoosh = sweep.Run(rng.Range(-1, 1)) * swell * 2.2f;
    // The blade leaving its scabbard: a bright scrape, then a ringing tone.
    float ring = 0;
    if (t > 1.0f) {
      float u = t - 1.0f;
      const float partials[] = {2093, 3320, 5230, 7040};
      for (int k = 0; k < 4; ++k)
        ring += std::sin(kTwoPi * partials[k] * u) * std::exp(-u * (1.6f + k)) / (1 + k);
      ring *= 0.35f * (1 - std::exp(-u / 0.01f));
    }
    s[i] = whoosh + ring;
  }
  Biquad scrapeBand = Biquad::BandPass(6000, 2.0f);
  Rng scrape(921);
  for (size_t i = size_t(0.9f * kRate); i < size_t(1.25f * kRate); ++i) {
    float u = float(i) / kRate - 0.9f;
    s[i] += scrapeBand.Run(scrape.Range(-1, 1)) * std::sin(3.14159f * u / 0.35f) * 0.5f;
  }
  return Finish(Reverb(s, 0.2f, 0.6f), 0.85f, 0.01f, 0.3f);
}

Sound Wind() {
  Samples s = Silence(6.2f);
  Rng rng(930);
  Biquad body = Biquad::BandPass(400, 0.9f), whistle = Biquad::BandPass(1100, 9.0f);
  float brown = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    float t = float(i) / kRate;
    // Gusts: a slow, uneven swell.
    float gust = Clamp01(0.55f + 0.45f * Fbm(t * 0.7f, 0.5f, 931, 3) * 1.6f);
    if ((i & 63) == 0) {
      body.Retune(250 + 550 * gust, 0.9f, 1);
      whistle.Retune(800 + 700 * gust, 9.0f, 1);
    }
    float white = rng.Range(-1, 1);
    brown = brown * 0.985f + white * 0.12f;
    s[i] = body.Run(brown + white * 0.2f) * (0.25f + 0.9f * gust) + whistle.Run(white) * 0.25f * gust * gust;
  }
  return Finish(s, 0.8f, 0.7f, 1.2f);
}

Sound Scream() {
  Samples s = Silence(3.2f);
  Biquad f1 = Biquad::BandPass(800, 6), f2 = Biquad::BandPass(1150, 7), f3 = Biquad::BandPass(2900, 8);
  float phase = 0, phase2 = 0;
  Rng rng(940);
  for (size_t i = 0; i < size_t(2.3f * kRate); ++i) {
    float t = float(i) / kRate;
    // The cry rises, holds and falls away, with a tremulous vibrato.
    float pitch = 430 + 260 * SmoothStep(0.0f, 0.5f, t) - 330 * SmoothStep(0.9f, 2.2f, t);
    pitch *= 1 + 0.02f * std::sin(kTwoPi * 5.5f * t);
    phase += pitch / kRate;
    phase2 += pitch * 1.012f / kRate;
    float saw = 2 * (phase - std::floor(phase)) - 1 + 0.6f * (2 * (phase2 - std::floor(phase2)) - 1);
    float breath = rng.Range(-1, 1) * 0.15f;
    float voice = f1.Run(saw + breath) + 0.7f * f2.Run(saw + breath) + 0.25f * f3.Run(saw + breath);
    float env = SmoothStep(0.0f, 0.35f, t) * (1 - SmoothStep(1.2f, 2.3f, t));
    s[i] = voice * env;
  }
  // Far away: dull the top and bathe it in a large, cold room.
  Biquad distance = Biquad::LowPass(2200, 0.7f);
  for (float &v : s)
    v = distance.Run(v);
  return Finish(Reverb(s, 0.55f, 0.82f), 0.7f, 0.02f, 0.5f);
}

// Running water: a bed of filtered noise and many small bubbles, each a short rising chirp.
Samples RiverBed(float seconds, uint32_t seed) {
  Samples s = Silence(seconds);
  Rng rng(seed);
  Biquad low = Biquad::LowPass(1400, 0.7f), high = Biquad::HighPass(120, 0.7f);
  for (size_t i = 0; i < s.size(); ++i) {
    float t = float(i) / kRate;
    float swell = 0.75f + 0.25f * Fbm(t * 1.3f, 0.25f, seed + 1, 3);
    s[i] = high.Run(low.Run(rng.Range(-1, 1))) * 0.35f * swell;
  }
  const int bubbles = int(seconds * 55);
  for (int b = 0; b < bubbles; ++b) {
    float at = rng.Range(0, seconds - 0.06f), f0 = rng.Range(350, 1100), len = rng.Range(0.015f, 0.05f);
    float gain = rng.Range(0.05f, 0.25f);
    size_t start = size_t(at * kRate);
    float phase = 0;
    for (size_t i = 0; i < size_t(len * kRate) && start + i < s.size(); ++i) {
      float u = float(i) / kRate;
      phase += kTwoPi * f0 * (1 + 1.5f * u / len) / kRate;
      s[start + i] += std::sin(phase) * gain * std::exp(-u / (len * 0.35f)) * (1 - std::exp(-u / 0.001f));
    }
  }
  return s;
}

// The river's last half second is blended into its first, so the end runs straight into the
// start; short fades at both ends keep a lone playback free of clicks.
Sound Water() {
  const float length = 5.0f, overlap = 0.5f;
  Samples raw = RiverBed(length + overlap, 950);
  const size_t n = size_t(length * kRate), o = size_t(overlap * kRate);
  Samples s(raw.begin(), raw.begin() + long(n));
  for (size_t i = 0; i < o; ++i) {
    float k = float(i) / o;
    float a = std::sqrt(k), b = std::sqrt(1 - k); // equal power
    s[i] = raw[i] * a + raw[n + i] * b;
  }
  return Finish(s, 0.6f, 0.015f, 0.015f);
}

// A brass-like note: harmonics that brighten as the note opens, a little vibrato.
Samples Horn(float freq, float seconds, float release = 0.15f) {
  Samples s = Silence(seconds + release);
  float phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    float t = float(i) / kRate;
    float vib = 1 + 0.004f * std::sin(kTwoPi * 5.2f * t) * SmoothStep(0.1f, 0.4f, t);
    phase += freq * vib / kRate;
    float bright = 0.35f + 0.65f * SmoothStep(0.0f, 0.08f, t);
    float v = 0;
    for (int h = 1; h <= 10; ++h)
      v += std::sin(kTwoPi * phase * h) * std::pow(bright, float(h - 1)) / h;
    float env = SmoothStep(0.0f, 0.03f, t) * (0.8f + 0.2f * std::exp(-t / 0.1f));
    if (t > seconds) env *= std::exp(-(t - seconds) / (release * 0.3f));
    s[i] = v * env;
  }
  return s;
}

float Note(int semitonesFromA4) { return 440.0f * std::pow(2.0f, semitonesFromA4 / 12.0f); }

Sound WinSound() {
  Samples s = Silence(3.0f);
  // G4 C5 E5 G5 . E5 G5 held, over a C major chord at the end.
  const std::pair<int, float> melody[] = {{-2, 0.14f}, {3, 0.14f}, {7, 0.14f},
                                          {10, 0.36f}, {7, 0.14f}, {10, 1.1f}};
  float t = 0;
  for (const auto &[note, length] : melody) {
    AddAt(s, Horn(Note(note), length * 0.92f), t, 0.5f);
    t += length;
  }
  const float chordAt = 0.92f;
  for (int note : {-9, -5, -2})
    AddAt(s, Horn(Note(note), 1.2f, 0.4f), chordAt, 0.22f);
  AddAt(s, DrumHit(0.6f, 960), chordAt);
  return Finish(Reverb(s, 0.25f, 0.7f), 0.89f, 0.002f, 0.35f);
}

// A soft, hollow tone for the sombre phrase.
Samples Lament(float freq, float seconds) {
  Samples s = Silence(seconds + 0.6f);
  for (size_t i = 0; i < s.size(); ++i) {
    float t = float(i) / kRate;
    float env = SmoothStep(0.0f, 0.12f, t) * (t < seconds ? 1.0f : std::exp(-(t - seconds) / 0.2f));
    float v = std::sin(kTwoPi * freq * t) + 0.35f * std::sin(kTwoPi * freq * 3 * t) +
              0.15f * std::sin(kTwoPi * freq * 5 * t);
    s[i] = v * env * (1 + 0.05f * std::sin(kTwoPi * 4.5f * t));
  }
  return s;
}

Sound LoseSound() {
  Samples s = Silence(3.6f);
  // E4 D4 C4 B3, then a long A3 over a low A2: falling, in a minor key.
  const std::pair<int, float> phrase[] = {{-5, 0.38f}, {-7, 0.38f}, {-9, 0.38f}, {-10, 0.5f}, {-12, 1.3f}};
  float t = 0;
  for (const auto &[note, length] : phrase) {
    AddAt(s, Lament(Note(note), length), t, 0.5f);
    t += length;
  }
  AddAt(s, Lament(Note(-24), 1.5f), 1.64f, 0.35f);
  AddAt(s, Lament(Note(-21), 1.5f), 1.64f, 0.2f); // C3: the minor third
  return Finish(Reverb(s, 0.35f, 0.75f), 0.85f, 0.01f, 0.5f);
}

} // namespace

void MakeSounds(ArtSet &set) {
  set.sounds[art::kSoundClick.path] = Click();
  set.sounds[art::kSoundCheck.path] = Check();
  set.sounds[art::kSoundDrums.path] = Drums();
  set.sounds[art::kSoundIncoming.path] = Incoming();
  set.sounds[art::kSoundWind.path] = Wind();
  set.sounds[art::kSoundScream.path] = Scream();
  set.sounds[art::kSoundWater.path] = Water();
  set.sounds[art::kSoundWin.path] = WinSound();
  set.sounds[art::kSoundLose.path] = LoseSound();
}

} // namespace artgen
