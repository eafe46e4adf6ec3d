// Key filters of the text boxes of the formation windows, in the form of a
// KeyPress handler: the handler receives the typed character's code
// (KeyAscii, 8 for Backspace), may change it, and sets it to 0 to drop the
// key. Navigation keys and editing shortcuts (paste included) never reach a
// handler.
#pragma once

#include <functional>

class QKeyEvent;
class QLineEdit;

namespace TastiFormazione {

// Runs `KeyPress` on a key event of `casella`: returns true when the event
// is consumed (the key was dropped, or replaced by the character the handler
// chose, which is then typed instead).
bool Filtra(QLineEdit* casella, QKeyEvent* evento, const std::function<void(int& KeyAscii)>& KeyPress);

// The filter of the boxes of numbers joined by ".": the box is emptied when
// its whole text is selected (an empty box counts); "." only after a digit,
// at most two digits in a row at the end of the text; Backspace passes.
void FiltraNumeri(QLineEdit* casella, int& KeyAscii);

}  // namespace TastiFormazione
