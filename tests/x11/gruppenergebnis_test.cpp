// Who won and who lost shows whole on the screen the program runs on (this test runs on a small, a middle and
// a large screen): the end of a turn in "Botschaften" and the winner table, for names as long as the set-up
// window takes.
#include "games/buchstabentaste.h"
#include "games/s_botsch.h"
#include "games/s_hm.h"
#include "games/s_hm_logik.h"
#include "games/s_wraten.h"
#include "games/sp_haupt.h"
#include "platform/controls.h"
#include "platform/paintbox.h"
#include "platform/round.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "support/programm.h"
#include "support/xserver.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// Five names of the 15 characters the set-up window takes; the capitals are the widest a pupil can type.
const QStringList kNamen { "Maximilian-Wolf", "Jan-Hendrik-Ole", "Wilhelm-Maximus", "MAREIKE-JOHANNA",
    "Mareike-Johanna" };
// Players 2 and 4 decode their messages, 1, 3 and 5 lose theirs.
bool gewinnt(int spieler)
{
    return spieler % 2 == 0;
}

// The box of a paint box on its form's backing image.
QImage bild(PaintBox* box)
{
    return box->targetSurface().image().copy(box->surfaceRect());
}

// The smallest rectangle around the pixels of `bild` inside `bereich` that `tinte` takes for ink; null when
// there are none.
QRect tintenrahmen(const QImage& bild, const QRect& bereich, const std::function<bool(QRgb)>& tinte)
{
    QRect r;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            if (tinte(bild.pixel(x, y))) r |= QRect(x, y, 1, 1);
    return r;
}

// Black text, smoothed onto white: the red tick, however smoothed, keeps its red at full strength.
bool schwarz(QRgb p)
{
    return qRed(p) < 128;
}

// The lines of ink one under the other: runs of rows with ink, parted by rows without.
QList<QRect> zeilen(const QImage& bild, const QRect& bereich, const std::function<bool(QRgb)>& tinte)
{
    QList<QRect> liste;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y) {
        const QRect reihe = tintenrahmen(bild, QRect(bereich.left(), y, bereich.width(), 1), tinte);
        if (reihe.isNull()) continue;
        if (!liste.isEmpty() && liste.last().bottom() == y - 1)
            liste.last() |= reihe;
        else
            liste << reihe;
    }
    return liste;
}

// The last column a name starting at x may reach: a pixel of white before the middle line or the border.
int spaltenende(int x)
{
    return x < 128 ? 126 : 253;
}

