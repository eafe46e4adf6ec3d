// Scroll bars that choose a value (a draw, a number, a bound of the range)
// rather than scroll a pane.
#pragma once

class QScrollBar;

namespace ui {

// Makes `barra` work from the keyboard as it does with the mouse: Tab and a
// click give it the focus, which shows as a frame; Left and Right move it by
// one step in the reading direction (Qt's own scroll bars move the other way),
// Up and Down by one step, PageUp and PageDown by a page, Home and End to its
// ends. Each move emits valueChanged, so the window's handler runs as for the
// mouse.
void BarraValore(QScrollBar* barra);

}  // namespace ui
