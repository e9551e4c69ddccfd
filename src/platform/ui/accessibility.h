#pragma once

// What a screen reader is told about the program's own widgets: a panel
// that shows text is a label (a gauge a progress bar, a panel holding
// controls a group), and the hidden panels and controls of a window are not
// in its tree at all. Installed once, before any window exists.
void installAccessibility();
