#pragma once
#include <functional>
#include <string>

#include "editor/model/outcome.h"

namespace qzedit {

// Runs one command, mouse handler or timer tick. A run-time error inside it is shown as a message
// box with its number and text, and the editor goes on with the map as the work left it.
void runGuarded(const std::function<void()>& work);

// "Run-time error '9':" and the error's text below.
std::string runErrorText(int number, const std::string& text);

// The placeholder of the commands that come later.
void nya();

// Shows the message of a failed map operation; returns whether it succeeded.
bool report(const Outcome& outcome);

}  // namespace qzedit
