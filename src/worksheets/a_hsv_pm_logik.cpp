#include "worksheets/a_hsv_pm_logik.h"

#include "platform/canvas.h"
#include "platform/random.h"
#include "worksheets/blattdruck.h"

namespace halbschrift {

namespace {

QString n(int x)
{
    return QString::number(x);
}

// Right-aligned in three places: the dividends of a division stand in columns.
QString drei(int x)
{
    return n(x).rightJustified(3, u' ');
}

} // namespace

QString rechenzeichen(int rechenart)
{
    switch (rechenart) {
    case Addition:
        return QStringLiteral(" + ");
    case Subtraktion:
        return QStringLiteral(" - ");
    case Multiplikation:
        return QStringLiteral("   ");
    case Division:
        return QStringLiteral(" : ");
    default:
        return QString();
    }
}

Aufgaben erzeugen(int rechenart, int stufe)
{
    Aufgaben aufgaben;
    for (Aufgabe& t : aufgaben) {
        int einer1 = 0, einer2 = 0, zehner1 = 0, zehner2 = 0;
        if (rechenart <= Subtraktion) {
            if (stufe == 1) {
                einer1 = Random(8) + 1;
                einer2 = Random(9 - einer1) + 1;
                do {
                    zehner1 = Random(7) + 2;
                    zehner2 = Random(8 - zehner1) + 2;
                } while (zehner1 + zehner2 >= 10);
            } else {
                do {
                    einer1 = Random(8) + 2;
                    einer2 = Random(8) + 2;
                } while (einer1 + einer2 < 11);
                do {
                    zehner1 = Random(7) + 2;
                    zehner2 = Random(8 - zehner1) + 2;
                } while (zehner1 + zehner2 >= 9);
            }
            const int x = 10 * zehner1 + einer1, y = 10 * zehner2 + einer2;
            t = rechenart == Addition ? Aufgabe { x, y, x + y } : Aufgabe { x + y, y, x };
        } else {
            einer1 = Random(8) + 2;
            einer2 = Random(9) + 1;
            zehner2 = stufe == 2 ? Random(8) + 2 : 1;
            const int y = 10 * zehner2 + einer2;
            t = rechenart == Multiplikation ? Aufgabe { einer1, y, einer1 * y } : Aufgabe { einer1 * y, einer1, y };
        }
    }
    return aufgaben;
}

std::array<QString, 3> zeilen(int rechenart, int muster, const Aufgabe& t)
{
    const QString op = rechenzeichen(rechenart);
    if (rechenart == Division) {
        const int zehnerteil = (t.c / 10) * t.b * 10, einerteil = (t.c % 10) * t.b;
        const QString b = n(t.b);
        const QString zeile1 = drei(t.a) + op + b + " = __";
        switch (muster) {
        case 1:
            return { zeile1, drei(zehnerteil) + op + b + " = __", drei(einerteil) + op + b + " =  _" };
        case 2:
            return { zeile1, drei(zehnerteil) + op + b + " = __", " __" + op + b + " =  _" };
        case 3:
            return { zeile1, "___" + op + b + " = __", " __" + op + b + " =  _" };
        default:
            return { zeile1, "___" + op + "_ = __", " __" + op + "_ =  _" };
        }
    }
    const QString a = n(t.a);
    const QString ergebnis = rechenart == Multiplikation ? QStringLiteral(" = ___") : QStringLiteral(" = __");
    // The gap where the first number goes when the pattern leaves it open.
    const QString offen = rechenart == Multiplikation ? QStringLiteral("_") : QStringLiteral("__");
    const QString zeile1 = a + op + n(t.b) + ergebnis;
    const QString zehner = a + op + n(t.b / 10 * 10) + ergebnis;
    const QString einerOffen = (rechenart == Multiplikation ? a : offen) + op + " _" + ergebnis;
    switch (muster) {
    case 1:
        return { zeile1, zehner, (rechenart == Multiplikation ? a : offen) + op + " " + n(t.b % 10) + ergebnis };
    case 2:
        return { zeile1, zehner, einerOffen };
    case 3:
        return { zeile1, a + op + "__" + ergebnis, einerOffen };
    default:
        return { zeile1, offen + op + "__" + ergebnis, offen + op + " _" + ergebnis };
    }
}

Aufgaben ergaenzungen()
{
    Aufgaben aufgaben;
    for (Aufgabe& t : aufgaben) {
        const int einer1 = Random(9) + 1;
        const int einer2 = 10 - einer1;
        int zehner1 = 0, zehner2 = 0;
        do {
            zehner1 = Random(7) + 2;
            zehner2 = Random(8 - zehner1) + 2;
        } while (zehner1 + zehner2 >= 9);
        t.a = 10 * zehner1 + einer1;
        t.b = 10 * zehner2 + einer2;
        t.c = t.a + t.b;
    }
    return aufgaben;
}

QString ergaenzungszeile(const Aufgabe& t)
{
    return n(t.a) + " + __ = " + n(t.c);
}

std::array<QString, 2> ergaenzungsschritte(int muster, const Aufgabe& t)
{
    const int zehner = (t.a / 10 + 1) * 10;
    const QString a = n(t.a), c = n(t.c);
    switch (muster) {
    case 1:
        return { a + " +  _ = " + n(zehner), n(zehner) + " + __ = " + c };
    case 2:
        return { a + " +  " + n(10 - t.a % 10) + " = __", "__ + __ = " + c };
    case 3:
        return { a + " +  _ = _0", "_0 + __ = " + c };
    case 4:
        return { a + " +  _ = __", "__ + __ = " + c };
    default:
        return { QStringLiteral("__ +  _ = __"), QStringLiteral("__ + __ = __") };
    }
}

Seite musterseite(int rechenart, const std::vector<int>& muster, const Aufgaben& aufgaben)
{
    Seite s;
    s.titel = "halbschriftlich " + rechenzeichen(rechenart) + QString(15, u' ') + "Name: _____________";
    static const char* const knoepfe[] = { "Addieren", "Subtrahieren", "Multiplizieren", "Dividieren" };
    if (rechenart >= Addition && rechenart <= Division)
        s.drucktitel = QStringLiteral("halbschriftliches ") + QLatin1String(knoepfe[rechenart - Addition]);
    s.malpunkte = rechenart == Multiplikation;
    s.streifenX = 480;
    for (size_t p = 0; p < 12; ++p) {
        s.ergebnisse.push_back(aufgaben[p].c);
        if (p < muster.size()) s.zeilen[p] = zeilen(rechenart, muster[p], aufgaben[p]);
    }
    return s;
}

Seite ergaenzungsseite(const std::vector<int>& muster, const Aufgaben& aufgaben)
{
    Seite s;
    s.titel = QStringLiteral("halbschriftlich ergänzen            Name: _____________");
    s.drucktitel = QStringLiteral("halbschriftliches Ergänzen");
    s.streifenX = 460;
    for (size_t p = 0; p < 12; ++p) {
        s.ergebnisse.push_back(aufgaben[p].b);
        s.zeilen[p][0] = ergaenzungszeile(aufgaben[p]);
        if (p < muster.size()) {
            const std::array<QString, 2> schritte = ergaenzungsschritte(muster[p], aufgaben[p]);
            s.zeilen[p][1] = schritte[0];
            s.zeilen[p][2] = schritte[1];
        }
    }
    return s;
}

void draw(Canvas& c, const Seite& seite)
{
    c.pen.color = Qt::black;
    c.pen.width = 2;
    c.font.height = 65;
    blattdruck::titelzeile(c, 200, -130, seite.titel);
    c.pen.width = 3;
    for (int r = 0; r < 6; ++r)
        for (int s = 0; s < 2; ++s) {
            c.moveTo(200 + 900 * s, -415 - 390 * r);
            c.lineTo(700 + 900 * s, -415 - 390 * r);
        }
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    for (int p = 0; p < 12; ++p) {
        const int s = p % 2, r = p / 2;
        const int hoehen[] = { -340 - 390 * r, -445 - 390 * r, -540 - 390 * r };
        for (size_t z = 0; z < 3; ++z) {
            const QString& text = seite.zeilen[size_t(p)][z];
            // Each character in its cell, so that digits stand in columns whatever their width.
            for (int i = 1; i <= text.size() && i <= 12; ++i)
                c.textOut(240 + 32 * i + 900 * s, hoehen[z], text.mid(i - 1, 1));
        }
    }
    if (seite.malpunkte) {
        c.pen.width = 2;
        c.ellipse(620, -158, 628, -166);
        for (int p = 0; p < 12; ++p) {
            const int s = p % 2, r = p / 2;
            for (int y : { -370 - 390 * r, -475 - 390 * r, -570 - 390 * r })
                if (!seite.zeilen[size_t(p)][0].isEmpty()) c.ellipse(335 + 900 * s, y, 343 + 900 * s, y - 8);
        }
    }
    blattdruck::ergebnisstreifen(c, seite.ergebnisse, 200, -2690, seite.streifenX, 110);
}

} // namespace halbschrift
