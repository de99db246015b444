#pragma once

class QWidget;

// The size of the main window's client area, in pixels at 96 dpi.
inline constexpr int kClientWidth = 616;
inline constexpr int kClientHeight = 574;

// Creates every control of the main window as a child named after its
// component (eD1, gb_05, l_21, bCalc, BitBtn1, iMV ...), at its place, with
// its caption or initial text, and chains the tab order from bCalc to eReady.
// The window wires the behaviour to them afterwards.
void BuildWindowControls(QWidget* window);