QString beschreibung(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

class Gruppenergebnis : public ProgrammTest {
protected:
    void SetUp() override
    {
        ProgrammTest::SetUp();
        // One word each, so that every turn's word is known; the long one as long as a list's words may be.
        writeBytes(dataPath("WORTList/kurz.txt"), "HUND\r\n");
        writeBytes(dataPath("WORTList/lang.txt"), "STRASSENBAHNHALTE\r\n");
        hub = dynamic_cast<TForm41*>(Form41);
        aufbau = dynamic_cast<TForm47*>(Form47);
        ASSERT_TRUE(hub && aufbau);
        bildschirm = qEnvironmentVariable("TAVI_X11_SCREEN");
    }

    static void klick(Button* b) { QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center()); }

    // Game `code` from the hub, started as the program starts, for five players with the option `wahl` of
    // `gruppe`: in the game window every player decodes the word or loses the turn (players 2 and 4 win), and
    // the end of each turn is checked; then the winner table.
    template <class Spiel> void spielen(int code, RadioGroup* gruppe, int wahl)
    {
        auto* spiel = dynamic_cast<Spiel*>(code == 6 ? Form60 : Form62);
        ASSERT_NE(spiel, nullptr);
        const QString name = code == 6 ? QStringLiteral("botschaften") : QStringLiteral("woerterraten");
        bool gespielt = false;
        Form::setModalDriver([&](Form& f) {
            if (&f == Form1) {
                // The main window has taken its scale from the screen, as at every start.
                hub->showModal();
            } else if (&f == hub) {
                hub->spielknopf(code)->Click();
            } else if (&f == aufbau) {
                Edit* felder[] = { aufbau->Edit1, aufbau->Edit2, aufbau->Edit3, aufbau->Edit4, aufbau->Edit5 };
                for (int k = 0; k < 5; ++k) {
                    felder[k]->clear();
                    QTest::keyClicks(felder[k], kNamen[k]);
                    EXPECT_EQ(felder[k]->text(), kNamen[k]);
                }
                QTest::mouseClick(gruppe->button(wahl), Qt::LeftButton);
                QTest::mouseClick(aufbau->WR_Bot_LVR_Zeit->button(3), Qt::LeftButton);
                klick(aufbau->Button2);
                ASSERT_TRUE(gespielt);
                tabellePruefen(name + QStringLiteral("_tabelle"));
                aufbau->Button10->Click();
            } else if (&f == spiel) {
                gespielt = true;
                for (int p = 1; p <= 5; ++p) {
                    SCOPED_TRACE(p);
                    ASSERT_EQ(spielernummer, p);
                    klick(spiel->startknopf);
                    ASSERT_EQ(spiel->zustand(), 4);
                    if (gewinnt(p))
                        for (QChar z : spiel->wort().left(code == 6 ? 5 : 17))
                            klick(spiel->buchstabenknopf(buchstabentaste::index(z) + 1));
                    else
                        for (int i = 0; i < 11; ++i)
                            klick(spiel->buchstabenknopf(buchstabentaste::index('Q') + 1));
                    ASSERT_EQ(spiel->zustand(), 1);
                    grabToPng(spiel, QStringLiteral("gruppenergebnis_%1_%2_%3").arg(bildschirm, name).arg(p));
                    rundenendePruefen(spiel->PaintBox1, p);
                    klick(spiel->startknopf);
                }
            }
        });
        Form1->showModal();
        Form::setModalDriver({});
        EXPECT_TRUE(gespielt);
    }

    // The picture box at the end of player `p`'s turn: every line lies inside the box's border with room to
    // spare, so that none is cut, and the name stands on a line of its own.
    void rundenendePruefen(PaintBox* box, int p)
    {
        const QImage b = bild(box);
        // Under the figure and the tick: from the top of the hill's lowest points down.
        const int oben = Round(320 * double(skala_y));
        const QRect innen(1, oben, b.width() - 2, b.height() - oben);
        const QList<QRect> z = zeilen(b, innen, schwarz);
        ASSERT_EQ(z.size(), gewinnt(p) ? 2 : 4) << kNamen[p - 1].toStdString();
        for (const QRect& r : z) {
            EXPECT_GE(r.left(), 3) << kNamen[p - 1].toStdString() << " " << beschreibung(r).toStdString();
            EXPECT_LE(r.right(), b.width() - 4) << kNamen[p - 1].toStdString() << " " << beschreibung(r).toStdString();
        }
        EXPECT_LE(z.last().bottom(), b.height() - 3) << kNamen[p - 1].toStdString();
    }

    // The winner table: each name's ink in its row lies in its column, between its start and the middle line
    // or the border, and the table's lines stand whole.
    void tabellePruefen(const QString& name)
    {
        const QImage b = bild(aufbau->sieger);
        grabToPng(aufbau, QStringLiteral("gruppenergebnis_%1_%2").arg(bildschirm, name));
        const auto gruen = [](QRgb p) { return qGreen(p) > qRed(p) + 40 && qGreen(p) > qBlue(p) + 40; };
        const auto linie = [](QRgb p) { return qRed(p) < 60 && qGreen(p) < 60 && qBlue(p) < 60; };
        for (int y = 0; y < 217; ++y) {
            EXPECT_TRUE(linie(b.pixel(128, y))) << "middle line, row " << y;
            EXPECT_TRUE(linie(b.pixel(255, y))) << "border, row " << y;
        }
        for (int x = 0; x < 256; ++x)
            EXPECT_TRUE(linie(b.pixel(x, 45))) << "heading line, column " << x;
        EXPECT_LE(tintenrahmen(b, QRect(1, 1, 126, 43), gruen).right(), spaltenende(10)) << "Gewinner";
        const QRect verlierer = tintenrahmen(b, QRect(130, 1, 124, 43), gruen);
        EXPECT_GE(verlierer.left(), 150);
        EXPECT_LE(verlierer.right(), spaltenende(150)) << "Verlierer";
        const auto liste = s_hm::siegerliste();
        ASSERT_EQ(int(liste.size()), 5);
        for (const s_hm::Tabellenname& t : liste) {
            const QRect reihe(1, t.y, 254, std::min(30, 216 - t.y));
            const QRect tinte = tintenrahmen(b, reihe, gruen);
            ASSERT_FALSE(tinte.isNull()) << t.name.toStdString();
            EXPECT_GE(tinte.left(), t.x) << t.name.toStdString() << " " << beschreibung(tinte).toStdString();
            EXPECT_LE(tinte.right(), spaltenende(t.x))
                << t.name.toStdString() << " " << beschreibung(tinte).toStdString();
        }
    }

    TForm41* hub = nullptr;
    TForm47* aufbau = nullptr;
    QString bildschirm;
};

} // namespace

// "Botschaften" marks a loser with 150, ten pixels further right in the table than the other games' 140.
TEST_F(Gruppenergebnis, BotschaftenZeigtNamenGanz)
{
    if (!onXServer()) GTEST_SKIP();
    spielen<TForm60>(6, aufbau->Bot_RArten, 0);
}

// "Wörterraten" shows the word of a lost turn, up to 17 letters, under the name and its result.
TEST_F(Gruppenergebnis, WoerterratenZeigtNamenUndWortGanz)
{
    if (!onXServer()) GTEST_SKIP();
    spielen<TForm62>(8, aufbau->wortwahl, 14);
}
