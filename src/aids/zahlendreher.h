#pragma once
// The reversed-digit check inside the answer checks of the multiplication and table aids: a wrong answer
// that is the expected number with its last two digits exchanged earns "Zahlendreher!" instead of the
// aid's ordinary wrong-answer message. Pupils who write 65 for 56 know the product and need another hint.

#include <QString>

namespace zahlendreher {

inline const QString meldung = QStringLiteral("Zahlendreher!");

// From the typed text (the table aid): last digit x 10 + last-but-one digit + (typed number div 100) x 100;
// a one-digit input serves as both digits. True when that equals the expected number and the input is
// not the expected number itself.
bool ausEingabe(const QString& getippt, int erwartet);

// From the expected number z (the 1x1 aids): the text of (z mod 10) x 10 + z div 10 compared with the
// typed text; true only for a wrong input.
bool ausErwartung(int erwartet, const QString& getippt);

} // namespace zahlendreher
