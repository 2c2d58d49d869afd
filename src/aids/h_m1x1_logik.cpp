#include "aids/h_m1x1_logik.h"

#include "aids/h_haupt_logik.h"
#include "platform/colors.h"

namespace m1x1 {

Aufgabe aufgabe(int form, int a, int b)
{
    Aufgabe t;
    t.form = form;
    t.a = a;
    t.b = b;
    t.einer1 = form == 0 ? a : 10 + a;
    t.einer2 = form == 1 ? b : 10 + b;
    t.zielzahl = t.einer1 * t.einer2;
    return t;
}

Aufgabe ziehen(int form)
{
    int a = 0;
    int b = 0;
    if (!h_haupt::axbTeilen(h_haupt::ziehungText(), a, b)) return aufgabe(form, 0, 0);
    return aufgabe(form, a, b);
}

bool zifferRichtig(const QString& eingabe, int stelle, int zielzahl)
{
    const QString soll = QString::number(zielzahl);
    return stelle >= 1 && stelle <= eingabe.size() && stelle <= soll.size() && eingabe[stelle - 1] == soll[stelle - 1];
}

int ziffernRechts(int stellen, int stelle)
{
    return 780 + 33 * (3 - stellen + stelle);
}

QRect punkt(int i, int j)
{
    return QRect(QPoint(21 * i + 15, 30 * j + 25), QPoint(21 * i + 25, 30 * j + 39));
}

Hilfeschritt hilfeschritt(const Aufgabe& t, int stufe)
{
    Hilfeschritt s;
    const int A = t.a;
    const int B = t.b;
    switch (stufe) {
    case 1:
        s.trennlinie = true;
        s.punkte = Punkte { 1, t.einer2, 1, t.einer1, clWhite, clBlue };
        break;
    case 2:
        s.dreiUeberspringen = t.form != 2;
        if (t.form == 0) {
            s.punkte = Punkte { 1, 10, 1, A, clYellow, clBlack };
            s.gleichung = Gleichung { 226, QString::number(A) + QStringLiteral(" x 10 = "), 10 * A, clYellow };
        } else if (t.form == 1) {
            s.punkte = Punkte { 1, B, 1, 10, clYellow, clBlack };
            s.gleichung = Gleichung { 226, QStringLiteral("10 x ") + QString::number(B) + QStringLiteral(" = "), 10 * B,
                clYellow };
        } else {
            s.punkte = Punkte { 1, 10 + B, 1, 10, clYellow, clBlack };
            s.gleichung = Gleichung { 226, QStringLiteral("10 x ") + QString::number(10 + B) + QStringLiteral(" = "),
                10 * (10 + B), clYellow };
        }
        break;
    case 3:
        if (t.form == 2) {
            s.punkte = Punkte { 1, 10, 11, 10 + A, clGreen, clBlack };
            s.gleichung = Gleichung { 376, QString::number(A) + QStringLiteral(" x 10 = "), 10 * A, clGreen };
        }
        break;
    case 4:
        if (t.form == 0) {
            s.punkte = Punkte { 11, 10 + B, 1, A, clRed, clBlack };
            s.gleichung = Gleichung { 376,
                QString::number(A) + QStringLiteral(" x   ") + QString::number(B) + QStringLiteral(" = "), A * B,
                clRed };
        } else if (t.form == 1) {
            s.punkte = Punkte { 1, B, 11, 10 + A, clRed, clBlack };
            s.gleichung = Gleichung { 376,
                QString::number(A) + QStringLiteral(" x ") + QString::number(B) + QStringLiteral(" = "), A * B, clRed };
        } else {
            s.punkte = Punkte { 11, 10 + B, 11, 10 + A, clRed, clBlack };
            s.gleichung = Gleichung { 526,
                QString::number(A) + QStringLiteral(" x   ") + QString::number(B) + QStringLiteral(" = "), A * B,
                clRed };
        }
        break;
    case 5:
        s.ergebnis = true;
        break;
    default:
        break;
    }
    return s;
}

hilfenrahmen::Protokollangaben protokollangaben(int form, const QString& wahltext, int hilfetasten)
{
    static const QString titel[3] = { QStringLiteral("Hilfen beim mittleren 1x1   (E x 1E)"),
        QStringLiteral("Hilfen beim mittleren 1x1   (1E x E)"), QStringLiteral("Hilfen beim großen 1x1   (1E x 1E)") };
    const int trenner = int(wahltext.indexOf(QStringLiteral("//")));
    hilfenrahmen::Protokollangaben p;
    p.titel = form >= 0 && form <= 2 ? titel[form] : QString();
    p.zeile4 = QStringLiteral("erlaubte Einer links:  ") + (trenner < 0 ? wahltext : wahltext.left(trenner));
    p.zeile5 = QStringLiteral("erlaubte Einer rechts: ") + (trenner < 0 ? QString() : wahltext.mid(trenner + 3, 60));
    p.zeile10 = hilfenrahmen::Protokollangaben::Falsch::ohneHilfetasten;
    p.zeile11 = hilfenrahmen::hilfetastezeile(hilfetasten);
    return p;
}

} // namespace m1x1
