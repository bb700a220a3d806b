#include "platform/CDirectAudio8.h"

#include "platform/CAudioOutput.h"
#include "platform/CLogFile.h"
#include "platform/CMixerOutput.h"
#include "platform/CSound.h"

#include <algorithm>

CDirectAudio8::CDirectAudio8(CDisplayWindow *, int channels) : log(new CLogFile("CDirectAudio8 Log.txt")) {
  performance = InstalledAudioOutput();
  if (!performance) performance = ownOutput = new CMixerOutput;
  if (!performance->Open(channels)) log->Write("Direct Audio failed to initialize");
}

CDirectAudio8::~CDirectAudio8() {
  performance->StopAll();
  while (!attached.empty())
    Detach(attached.back());
  performance->Close();
  delete ownOutput;
  delete log;
}

void CDirectAudio8::Attach(CSound *sound) {
  if (!sound) return;
  if (sound->performance) sound->performance->Detach(sound);
  sound->performance = this;
  attached.push_back(sound);
  sound->segment = performance->LoadSound(sound->file.c_str(), sound->data);
}

void CDirectAudio8::Detach(CSound *sound) {
  if (sound->segment) performance->FreeSound(sound->segment);
  sound->segment = nullptr;
  sound->performance = nullptr;
  attached.erase(std::remove(attached.begin(), attached.end(), sound), attached.end());
}

bool CDirectAudio8::Play(CSound *sound) {
  if (sound && sound->performance == this && sound->segment) performance->Play(sound->segment);
  return true;
}

bool CDirectAudio8::StopAll() {
  performance->StopAll();
  return true;
}

bool CDirectAudio8::IsPlaying(CSound *sound) {
  return sound && sound->performance == this && sound->segment && performance->IsPlaying(sound->segment);
}
