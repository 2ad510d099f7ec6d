// The stone sound's wave and the news page conversion.

#include <link.h>

#include <QAudioFormat>
#include <string_view>

#include "control/StoneSound.h"
#include "control/TNewsView.h"
#include "kit/TLinkMemo.h"
#include "platform/qt/QtNotifier.h"
#include "platform/qt/QtSoundPlayer.h"
#include "platform/qt/QtTimer.h"
#include "resources/TocWave.h"
#include "tests/control/FormFixture.h"

namespace moyo::test {
namespace {

TEST(StoneSound, IsAShortPcmWaveThatThePlayerReads) {
  const std::string& wave = TocWave();
  EXPECT_EQ(wave.size(), 3646u);
  QAudioFormat format;
  QByteArray samples;
  ASSERT_TRUE(platform::ParseWave(wave, format, samples));
  EXPECT_EQ(format.sampleRate(), 22050);
  EXPECT_EQ(format.channelCount(), 1);
  EXPECT_EQ(format.sampleFormat(), QAudioFormat::Int16);
  EXPECT_EQ(samples.size(), 3602);
  // A click: loud at the start, faded to near silence at the end.
  const auto* pcm = reinterpret_cast<const std::int16_t*>(samples.constData());
  int peakStart = 0, peakEnd = 0;
  for (int i = 0; i < 300; ++i) peakStart = std::max(peakStart, std::abs(int{pcm[i]}));
  for (int i = 1600; i < 1801; ++i) peakEnd = std::max(peakEnd, std::abs(int{pcm[i]}));
  EXPECT_GT(peakStart, 8000);
  EXPECT_LT(peakEnd, 1000);
}

TEST(StoneSound, BrokenWavesAreRefusedAndAPlayerOfOneStaysSilent) {
  const std::string& wave = TocWave();
  QAudioFormat format;
  QByteArray samples;
  for (const std::string& broken : {std::string(), std::string("RIFF"), wave.substr(0, 40),
                                    wave.substr(0, 100), std::string("RIFX") + wave.substr(4)}) {
    EXPECT_FALSE(platform::ParseWave(broken, format, samples)) << broken.size();
  }
  std::string huge = wave;
  huge[40] = '\xff';  // data size far past the end
  huge[41] = '\xff';
  huge[42] = '\xff';
  EXPECT_FALSE(platform::ParseWave(huge, format, samples));
  platform::QtSoundPlayer silent(wave.substr(0, 30));
  EXPECT_FALSE(silent.CanSound());
  silent.Play();
}

// Whether a library whose file name ends in `name` is loaded in this process.
bool Loaded(std::string_view name) {
  auto match = [](dl_phdr_info* info, std::size_t, void* wanted) {
    const auto& suffix = *static_cast<std::string_view*>(wanted);
    return static_cast<int>(std::string_view(info->dlpi_name).ends_with(suffix));
  };
  return dl_iterate_phdr(match, &name) != 0;
}

TEST(StoneSound, TheSoundModuleLoadsWithTheFirstStoneNotWithThePlayer) {
  const std::unique_ptr<platform::SoundPlayer> player = MakeStoneSoundPlayer();
  EXPECT_FALSE(Loaded("/libmoyoscope-sound.so"));
  player->Play();  // silent on a machine without an audio output
  EXPECT_TRUE(Loaded("/libmoyoscope-sound.so"));
  player->Play();
}

TEST(QtNotices, ANoticeClosedFromATimerReturnsAndTimersTickMeanwhile) {
  QWidget owner;
  platform::QtNotifier notifier(&owner);
  platform::QtTimer ticker;
  platform::QtTimer closer;
  int ticks = 0;
  ticker.OnTimer = [&] { ++ticks; };
  ticker.SetInterval(10);
  ticker.SetEnabled(true);
  closer.OnTimer = [&] {
    closer.SetEnabled(false);
    notifier.CloseNotice();
  };
  closer.SetInterval(300);
  closer.SetEnabled(true);
  notifier.ShowNotice(Message(2), Message(3));
  EXPECT_FALSE(closer.Enabled());
  EXPECT_GE(ticks, 3) << "the modal notice keeps timers ticking";
  notifier.CloseNotice();  // none open: nothing happens
}

TEST(NewsPage, IsConvertedToUtf8AndDeclaredSo) {
  const std::string page =
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=EUC-KR\">" +
      Cp("<p>최신뉴스</p>") + "<meta charset=ks_c_5601-1987>";
  EXPECT_EQ(NewsPageToUtf8(page),
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
            "<p>최신뉴스</p><meta charset=utf-8>");
  EXPECT_EQ(NewsPageToUtf8("plain"), "plain");
}

}  // namespace
}  // namespace moyo::test
