#include "games/s_kette_logik.h"

#include "platform/random.h"

namespace s_kette {

Glieder kettenrechnung(int a, int b, int n)
{
    Glieder g {};
    g[0] = a;
    g[1] = b;
    for (int i = 2; i < n; ++i)
        g[size_t(i)] = g[size_t(i - 2)] + g[size_t(i - 1)];
    return g;
}

int loesungszahl(int t, int n)
{
    if (n == 4) return t / 2 + 1;
    return t / 6 + (t % 6 == 1 ? 0 : 1);
}

Aufgabe kettenaufgabe(int modus, int bereich, int n, int& vorindex)
{
    Aufgabe auf;
    if (modus == 3) {
        do {
            switch (bereich) {
            case 0:
                auf.ziel = Random(10) + 1;
                break;
            case 1:
                auf.ziel = Random(11) + 10;
                break;
            default:
                auf.ziel = n == 4 ? Random(12) + 21 : Random(75) + 21;
                break;
            }
            // A target without a pair could never be solved.
        } while (loesungszahl(auf.ziel, n) >= 17 || loesungszahl(auf.ziel, n) == 0 || auf.ziel == vorindex);
        vorindex = auf.ziel;
        return auf;
    }
    const int k = bereich == 0 ? 11 : bereich == 1 ? 20 : 34;
    const auto passt = [bereich](int t) {
        return bereich == 0 ? t >= 1 && t <= 10 : bereich == 1 ? t >= 10 && t <= 20 : t >= 21 && t <= 99;
    };
    do {
        do {
            auf.a = Random(k);
            auf.b = Random(k);
            auf.ziel = kettenrechnung(auf.a, auf.b, n)[size_t(n - 1)];
        } while (!passt(auf.ziel));
    } while (auf.a == vorindex);
    vorindex = auf.a;
    return auf;
}

void Paarsuche::beginnen(int ziel, int n)
{
    m_ziel = ziel;
    m_n = n;
    m_loesungen = loesungszahl(ziel, n);
    m_fehlversuche = 0;
    m_endwert = 0;
    m_zuletztRichtig = false;
    m_paare.clear();
}

Paarsuche::Ergebnis Paarsuche::pruefen(int a, int b)
{
    m_endwert = kettenrechnung(a, b, m_n)[size_t(m_n - 1)];
    if (m_endwert != m_ziel) {
        ++m_fehlversuche;
        m_zuletztRichtig = false;
        return Ergebnis::falsch;
    }
    m_zuletztRichtig = true;
    const QString text = QStringLiteral("%1_%2   ").arg(a).arg(b);
    if (m_paare.contains(text)) return Ergebnis::schonDa;
    m_paare << text;
    return Ergebnis::neu;
}

void Paarsuche::naechstesPaar()
{
    if (m_zuletztRichtig) m_fehlversuche = 0;
}

QString Paarsuche::caption() const
{
    if (!m_zuletztRichtig) {
        if (m_fehlversuche >= 10) return QStringLiteral("das ist wohl zu schwer für dich");
        if (m_fehlversuche == 9) return QStringLiteral("letzte Chance!");
        return QStringLiteral("leider nicht, überlege neu");
    }
    const int rest = m_loesungen - gefunden();
    if (rest > 1) return QStringLiteral("es gibt noch %1 Lösungen").arg(rest);
    if (rest == 1) return QStringLiteral("es gibt noch 1 Lösung");
    return QStringLiteral("bitte eine neue Aufgabe");
}

} // namespace s_kette
