#pragma once
// What the reference-diagram window shows besides its board: the surface a
// TDiagramSession reports to. The session decides; a view only puts the
// values on screen and says nothing back through this interface.

#include <string>

#include "platform/Canvas.h"

namespace moyo {

class TDiagramView {
 public:
  virtual ~TDiagramView() = default;

  // The colour behind the board and the step buttons.
  virtual void SetAreaColour(platform::Rgb colour) = 0;
  // The window's caption, CP949.
  virtual void SetCaption(const std::string& caption) = 0;
  // The memo's whole text, CP949, lines separated by LF.
  virtual void SetMemo(const std::string& text) = 0;
  // The caption of the trial switch (step button 4), CP949.
  virtual void SetTrialCaption(const std::string& caption) = 0;
  // Shows or hides the trial tools: the tenuki button and the letter controls.
  virtual void ShowTrialTools(bool shown) = 0;
  // Ticks or clears the letter check box.
  virtual void ShowMarking(bool on) = 0;
  // Selects letter index (0 'A' .. 25 'Z') in the letter list.
  virtual void ShowLetter(int index) = 0;
  // Puts the paint box at (left, top) of the board area.
  virtual void PlaceBoard(int left, int top) = 0;
  // Puts step button tag at left in its row, width pixels wide.
  virtual void PlaceStepButton(int tag, int left, int width) = 0;
};

}  // namespace moyo
