#include "CTempFolder.h"
#include "CTestClock.h"
#include "TestFiles.h"
#include "platform/CAudioRecorder.h"
#include "platform/CDirectAudio8.h"
#include "platform/CSound.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

std::unique_ptr<CSound> LoadedSound(CDirectAudio8 &audio, const char *file) {
  std::unique_ptr<CSound> sound(new CSound);
  EXPECT_TRUE(sound->Load(file));
  audio.Attach(sound.get());
  return sound;
}

// The real mixer, on SDL's dummy driver: sounds are taken and tracked as on a sound card, silently.
// Long sounds, so that nothing ends by itself while the test runs.
TEST(AudioMixer, SoundsOverlapStopAllSilencesThemAndMissingFilesPlayNothing) {
  CTempFolder folder;
  WriteWav("Click.wav", 8000);
  WriteWav("Drums.wav", 8000);
  WriteBytes("Damaged.wav", {'R', 'I', 'F', 'F', 9, 9, 9, 9, 'W', 'A', 'V', 'E'});
  {
    CDirectAudio8 audio(nullptr, 64);
    auto click = LoadedSound(audio, "Click.wav");
    auto drums = LoadedSound(audio, "Drums.wav");
    auto missing = LoadedSound(audio, "Sounds/No Such.wav");
    auto damaged = LoadedSound(audio, "Damaged.wav");
    EXPECT_TRUE(click->IsPlayable());
    EXPECT_FALSE(missing->IsPlayable());
    EXPECT_FALSE(damaged->IsPlayable());

    EXPECT_FALSE(audio.IsPlaying(click.get()));
    EXPECT_TRUE(audio.Play(click.get()));
    EXPECT_TRUE(audio.Play(click.get()));
    EXPECT_TRUE(audio.Play(drums.get()));
    EXPECT_TRUE(audio.IsPlaying(click.get()));
    EXPECT_TRUE(audio.IsPlaying(drums.get()));
    EXPECT_TRUE(audio.Play(missing.get()));
    EXPECT_TRUE(audio.Play(damaged.get()));
    EXPECT_FALSE(audio.IsPlaying(missing.get()));
    EXPECT_FALSE(audio.IsPlaying(damaged.get()));

    EXPECT_TRUE(audio.StopAll());
    EXPECT_FALSE(audio.IsPlaying(click.get()));
    EXPECT_FALSE(audio.IsPlaying(drums.get()));
    EXPECT_FALSE(audio.IsPlaying(nullptr));
    audio.Play(nullptr);
  }
  EXPECT_EQ(ReadTextFile("CDirectAudio8 Log.txt"), "");
}

TEST(AudioMixer, FallsBackToSilenceWhenNoSoundDeviceOpens) {
  CTempFolder folder;
  WriteWav("Click.wav", 8000);
  const char *old = std::getenv("SDL_AUDIODRIVER");
  std::string saved = old ? old : "";
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  {
    CDirectAudio8 audio(nullptr, 64);
    auto click = LoadedSound(audio, "Click.wav");
    audio.Play(click.get());
    EXPECT_TRUE(audio.IsPlaying(click.get()));
  }
  if (old) {
    setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
  } else {
    unsetenv("SDL_AUDIODRIVER");
  }
  EXPECT_EQ(ReadTextFile("CDirectAudio8 Log.txt"), "");
}

TEST(AudioRecorder, RecordsPlaysAndStopsAndEndsSoundsOnTheProgramClock) {
  CTempFolder folder;
  CTestClock clock(5000);
  CAudioRecorder recorder;
  WriteWav("Click.wav", 200);
  WriteWav("Wind.wav", 3000);
  CDirectAudio8 audio(nullptr, 64);
  EXPECT_TRUE(recorder.IsOpen());
  EXPECT_EQ(recorder.Channels(), 64);
  auto click = LoadedSound(audio, "Click.wav");
  auto wind = LoadedSound(audio, "Wind.wav");
  auto missing = LoadedSound(audio, "Missing.wav");

  EXPECT_FALSE(audio.IsPlaying(wind.get()));
  audio.Play(wind.get());
  clock.Advance(16);
  audio.Play(click.get());
  clock.Advance(16);
  audio.Play(click.get()); // the second click does not cut the first off
  audio.Play(missing.get());
  EXPECT_EQ(recorder.PlayCount("Click.wav"), 2);
  EXPECT_EQ(recorder.PlayCount("Wind.wav"), 1);
  EXPECT_EQ(recorder.PlayCount("Missing.wav"), 0);
  EXPECT_EQ(recorder.PlayingCount(), 3);

  clock.Advance(190); // the first click has ended, the second not yet
  EXPECT_EQ(recorder.PlayingCount(), 2);
  EXPECT_TRUE(audio.IsPlaying(click.get()));
  clock.Advance(20);
  EXPECT_FALSE(audio.IsPlaying(click.get()));
  EXPECT_TRUE(audio.IsPlaying(wind.get()));
  clock.Advance(3000);
  EXPECT_FALSE(audio.IsPlaying(wind.get())); // ended: a scene would start it again

  audio.Play(wind.get());
  audio.Play(click.get());
  audio.StopAll();
  EXPECT_EQ(recorder.PlayingCount(), 0);
  EXPECT_EQ(recorder.StopAllCount(), 1);
  ASSERT_EQ(recorder.Events().size(), 6u);
  EXPECT_EQ(recorder.Events()[0].file, "Wind.wav");
  EXPECT_EQ(recorder.Events()[0].tick, 5000u);
  EXPECT_EQ(recorder.Events()[5].kind, CAudioRecorder::EventKind::StoppedAll);
}

TEST(AudioRecorder, SoundsMayOutliveTheirDeviceAndBeReloaded) {
  CTempFolder folder;
  CTestClock clock;
  CAudioRecorder recorder;
  WriteWav("Click.wav", 100);
  std::unique_ptr<CSound> survivor;
  {
    CDirectAudio8 audio(nullptr, 64);
    survivor = LoadedSound(audio, "Click.wav");
    audio.Play(survivor.get());
  }
  EXPECT_FALSE(survivor->IsPlayable());
  EXPECT_EQ(recorder.PlayingCount(), 0);
  survivor.reset();

  CDirectAudio8 audio(nullptr, 2);
  auto sound = LoadedSound(audio, "Click.wav");
  sound->Load("Click.wav"); // loading again lets go of the old data; it must be attached again
  EXPECT_FALSE(sound->IsPlayable());
  audio.Attach(sound.get());
  EXPECT_TRUE(sound->IsPlayable());
  // Two channels: a third sound at once is not heard.
  audio.Play(sound.get());
  audio.Play(sound.get());
  audio.Play(sound.get());
  EXPECT_EQ(recorder.PlayingCount(), 2);
}

} // namespace
