#pragma once
// The note of a runner whose protocol could not be saved: white on red on the runner itself, where it stays
// until the teacher closes the window, so that the loss is not missed.

#include <QString>

class Label;
class QWidget;

namespace protokollmeldung {

// "Das Protokoll konnte nicht gespeichert werden. " and the reason.
QString text(const QString& fehler);
// The hidden, word-wrapping note at (left, top) of `form`; the runner gives it its size at activation.
Label* anlegen(QWidget* form, int left, int top);
// Puts the text for `fehler` on the note, taller where the text needs it, and shows it.
void zeigen(Label* meldung, const QString& fehler);

} // namespace protokollmeldung
