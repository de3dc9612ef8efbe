#pragma once
// The IPA fonts set digits a little wider than the faces the window was drawn
// with, so a heading like "23時～24時" would lose its first digit to its
// label's edge. A one-line caption that is too wide is set condensed instead.

class QLabel;

namespace kesora::chart_view {

// Condenses the label's font just enough for its caption to fit its width,
// or restores the normal width when it fits. Wrapping labels are left alone.
void FitCaptionToWidth(QLabel* label);

}  // namespace kesora::chart_view
