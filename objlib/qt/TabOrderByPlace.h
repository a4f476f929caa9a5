// The TAB order of a window as its controls appear on screen, whatever the order in which their
// windows were created.
#pragma once

class TControl;

// Chains the TAB stops inside `window` (a form) in reading order: the windows of one parent
// from top to bottom and, along a row, from left to right; a window that is no TAB stop itself
// (a panel) takes its place as a whole, with its own windows ordered the same way inside it.
// Hidden and disabled stops keep their place and are passed over while they cannot take the
// focus. The order follows the placement at the time of the call: call it once the windows
// are placed and docked.
void OrderTabStopsByPlace(TControl& window);
