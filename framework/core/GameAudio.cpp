#include <algorithm>

#include "framework/core/ChannelArray.h"
#include "framework/core/Game.h"
#include "framework/core/GameChannel.h"
#include "framework/core/GameSound.h"
#include "framework/core/Globals.h"
#include "framework/screens/GameFade.h"

namespace {

// How far a fade of length ticks has run with counter ticks left: 0 at the start, 1 at the end. A fade
// of no length is over before it starts.
float FadeProgress(float length, float counter) {
    return length > 0 ? (length - counter) / length : 1.0f;
}

float Factor(int setting) {
    return static_cast<float>(setting) / 100.0f;
}

// A sound about to be cut off is turned down first, so the cut does not click on an output that mixes
// between the two calls.
void TurnDownIfPlaying(platform::Audio& audio, platform::ChannelId channel) {
    if (channel && audio.IsPlaying(channel)) audio.SetVolume(channel, 0.1f);
}

void SaveSettings(TGame& game) {
    game.IniUpdate(1);
    game.FixedRateLogic.Init();
}

}  // namespace

// ---- Music ---------------------------------------------------------------------------------------------

int TGame::MusicLoad(const std::string& file, int looped) {
    if (Music) {
        MusicStop();
        // "none" is the name of no track, not a file.
        MusicSample =
            file.empty() || file == "none" ? nullptr : LoadSampleOrFail(MusicPath + file, looped != 0);
    }
    MusicLooped = looped;
    MusicRestart = 1;
    MusicFileName = file;
    return 1;
}

int TGame::MusicSet(const platform::SamplePtr& sound, const std::string& name, int looped) {
    if (Music) {
        MusicStop();
        MusicSample = sound;
    }
    MusicLooped = looped;
    MusicRestart = 1;
    MusicFileName = name;
    return 1;
}

int TGame::MusicIsPlaying() {
    return Music && MusicChannel && platform_.GetAudio().IsPlaying(MusicChannel) ? 1 : 0;
}

int TGame::MusicIsAudible() const {
    return Music == 1 && MusicVolume > 0 ? 1 : 0;
}

int TGame::MusicStop() {
    platform::Audio& audio = platform_.GetAudio();
    if (Music && audio.IsPlaying(MusicChannel)) MusicChannel = RenewChannel(audio, MusicChannel);
    MusicRestart = 1;
    return 1;
}

int TGame::MusicPlay(int fadeIn, int customVolume, int startSilent) {
    CustomMusicVolume = customVolume;
    if (!Music) {
        MusicRestart = 1;
    } else if (MusicChannel && MusicSample) {
        platform::Audio& audio = platform_.GetAudio();
        MusicFadeInCounter = fadeIn == 1 ? CalcAnimLengthFromFloat(MusicFadeIn - 1) : 0;
        audio.Cue(MusicSample, MusicChannel);
        MusicFadeInApply();
        if (startSilent == 1) audio.SetVolume(MusicChannel, 0);
        audio.Play(MusicChannel);
        MusicRestart = 0;
        MusicStopped = 0;
    }
    MusicName = MusicFileName;
    return 1;
}

int TGame::MusicNone() {
    MusicFileName = MusicName = "none";
    MusicRestart = 1;
    MusicSample = nullptr;
    return 1;
}

int TGame::GetMusicVolume() const {
    return CustomMusicVolume ? MusicVolume * CustomMusicVolume / 100 : MusicVolume;
}

float TGame::MusicFadeInCalc() const {
    return FadeProgress(CalcAnimLengthFromFloat(MusicFadeIn), MusicFadeInCounter);
}

float TGame::MusicFadeOutCalc() const {
    return FadeProgress(CalcAnimLengthFromFloat(MusicFadeOut), MusicFadeOutCounter);
}

int TGame::MusicFadeInApply() {
    platform_.GetAudio().SetVolume(MusicChannel, Factor(GetMusicVolume()) * MusicFadeInCalc());
    return 1;
}

int TGame::MusicFadeOutApply() {
    const float ratio = MusicFadeOut == 0 ? 0.0f : MusicFadeOutCalc();
    platform_.GetAudio().SetVolume(MusicChannel, Factor(GetMusicVolume()) * (1 - ratio));
    return 1;
}

