#include "games/s_15gewinnt.h"
#include "games/s_1x1flip.h"
#include "games/s_2nachbar.h"
#include "games/s_KP.h"
#include "games/s_abraum.h"
#include "games/s_botsch.h"
#include "games/s_bufeld.h"
#include "games/s_hm.h"
#include "games/s_kette.h"
#include "games/s_lvr.h"
#include "games/s_masch.h"
#include "games/s_pyra.h"
#include "games/s_tic.h"
#include "games/s_tictactoe.h"
#include "games/s_vg_100.h"
#include "games/s_vgspiel.h"
#include "games/s_wraten.h"
#include "games/s_zauber.h"
#include "games/s_zeichziff.h"
#include "games/s_ziele.h"
#include "games/s_zrat.h"
#include "games/sp_haupt.h"
#include "games/sp_haupt_logik.h"
#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "shell/tastenfeld.h"
#include "support/programm.h"

#include <QTest>

namespace {

// A "sw.ina" as a school's data folder may hold it after a full disk, a crash or a hand edit, made from the
// installed file.
struct Schaden {
    const char* name;
    std::function<QByteArray(const QByteArray&)> machen;
};

void PrintTo(const Schaden& schaden, std::ostream* os)
{
    *os << schaden.name;
}

QByteArray abschneiden(const QByteArray& d, const QByteArray& nach)
{
    return d.left(d.indexOf(nach) + nach.size());
}

// Every value line replaced by `neu(index of the line, old line)`.
QByteArray wertezeilen(const QByteArray& d, const std::function<QByteArray(int, const QByteArray&)>& neu)
{
    QList<QByteArray> zeilen = d.split('\n');
    for (int i = 3; i < zeilen.size(); i += 2)
        zeilen[i] = neu(i, zeilen[i].chopped(1)) + '\r';
    return zeilen.join('\n');
}

QByteArray ersterWert(const QByteArray& d, const QByteArray& wert)
{
    return wertezeilen(d, [&](int, const QByteArray& z) {
        const int blank = z.indexOf(' ');
        return wert + (blank < 0 ? QByteArray() : z.mid(blank));
    });
}

const Schaden schaeden[] = {
    { "leer", [](const QByteArray&) { return QByteArray(); } },
    { "mitten_im_Abschnitt_abgeschnitten", [](const QByteArray& d) { return abschneiden(d, "masch\r\n0 1 2 3 0 1"); } },
    { "nach_Stichwort_abgeschnitten", [](const QByteArray& d) { return abschneiden(d, "flip\r\n"); } },
    { "keine_Zahlen",
        [](const QByteArray& d) {
            const QByteArray falsch[] = { "x 1", "1 O", "", "1,5 2" };
            return wertezeilen(d, [&](int i, const QByteArray&) { return falsch[i / 2 % 4]; });
        } },
    { "ausserhalb_minus_1", [](const QByteArray& d) { return ersterWert(d, "-1"); } },
    { "ausserhalb_99999", [](const QByteArray& d) { return ersterWert(d, "99999"); } },
    { "Pyramide_4", [](const QByteArray& d) { return QByteArray(d).replace("pyra\r\n0 1\r\n", "pyra\r\n4 1\r\n"); } },
    { "Zeile_100_KB",
        [](const QByteArray& d) {
            return QByteArray(d)
                .replace("kette\r\n1 1\r\n", "kette\r\n" + QByteArray(100000, '7') + "\r\n")
                .replace("zq\r\n1 1 0 0 0\r\n", "zq\r\n" + QByteArray(50000, '1').replace("1", "1 ") + "\r\n");
        } },
    { "UTF_8",
        [](const QByteArray& d) {
            QByteArray u = "\xEF\xBB\xBF" + QString::fromLatin1(d).toUtf8();
            return u.replace("\r\n", "\n")
                .replace("pyra\n0 1\n",
                    "pyra\n0\xC2\xA0"
                    "1\n");
        } },
};

// The games in the order of the hub's buttons, but the pyramid of four first: its section is still damaged then.
const int spiele[] = { 13, 9, 11, 20, 21, 22, 4, 12, 1, 14, 15, 16, 17, 2, 3, 25, 24, 26, 5, 6, 7, 8, 18, 19 };

void klick(QWidget* w)
{
    if (w && w->isVisible() && w->isEnabled()) QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// A pupil chooses the first item of every list shown without a choice.
void ersteWaehlen(std::initializer_list<ListBox*> listen)
{
    for (ListBox* l : listen)
        if (l->isVisible() && l->selectedItems().isEmpty())
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(0)).center());
}

