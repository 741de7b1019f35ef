#pragma once
#include <functional>
#include <initializer_list>

class QHBoxLayout;
class QKeyEvent;
class QPushButton;
class QWidget;

namespace qzedit {

// What the render and control windows are both made of.

// Keys go to the picture, so a button never takes Space or an arrow for itself.
QPushButton* keylessButton(const char* name, const char* caption, QWidget* parent);
// The buttons side by side from the left.
QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons);
// Hands a key the engine knows to keyDown as its virtual-key code; false for any other key.
bool passEngineKey(QKeyEvent* event, const std::function<void(int)>& keyDown);

}  // namespace qzedit
