#pragma once
// The number a pupil types on a game's keypad or keyboard: "?" while nothing is typed, digits appended up to
// a length, a leading zero refused where a number may not start with 0, backspace dropping the last digit.

#include <QChar>
#include <QString>

class Zifferneingabe {
public:
    explicit Zifferneingabe(int laenge = 3, bool fuehrendeNull = false)
        : m_laenge(laenge)
        , m_fuehrendeNull(fuehrendeNull)
    {
    }

    // A digit typed; false when it was refused (a leading zero where none may stand). A digit past the
    // length is dropped.
    bool ziffer(int d);
    // Backspace: the last digit goes.
    void zurueck();
    void leeren() { m_text.clear(); }
    // A whole number at once (a number button), cut to the length.
    void setzen(const QString& zahl) { m_text = zahl.left(m_laenge); }
    void setFuehrendeNull(bool erlaubt) { m_fuehrendeNull = erlaubt; }

    // The digits typed (empty while none).
    const QString& text() const { return m_text; }
    // As it shows: "?" for an empty entry.
    QString anzeige() const { return m_text.isEmpty() ? QStringLiteral("?") : m_text; }
    bool hatZiffern() const { return !m_text.isEmpty(); }
    int zahl() const { return m_text.toInt(); }

private:
    QString m_text;
    int m_laenge;
    bool m_fuehrendeNull;
};
