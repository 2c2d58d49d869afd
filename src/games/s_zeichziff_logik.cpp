#include "games/s_zeichziff_logik.h"

#include "platform/random.h"

#include <algorithm>
#include <utility>

namespace s_zeichziff {

const QStringList& symbolzeichen()
{
    static const QStringList zeichen { QStringLiteral("%"), QStringLiteral("O"), QStringLiteral("I"),
        QStringLiteral("ö"), QStringLiteral("\""), QStringLiteral("R"), QStringLiteral("8"), QStringLiteral("J"),
        QStringLiteral("'"), QStringLiteral("6") };
    return zeichen;
}

std::array<int, 10> zuordnungZiehen()
{
    std::array<int, 10> z {};
    for (int i = 0; i <= 9; ++i)
        z[size_t(i)] = i;
    // Each entry swaps with one before it: one cycle, so no symbol keeps its own digit.
    for (int k = 9; k >= 1; --k)
        std::swap(z[size_t(k)], z[size_t(Random(k))]);
    return z;
}

QString aufgabentext(int operation, int a, int b)
{
    const auto zwei = [](int v) { return QString::number(v).rightJustified(2, QLatin1Char(' ')); };
    const QString sa = QString::number(a), sb = QString::number(b);
    switch (operation) {
    case 0:
        return zwei(a) + QLatin1Char('+') + sb + QLatin1Char('=') + zwei(a + b);
    case 1:
        return zwei(a + b) + QLatin1Char('-') + sb + QLatin1Char('=') + zwei(a);
    case 2:
        return zwei(a) + QLatin1Char('*') + sb + QLatin1Char('=') + zwei(a * b);
    default:
        return zwei(a * b) + QLatin1Char(':') + sb + QLatin1Char('=') + zwei(a);
    }
}

int strafe(int fehler)
{
    if (fehler > 1) ++fehler;
    return fehler / 2;
}

QString bewertungstext(int punkte)
{
    if (punkte <= 4) return QStringLiteral(" ih! ");
    if (punkte <= 6) return QStringLiteral(" na ja! ");
    if (punkte <= 8) return QStringLiteral(" o.k. ");
    if (punkte == 9) return QStringLiteral(" gut! ");
    return QStringLiteral(" BRAVO!!! ");
}

void Zeichenspiel::neuesSpiel()
{
    m_bekannt.fill(false);
    m_vergeben.fill(false);
    m_punkte.fill(0);
    m_ergebnisse.fill(0);
    m_markiert = -1;
    m_fehlerzaehlbar = false;
    m_fehlerzahl = m_gefunden = m_verraten = m_aufgabenzahl = m_null = m_einser = 0;
    // Relaxations count per game: a game after one that ran out of tasks gets tasks again.
    m_lockerungen = 0;
    m_zuordnung = zuordnungZiehen();
}

int Zeichenspiel::symbolVon(int ziffer) const
{
    return int(std::find(m_zuordnung.begin(), m_zuordnung.end(), ziffer) - m_zuordnung.begin());
}

// One operand: 0..8 until a zero has been drawn, 1..9 afterwards; no 0 or 1 in the first two tasks; a factor 1
// only while the digit 1 has not been given away. False: the attempt is given up.
bool Zeichenspiel::operandZiehen(int& x, bool malOderGeteilt)
{
    x = Random(9) + m_null;
    if (x <= 1 && m_aufgabenzahl < 3) return false;
    if (x == 0) m_null = 1;
    if (malOderGeteilt && x == 1) {
        if (m_einser > 1) return false;
        ++m_einser;
    }
    return true;
}

std::optional<Aufgabe> Zeichenspiel::naechsteAufgabe(const std::array<QString, 4>& rechenartzeichen)
{
    if (fertig() || m_aufgabenzahl >= kAufgaben) return std::nullopt;
    const bool irgendeine = std::any_of(
        rechenartzeichen.begin(), rechenartzeichen.end(), [](const QString& z) { return z != QLatin1String("n"); });
    if (!irgendeine) return std::nullopt;
    const int n = ++m_aufgabenzahl;
    int operation = 0;
    do
        operation = Random(4);
    while (rechenartzeichen[size_t(operation)] == QLatin1String("n"));
    const bool mal = operation >= 2;

    int versuche = 0;
    for (;;) {
        ++versuche;
        if (m_lockerungen > 9) return Aufgabe { n, QString() };
        if (versuche > 100) {
            versuche = 0;
            m_null = 0;
            m_einser = 0;
            ++m_lockerungen;
        }
        int a = 0, b = 0;
        if (!operandZiehen(a, mal) || !operandZiehen(b, mal)) continue;
        int c = 0;
        if (mal) {
            c = a * b;
        } else {
            c = a + b;
            if (c > 9) ++m_einser;
        }
        m_ergebnisse[size_t(n)] = c;
        const QString text = aufgabentext(operation, a, b);
        if (operation == 3 && c == 0) continue;
        if (n >= 2) {
            const bool schonDa
                = std::find(m_ergebnisse.begin() + 1, m_ergebnisse.begin() + n, c) != m_ergebnisse.begin() + n;
            const bool neuesZeichen = std::any_of(text.begin(), text.end(),
                [this](QChar ch) { return ch.isDigit() && !m_vergeben[size_t(ch.digitValue())]; });
            if (schonDa || !neuesZeichen) continue;
        }
        if (m_einser == 1) m_einser = 2;
        return Aufgabe { n, text };
    }
}

void Zeichenspiel::markieren(int symbol)
{
    m_markiert = symbol;
    m_fehlerzaehlbar = true;
}

Eingabe Zeichenspiel::ziffer(int d)
{
    if (m_markiert < 0 || m_vergeben[size_t(d)] || m_bekannt[size_t(m_markiert)]) return Eingabe::ignoriert;
    if (m_zuordnung[size_t(m_markiert)] == d) {
        ++m_gefunden;
        festlegen(d);
        m_fehlerzaehlbar = false;
        return Eingabe::gefunden;
    }
    if (!m_fehlerzaehlbar) return Eingabe::ohneWirkung;
    ++m_fehlerzahl;
    int& p = m_punkte[size_t(m_markiert)];
    p = std::min(p + 1, 9);
    m_fehlerzaehlbar = false;
    return Eingabe::fehler;
}

bool Zeichenspiel::verraten()
{
    if (m_markiert < 0 || m_bekannt[size_t(m_markiert)]) return false;
    ++m_verraten;
    festlegen(m_zuordnung[size_t(m_markiert)]);
    return true;
}

void Zeichenspiel::festlegen(int ziffer)
{
    m_bekannt[size_t(m_markiert)] = true;
    m_vergeben[size_t(ziffer)] = true;
}

int Zeichenspiel::punkte() const
{
    return std::max(0, m_gefunden - strafe(m_fehlerzahl));
}

} // namespace s_zeichziff
