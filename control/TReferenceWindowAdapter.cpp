#include "control/TReferenceWindowAdapter.h"

#include "refdiagram/qt/TCHelpForm.h"

namespace moyo {
namespace {

class HelpFormWindow : public TReferenceWindow {
 public:
  HelpFormWindow(QWidget* owner, platform::BitmapStore* bitmaps)
      : form_(new TCHelpForm(owner, bitmaps)) {}

  void ShowPosition(int lines, const TBoardSnapshot& snapshot, bool flipped, bool draw) override {
    form_->ShowPosition(lines, snapshot, flipped, draw);
  }
  void ShowWindow() override { form_->ShowWindow(); }
  void LoadDiagram(const std::string& diagram) override { form_->LoadDiagram(diagram); }

 private:
  TCHelpForm* form_;  // owned by the viewer form, as a child window
};

}  // namespace

std::unique_ptr<TReferenceWindow> MakeHelpFormWindow(QWidget* owner,
                                                     platform::BitmapStore* bitmaps) {
  return std::make_unique<HelpFormWindow>(owner, bitmaps);
}

}  // namespace moyo
