#include "control/StoneSound.h"

#include "control/SideModule.h"
#include "control/SoundModule.h"
#include "resources/TocWave.h"

namespace moyo {
namespace {

// The toc through the sound module's player, made at the first Play.
class TModuleSoundPlayer final : public platform::SoundPlayer {
 public:
  void Play() override {
    if (!tried_) {
      tried_ = true;
      static const auto create = reinterpret_cast<CreateSoundPlayerFn>(LoadSideModuleEntry(
          kSoundModuleFile, "MOYOSCOPE_SOUND_MODULE", MOYO_SOUND_MODULE_PATH, kSoundPlayerEntry));
      if (create != nullptr) player_.reset(create(TocWave().data(), TocWave().size()));
    }
    if (player_) player_->Play();
  }

 private:
  bool tried_ = false;
  std::unique_ptr<platform::SoundPlayer> player_;
};

}  // namespace

std::unique_ptr<platform::SoundPlayer> MakeStoneSoundPlayer() {
  return std::make_unique<TModuleSoundPlayer>();
}

}  // namespace moyo
