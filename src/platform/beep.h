#pragma once

// The system's warning sound (a full protocol folder).
void beep();
