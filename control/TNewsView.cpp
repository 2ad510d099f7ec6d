#include "control/TNewsView.h"

#include "control/NewsModule.h"
#include "control/SideModule.h"

namespace moyo {

std::unique_ptr<TNewsView> MakeWebNewsView(QWidget* parent) {
  static const auto create = reinterpret_cast<CreateNewsViewFn>(LoadSideModuleEntry(
      kNewsModuleFile, "MOYOSCOPE_NEWS_MODULE", MOYO_NEWS_MODULE_PATH, kNewsViewEntry));
  if (create == nullptr) return nullptr;
  return std::unique_ptr<TNewsView>(create(parent));
}

}  // namespace moyo