int TGame::MusicFadeInManage() {
    if (MusicFadeInDelay > 0) {
        MusicFadeInDelay = std::max(MusicFadeInDelay - Delta, 0.0f);
        return 0;
    }
    if (MusicFadeInCounter <= 0) return 0;
    MusicFadeInCounter = std::max(MusicFadeInCounter - Delta, 0.0f);
    return MusicFadeInApply();
}

int TGame::MusicFadeOutManage() {
    if (MusicFadeOutCounter <= 0) return 0;
    MusicFadeOutCounter = std::max(MusicFadeOutCounter - Delta, 0.0f);
    return MusicFadeOutApply();
}

int TGame::MusicFadeOutSet(float ms) {
    MusicFadeOut = ms;
    MusicFadeOutCounter = CalcAnimLengthFromFloat(ms);
    return 1;
}

int TGame::MusicSetVolume(int volume, int save) {
    MusicVolume = std::clamp(volume, 0, 100);
    platform_.GetAudio().SetVolume(MusicChannel, Factor(GetMusicVolume()));
    if (save == 1) SaveSettings(*this);
    return 1;
}

int TGame::MusicChangeVolume(int step) {
    return MusicSetVolume(MusicVolume + step, 1);
}

int TGame::ToggleMusic() {
    if (Paused) return 0;
    if (Music) {
        MusicOff();
    } else {
        MusicOn();
    }
    SaveSettings(*this);
    return 1;
}

int TGame::MusicOff() {
    if (MusicRestart) return 0;
    Music = 0;
    platform_.GetAudio().Pause(MusicChannel);
    return 1;
}

int TGame::MusicOn() {
    if (Music == 1) return 0;
    Music = 1;
    if (MusicRestart == 1 || !MusicChannel) {
        MusicLoad(MusicFileName, MusicLooped);
        if (MusicName != "none") MusicPlay(1, 0, 0);
    } else if (!MusicStopped) {
        platform_.GetAudio().Play(MusicChannel);
    }
    return 1;
}

float TGame::PauseFadeCalc() const {
    return FadeProgress(CalcAnimLengthFromFloat(PauseFadeLength), PauseFadeCounter);
}

int TGame::PauseFadeApply() {
    const float ratio = PauseFadeCalc();
    platform_.GetAudio().SetVolume(MusicChannel,
                                   Factor(GetMusicVolume()) * (PauseFadeDirection == 0 ? 1 - ratio : ratio));
    return 1;
}

int TGame::PauseFadeManage() {
    if (PauseFadeCounter <= 0) return 0;
    PauseFadeCounter = std::max(PauseFadeCounter - Delta, 0.0f);
    return PauseFadeApply();
}

// ---- Channels and driver -------------------------------------------------------------------------------

int TGame::ChannelsCreate(int n) {
    Channels = TChannelArray::Create(n);
    Channels->MaxVol = static_cast<float>(n);
    return 1;
}

int TGame::ChannelsKill() {
    if (!Channels) return 0;
    Channels->Kill();
    Channels.reset();
    return 1;
}

int TGame::ChangeSoundDriver(const std::string& name, int save) {
    // Every driver name reaches our one mixer, so there is no separate OpenAL layer to switch on first.
    SoundDriver = platform_.GetAudio().SetDriver(name) ? name : "None";
    IniUpdate(save);
    FixedRateLogic.Init();
    return 1;
}

// ---- Sound effects -------------------------------------------------------------------------------------

int TGame::SoundPlay(const platform::SamplePtr& sound) {
    if (!Sound) return 0;
    platform::Audio& audio = platform_.GetAudio();
    const platform::ChannelId channel = StartOnChannel(audio, 0, sound, Factor(SoundVolume));
    // Nobody keeps this channel: it goes when the sound ends.
    if (channel) audio.FreeWhenFinished(channel);
    return channel ? 1 : 0;
}

