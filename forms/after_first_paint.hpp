#pragma once
// Runs work once a window has been painted for the first time, so that slow
// start-up work (opening the sound device and its soundfont) does not keep
// the user waiting for the window.

#include <functional>

class QWidget;

namespace kesora::forms {

void RunAfterFirstPaint(QWidget* window, std::function<void()> work);

}  // namespace kesora::forms
