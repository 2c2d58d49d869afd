#pragma once

// A busy-wait pause of the given length (a fraction of a day, as the clock counts). It first brings what was
// drawn to the screen and keeps the windows painted while it waits, but handles no input and runs no window
// timer: keys, clicks and timer ticks that come during the pause are handled after it, in their order. With
// the test clock installed the pause advances that clock instead of waiting.
void pause(double days);

// Brings what was drawn to the screen now, handling no input.
void showDrawing();
