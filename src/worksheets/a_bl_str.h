#pragma once
// The number lines of the blank templates ("Zahlenstrahle"), drawn on the printer's canvas.

class Canvas;

namespace strahl {

enum class Art {
    Zehner5, // "5  10er"
    Zwanziger5, // "5  20er"
    Hunderter5, // "5  100er"
    Zwanziger3quer, // "3  20er (Querdruck)"
    Hunderter3quer, // "3  100er  (Querdruck)"
};

void draw(Canvas& canvas, Art art);

} // namespace strahl
