#include "games/s_masch_logik.h"

#include "platform/random.h"

#include <utility>

namespace s_masch {

Maschine maschine(const QString& text)
{
    Maschine m;
    m.op = text.isEmpty() ? QChar() : text[0];
    m.zahl = text.size() > 1 ? text[1].digitValue() : 0;
    return m;
}

Maschine ziehen(BoundedArray<Text<2>, 0, 40>& pool, int anzahl, int& offen)
{
    if (offen < 1 || offen > anzahl) offen = anzahl;
    const int i = Random(offen) + 1;
    const QString text = pool[i];
    std::swap(pool[i], pool[offen]);
    if (--offen == 0) offen = anzahl;
    return maschine(text);
}

bool paarSpielbar(const Maschine& erste, const Maschine& zweite)
{
    if (erste.op != u'*' || zweite.op != u'-') return true;
    return erste.zahl >= 2 || (erste.zahl == 1 && zweite.zahl <= 7);
}

void paarZiehen(BoundedArray<Text<2>, 0, 40>& pool, int anzahl, int& offen, Maschine& erste, Maschine& zweite)
{
    do {
        erste = ziehen(pool, anzahl, offen);
        zweite = ziehen(pool, anzahl, offen);
    } while (!paarSpielbar(erste, zweite));
}

Durchlauf eingabe(const Maschine& m, int& letzterwurf)
{
    const int d = m.zahl;
    Durchlauf w;
    switch (m.op.unicode()) {
    case u'+':
        do
            w.x = Random(20 - d);
        while (w.x == letzterwurf);
        w.y = w.x + d;
        letzterwurf = w.x;
        break;
    case u'-':
        do
            w.x = d + Random(20 - d);
        while (w.x == letzterwurf);
        w.y = w.x - d;
        letzterwurf = w.x;
        break;
    case u'*':
        do
            w.x = Random(11);
        while (w.x == letzterwurf);
        w.y = w.x * d;
        letzterwurf = w.x;
        break;
    default: { // ':'
        int q = 0;
        do
            q = Random(11);
        while (q == letzterwurf);
        w.x = q * d;
        w.y = q;
        letzterwurf = q;
        break;
    }
    }
    w.m = w.y;
    return w;
}

namespace {

// One draw of the pair's row: the input, and whether the row takes it (apart from the last draw).
struct Wurf {
    int x = 0;
    bool neu = true; // has to differ from the value drawn last
    bool gut = true;
};

Wurf wurf(QChar a, int d1, QChar b, int d2, Durchlauf& w)
{
    Wurf r;
    const auto nach = [&](int x, QChar op, int d) {
        switch (op.unicode()) {
        case u'+':
            return x + d;
        case u'-':
            return x - d;
        case u'*':
            return x * d;
        default:
            return d == 0 ? 0 : x / d;
        }
    };
    const QString paar = QString(a) + QString(b);
    if (paar == "++") {
        r.x = Random(100 - d1 - d2);
        r.neu = false;
    } else if (paar == "+-") {
        r.x = d2 + Random(100 - d1 - d2);
        r.neu = false;
    } else if (paar == "+*") {
        r.x = Random(12 - d1);
    } else if (paar == "+:") {
        const int y = Random(11);
        r.x = y * d2 - d1;
        r.gut = r.x >= 0;
    } else if (paar == "-+") {
        r.x = d1 + Random(99 - d2);
        r.neu = false;
    } else if (paar == "--") {
        r.x = d1 + d2 + Random(99 - d1 - d2);
        r.neu = false;
    } else if (paar == "-*") {
        r.x = d1 + Random(10);
    } else if (paar == "-:") {
        const int y = Random(11);
        r.x = y * d2 + d1;
    } else if (paar == "*+" || paar == "*-" || paar == "*:") {
        r.x = 1 + Random(9);
    } else if (paar == "**") {
        r.x = Random(10);
    } else if (paar == ":+") {
        r.x = d1 * Random(10);
    } else if (paar == ":-") {
        r.x = d1 * (1 + Random(9));
        r.neu = false;
    } else if (paar == ":*") {
        r.x = d1 * (1 + Random(9));
    } else { // "::"
        const int y = Random(10);
        r.x = y * d1 * d2;
    }
    w.x = r.x;
    w.m = nach(r.x, a, d1);
    w.y = nach(w.m, b, d2);
    if (paar == "+*" || paar == "-*" || paar == "**")
        r.gut = w.y <= 100;
    else if (paar == "*-" || paar == ":-")
        r.gut = w.y >= (a == u'*' ? 1 : 0);
    else if (paar == ":*")
        r.gut = w.y < 100;
    else if (paar == "::")
        r.gut = r.x < 100;
    else if (paar == "*:")
        r.gut = d2 != 0 && w.m % d2 == 0;
    return r;
}

} // namespace

Durchlauf eingabe(const Maschine& erste, const Maschine& zweite, int& letzterwurf)
{
    Durchlauf w;
    const bool malGeteilt = erste.op == u'*' && zweite.op == u':';
    for (;;) {
        const Wurf r = wurf(erste.op, erste.zahl, zweite.op, zweite.zahl, w);
        if (!r.gut) continue;
        if (r.neu) {
            // Times then divided takes the last input again when its output differs from it.
            const bool wiederholt = r.x == letzterwurf && !(malGeteilt && w.y != r.x);
            if (wiederholt) continue;
            letzterwurf = r.x;
        } else if (erste.op == u':') {
            letzterwurf = r.x;
        }
        return w;
    }
}

bool neutral(const QString& text)
{
    return text == "+0" || text == "-0" || text == "*1" || text == ":1";
}

Urteil urteilen(const QString& tipp, const QString& text)
{
    Urteil u;
    u.richtig = tipp == text;
    u.auchMoeglich = !u.richtig && neutral(tipp) && neutral(text);
    return u;
}

QChar zeichenVonTaste(QChar taste)
{
    switch (taste.unicode()) {
    case u'*':
    case u'+':
    case u'-':
        return taste;
    case u'.':
    case u'/':
    case u':':
        return u':';
    default:
        return QChar();
    }
}

} // namespace s_masch