// One move in a game window, as a pupil makes it: the controls pressed in turn.
QList<QWidget*> zug(Form& f)
{
    if (auto* w = dynamic_cast<TForm52*>(&f)) return { w->Button5, w->Button8, w->tastenblock->ziffer(1), w->Button10 };
    if (auto* w = dynamic_cast<TForm49*>(&f))
        return { w->tastenblock->ziffer(1), w->tastenblock->ziffer(2), w->Button1 };
    if (auto* w = dynamic_cast<TForm50*>(&f))
        return { w->tastenblock->ziffer(1), w->tastenblock->Button13, w->tastenblock->ziffer(2),
            w->tastenblock->Button13 };
    if (auto* w = dynamic_cast<TForm53*>(&f))
        return { w->zellen[0], w->zellen[1], w->zellen[2], w->vorrat[0], w->tastenblock->ziffer(1) };
    if (auto* w = dynamic_cast<TForm43*>(&f)) return { w->symbolknoepfe[0], w->tastenblock->ziffer(1), w->Button13 };
    if (auto* w = dynamic_cast<TForm51*>(&f)) return { w->Button1, w->Button2, w->tastenblock->ziffer(1), w->Button4 };
    if (auto* w = dynamic_cast<TForm32*>(&f)) return { w->Button7, w->Button8 };
    if (auto* w = dynamic_cast<TForm55*>(&f)) return { w->Button4 };
    if (auto* w = dynamic_cast<TForm54*>(&f))
        return { w->tasten->ziffer(4), w->tasten->ziffer(5), w->tasten->Button13 };
    if (auto* w = dynamic_cast<TForm46*>(&f)) return { w->tasten->ziffer(1), w->tasten->Button13 };
    if (auto* w = dynamic_cast<TForm56*>(&f)) return { w->feld(5), w->stein(1) };
    if (auto* w = dynamic_cast<TForm57*>(&f)) return { w->zahl(1), w->Button10 };
    if (auto* w = dynamic_cast<TForm59*>(&f)) return { w->sprung(1) };
    if (auto* w = dynamic_cast<TForm58*>(&f))
        return { w->startknopf, w->findChild<Button*>(QStringLiteral("Button1")), w->Button14 };
    if (auto* w = dynamic_cast<TForm60*>(&f)) return { w->startknopf, w->buchstabenknopf(1) };
    if (auto* w = dynamic_cast<TForm61*>(&f)) return { w->Button8, w->Button4 };
    if (auto* w = dynamic_cast<TForm62*>(&f)) return { w->startknopf, w->buchstabenknopf(1) };
    if (auto* w = dynamic_cast<TForm48*>(&f)) return { w->Button8, w->Button5 };
    return {};
}

} // namespace

// Every game opens from its launcher with a damaged "sw.ina", a move is played, and what Start wrote back is
// a file whose every section reads again.
class SwinaSchadenTest : public ProgrammTest, public ::testing::WithParamInterface<Schaden> { };

TEST_P(SwinaSchadenTest, EveryGameOpensAndStartLeavesEverySectionReadable)
{
    const QByteArray installiert = readBytes(QStringLiteral(TAVI_INSTALLORDNER "/sw.ina"));
    writeBytes(dataPath("sw.ina"), GetParam().machen(installiert));
    auto* hub = dynamic_cast<TForm41*>(Form41);
    auto* kp = dynamic_cast<TForm42*>(Form42);
    auto* partner = dynamic_cast<TForm44*>(Form44);
    auto* gruppe = dynamic_cast<TForm47*>(Form47);
    ASSERT_TRUE(hub && kp && partner && gruppe);
    for (const int spiel : spiele) {
        SCOPED_TRACE(spiel);
        gezeigt.clear();
        errors.clear();
        const QString wort = sp_haupt::stichwort(spiel);
        zeigen(hub, [&](Form& f) {
            if (&f == hub) {
                hub->spielknopf(spiel)->Click();
            } else if (&f == kp) {
                ersteWaehlen({ kp->ListBox1, kp->ListBox2, kp->Lage });
                EXPECT_TRUE(kp->Button2->isEnabled());
                klick(kp->Button2);
                kp->Button10->Click();
            } else if (&f == partner) {
                klick(partner->Button2);
                partner->Button1->Click();
            } else if (&f == gruppe) {
                if (gruppe->Edit1->text().isEmpty()) QTest::keyClicks(gruppe->Edit1, "ANNA");
                ersteWaehlen({ gruppe->Lage });
                EXPECT_TRUE(gruppe->Button2->isEnabled());
                klick(gruppe->Button2);
                gruppe->Button10->Click();
            } else {
                // The game gets only options its launcher offers.
                if (!wort.isEmpty())
                    EXPECT_TRUE(sp_haupt::werteGueltig(wort, sp_haupt::abschnittwerte(wort))) << wort.toStdString();
                for (QWidget* w : zug(f))
                    klick(w);
                QTest::keyClick(&f, Qt::Key_Escape);
            }
        });
        ASSERT_TRUE(gezeigt.contains(spielfenster(spiel)));
        // A damaged section is told once, by name.
        EXPECT_LE(errors.size(), 1);
        for (const QString& e : errors)
            EXPECT_EQ(e, sp_haupt::beschaedigtMeldung(wort));
    }
    const QByteArray danach = readBytes(dataPath("sw.ina"));
    if (GetParam().machen(installiert).isEmpty()) {
        EXPECT_TRUE(danach.startsWith(installiert.left(installiert.indexOf("ziel"))));
    }
    for (const QByteArray& zeile : installiert.split('\n')) {
        const QString wort = QString::fromLatin1(zeile.trimmed());
        if (!sp_haupt::abschnittwerte(wort).empty())
            EXPECT_EQ(sp_haupt::abschnittladen(wort), einstellungsdatei::Abschnittstand::gelesen) << zeile.data();
    }
    EXPECT_LE(danach.count('\n'), installiert.count('\n'));
}

INSTANTIATE_TEST_SUITE_P(Schaeden, SwinaSchadenTest, ::testing::ValuesIn(schaeden),
    [](const ::testing::TestParamInfo<Schaden>& info) { return std::string(info.param.name); });