int TGame::SoundPlaySameChannel(platform::ChannelId& channel, const platform::SamplePtr& sound) {
    if (!Sound) return 0;
    platform::Audio& audio = platform_.GetAudio();
    TurnDownIfPlaying(audio, channel);
    const platform::ChannelId playing = StartOnChannel(audio, channel, sound, Factor(SoundVolume));
    if (!playing) return 0;
    channel = playing;
    return 1;
}

int TGame::SoundPlayReturnChannel(platform::ChannelId& channel, const platform::SamplePtr& sound,
                                  float rate) {
    if (!Sound) return 0;
    platform::Audio& audio = platform_.GetAudio();
    TurnDownIfPlaying(audio, channel);
    const platform::ChannelId playing =
        StartOnChannel(audio, 0, sound, Factor(SoundVolume), std::nullopt, rate);
    if (!playing) return 0;
    channel = playing;
    return 1;
}

int TGame::GameSoundPlay(platform::ChannelId& channel, const TGameSound& gameSound, float pan) {
    if (!Sound) return 0;
    platform::Audio& audio = platform_.GetAudio();
    TurnDownIfPlaying(audio, channel);
    // A sound started during a screen fade joins the fade where it is.
    const float fade = GameFade && GameFade->Active ? GameFade->Ratio : 1.0f;
    const platform::ChannelId playing = StartOnChannel(
        audio, channel, gameSound.sound, Factor(SoundVolume) * gameSound.volume * fade, pan, gameSound.pitch);
    if (!playing) return 0;
    channel = playing;
    return 1;
}

int TGame::SoundSetVolume(int volume, int save) {
    SoundVolume = std::clamp(volume, 0, 100);
    if (save == 1) SaveSettings(*this);
    return 1;
}

int TGame::SoundChangeVolume(int step) {
    return SoundSetVolume(SoundVolume + step, 1);
}

int TGame::ToggleSound() {
    Sound = Sound ? 0 : 1;
    SaveSettings(*this);
    return 1;
}

int TGame::SoundOff() {
    Sound = 0;
    return 1;
}

int TGame::SoundOn() {
    Sound = 1;
    return 1;
}

int TGame::SetEscapeSound(const std::string& name) {
    EscapeSound = TGameSound::Create(SoundPath + name + ".wav", 0);
    return 1;
}

int TGame::EscapeSoundPlay() {
    return EscapeSound ? EscapeSound->PlayInChannel(EscapeChannel, 0) : 0;
}

// ---- Speech --------------------------------------------------------------------------------------------

int TGame::SpeechStop() {
    platform::Audio& audio = platform_.GetAudio();
    if (!Speech || !audio.IsPlaying(SpeechChannel)) return 0;
    SpeechChannel = RenewChannel(audio, SpeechChannel);
    return 1;
}

int TGame::SpeechPlay(const TGameSound& gameSound, int interrupt) {
    if (!Speech || !SpeechChannel) return 0;
    platform::Audio& audio = platform_.GetAudio();
    if (audio.IsPlaying(SpeechChannel) && interrupt == 0) return 0;
    if (!StartOnChannel(audio, SpeechChannel, gameSound.sound, Factor(SpeechVolume))) return 0;
    SpeechStopped = 0;
    return 1;
}

int TGame::SpeechSetVolume(int volume, int save) {
    SpeechVolume = std::clamp(volume, 0, 100);
    platform_.GetAudio().SetVolume(SpeechChannel, Factor(SpeechVolume));
    if (save == 1) SaveSettings(*this);
    return 1;
}

int TGame::SpeechChangeVolume(int step) {
    return SpeechSetVolume(SpeechVolume + step, 1);
}

int TGame::SpeechOff() {
    Speech = 0;
    platform_.GetAudio().Pause(SpeechChannel);
    return 1;
}

int TGame::SpeechOn() {
    if (Speech) return 0;
    Speech = 1;
    if (!SpeechStopped) platform_.GetAudio().Play(SpeechChannel);
    return 1;
}

int TGame::StopChannels() {
    platform::Audio& audio = platform_.GetAudio();
    MusicChannel = RenewChannel(audio, MusicChannel);
    SpeechChannel = RenewChannel(audio, SpeechChannel);
    return 1;
}
