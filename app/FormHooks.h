#pragma once
// What the host's menus ask of the control's form beyond the automation
// interface: each goes through something the form offers any user, so the
// form's own rules decide (a refused print is refused as the button refuses it).

class QWidget;

namespace moyo::app {

// Turns the board by 180 degrees, as the form's own shortcut does.
void TurnBoard(QWidget* form);
// Lets the stone sound be heard or not.
void SetStoneSound(QWidget* form, bool on);
// Runs the print button's flow: the options dialog, then printing.
void ClickPrintButton(QWidget* form);

}  // namespace moyo::app
