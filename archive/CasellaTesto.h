// CasellaTesto: the text box of the archive editor, whose keys and focus
// changes reach the window's handlers as events of their own.
#pragma once

#include <QLineEdit>
#include <functional>

// A text box whose keys go through the window's KeyPress handler first: the
// handler gets the character code (8 Backspace, 22 Paste, 24 Cut) and sets it
// to 0 to cancel the key. Validate runs when the focus leaves for another
// control of the window (Cancel keeps the focus in the box), then LostFocus.
class CasellaTesto : public QLineEdit {
 public:
  explicit CasellaTesto(QWidget* parent = nullptr);

  // The character codes KeyPress gets for keys that type no character.
  static constexpr int kBackspace = 8;
  static constexpr int kIncolla = 22;  // Ctrl+V
  static constexpr int kTaglia = 24;   // Ctrl+X

  std::function<void(int& KeyAscii)> KeyPress;
  std::function<void()> GotFocus;
  std::function<void(bool& Cancel)> Validate;
  std::function<void()> LostFocus;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
};
