#include "aids/h_strahl.h"
#include "aids/h_strahl_logik.h"
#include "aids/hilfenfixture.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/mousetrap.h"
#include "platform/paintbox.h"
#include "shell/SBEx.h"
#include "shell/fenster.h"
#include "support/keys.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTest>

namespace {

class StrahlTest : public HilfenfensterTest {
protected:
    StrahlTest()
        : HilfenfensterTest({ 0.8f, 0.6f, 5, 10 })
    {
    }
    void SetUp() override
    {
        HilfenfensterTest::SetUp();
        programmcode = strahl::kBis10;
        variante = strahl::kZeigen;
        writeBytes(dataPath("hw.ina"), hwIna(true));
    }

    static QByteArray hwIna(bool mitStrahl)
    {
        QByteArray b = "TAVI Einstellungen Hilfen\r\nnicht von Hand \xe4ndern\r\nlimit\r\n5 10\r\nwieviel\r\n"
                       "3 4 5 6 7 8 9 2\r\n";
        if (mitStrahl) b += "Strahl\r\n0\r\n";
        b += "Schlangen\r\n3 4 5 6 7 0\r\n";
        return b;
    }

    static QPoint aufDerLinie(int n) { return punkt(strahl::xVon(programmcode, n), 300); }

    static void maus(QWidget* w, QEvent::Type typ, QPoint p)
    {
        const Qt::MouseButton knopf = typ == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(typ, QPointF(p), w->mapToGlobal(QPointF(p)), knopf,
            typ == QEvent::MouseButtonPress ? Qt::MouseButtons(Qt::LeftButton) : Qt::MouseButtons(), Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    static void bewegen(QWidget* w, QPoint p) { maus(w, QEvent::MouseMove, p); }
    static void klicken(QWidget* w, QPoint p)
    {
        bewegen(w, p);
        maus(w, QEvent::MouseButtonPress, p);
        maus(w, QEvent::MouseButtonRelease, p);
    }

    static QRgb farbe(TForm67& f, QPoint p) { return f.canvas().pixel(p.x(), p.y()).rgb() & 0xffffff; }
};

constexpr QRgb kRot = 0xff0000, kBlau = 0x0000ff, kWeiss = 0xffffff;

} // namespace

TEST_F(StrahlTest, PointingJudgesOnlyOverTheLineBand)
{
    TForm67 f;
    Form::setModalDriver([&](Form& shown) {
        if (&shown != &f) return;
        const int ziel = zielzahl;
        ASSERT_GE(ziel, 1);
        ASSERT_LE(ziel, 9);
        EXPECT_FALSE(f.KeyPreview);
        EXPECT_FALSE(f.tastenfeld->Rechner->isVisible());
        EXPECT_TRUE(f.PfeilePanel->isVisible());
        EXPECT_EQ(mausbereich.top, punkt(0, 200).y());
        EXPECT_EQ(mausbereich.bottom, punkt(0, 380).y());

        // Below the line, at the pixel whose raw x is the sought number: nothing is judged.
        klicken(&f, QPoint(Round(ziel * double(skala_x)), punkt(0, 450).y()));
        klicken(&f, QPoint(aufDerLinie(ziel).x(), punkt(0, 380).y()));
        // Left of 0: neither counted nor marked.
        klicken(&f, punkt(40, 300));
        EXPECT_EQ(aufgabeneingaben, 0);
        EXPECT_EQ(anzahl, 0);
        EXPECT_FALSE(f.gezeigt());

        // A wrong place counts one input and writes its number.
        const int falsch = ziel == 1 ? 2 : 1;
        klicken(&f, aufDerLinie(falsch));
        EXPECT_EQ(aufgabeneingaben, 1);
        EXPECT_GT(
            pixel(f.canvas(), { strahl::xVon(14, falsch) - 20, 290, strahl::xVon(14, falsch) + 20, 330 }, kRot), 20);
        EXPECT_EQ(anzahl, 0);
        grabToPng(&f, QStringLiteral("h_strahl_zeigen_falsch"));

        // The arrow keys from there, then Enter ("gefunden?").
        for (int i = falsch; i < ziel; ++i)
            pressKey(&f, Qt::Key_Right);
        EXPECT_EQ(f.gezeigt(), ziel);
        EXPECT_EQ(wahl6, ziel);
        pressKey(&f, Qt::Key_Return);
        EXPECT_EQ(anzahl, 1);
        EXPECT_EQ(eingabengesamt, 2);
        EXPECT_EQ(eingabenrichtig, 1);
        EXPECT_EQ(zwbyte5, 1);
        EXPECT_FALSE(f.aufgabeLaeuft());
        EXPECT_TRUE(f.nocheinebutton->isVisible());
        EXPECT_TRUE(f.zeignenn->isVisible());
        EXPECT_EQ(mausbereich.top, punkt(0, 420).y());
        // The arc from 0 to the number: its top, red.
        const int h = strahl::bogenhoehe(14, ziel);
        EXPECT_EQ(farbe(f, punkt((100 + strahl::xVon(14, ziel)) / 2, 215 - h)), kRot);
        grabToPng(&f, QStringLiteral("h_strahl_zeigen_bogen"));

        // A solved task takes no more clicks, even should the pointer get back to the line.
        klicken(&f, aufDerLinie(ziel));
        EXPECT_EQ(anzahl, 1);
        EXPECT_EQ(eingabengesamt, 2);
        f.endebutton->Click();
    });
    f.showModal();
    EXPECT_EQ(protzeilen[4], "Schwierigkeitsstufe:   n u r  zeigen");
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(StrahlTest, NamingCountsDigitsAndEnterAndKeepsTheSwapMessageForOneRedisplay)
{
    programmcode = strahl::kBis100;
    variante = strahl::kNennen;
    TForm67 f;
    Form::setModalDriver([&](Form& shown) {
        if (&shown != &f) return;
        EXPECT_TRUE(f.KeyPreview);
        EXPECT_TRUE(f.tastenfeld->Rechner->isVisible());
        EXPECT_FALSE(f.PfeilePanel->isVisible());
        EXPECT_EQ(mausbereich.top, punkt(0, 410).y());
        grabToPng(&f, QStringLiteral("h_strahl_nennen"));

        // The task is changed under the window's feet to a number with two different digits.
        zielzahl = 24;
        typeText(&f, QStringLiteral("0")); // a first 0 only for a multiple of 10
        EXPECT_EQ(zifferneingabe, "");
        typeText(&f, QStringLiteral("4215")); // three digits kept, the fourth neither kept nor counted
        EXPECT_EQ(zifferneingabe, "421");
        EXPECT_EQ(aufgabeneingaben, 3);
        pressKey(&f, Qt::Key_Backspace); // costs nothing
        EXPECT_EQ(zifferneingabe, "42");
        EXPECT_EQ(aufgabeneingaben, 3);
        pressKey(&f, Qt::Key_Return);
        // A wrong Enter is two inputs; the message outlives the redisplay that follows it.
        EXPECT_EQ(aufgabeneingaben, 5);
        EXPECT_EQ(zifferneingabe, "");
        Canvas& a = f.agbox->canvas();
        const TRect meldung { 20, 320, 250, 390 };
        EXPECT_GT(pixel(a, meldung, kBlau), 50);
        EXPECT_GT(pixel(f.canvas(), { strahl::xVon(16, 42) - 20, 333, strahl::xVon(16, 42) + 20, 380 }, kRot), 20);
        grabToPng(&f, QStringLiteral("h_strahl_nennen_zehner_zuerst"));
        typeText(&f, QStringLiteral("2"));
        EXPECT_EQ(pixel(a, meldung, kBlau), 0);

        typeText(&f, QStringLiteral("4"));
        pressKey(&f, Qt::Key_Return);
        EXPECT_EQ(anzahl, 1);
        EXPECT_EQ(aufgabeneingaben, 8);
        EXPECT_EQ(eingabengesamt, 8);
        EXPECT_EQ(eingabenrichtig, 3);
        EXPECT_EQ(zwbyte6, 1);
        EXPECT_FALSE(f.KeyPreview);

        // A multiple of 10 takes a first 0.
        pressKey(&f, Qt::Key_Return); // "noch eine Aufgabe?"
        EXPECT_TRUE(f.KeyPreview);
        zielzahl = 30;
        typeText(&f, QStringLiteral("0"));
        EXPECT_EQ(zifferneingabe, "0");
        f.endebutton->Click();
    });
    f.showModal();
    EXPECT_EQ(protzeilen[2], "Programm:              Orientierung am Strahl bis 100");
    EXPECT_EQ(protzeilen[4], "Schwierigkeitsstufe:   n u r  nennen");
    EXPECT_EQ(protzeilen[10], "       falsch/unnötig: 5");
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(StrahlTest, SwitchingTheModeStartsANewTaskAndTheEndKeepsTheMode)
{
    programmcode = strahl::kBis20;
    TForm67 f;
    Form::setModalDriver([&](Form& shown) {
        if (&shown != &f) return;
        klicken(&f, aufDerLinie(zielzahl));
        ASSERT_EQ(anzahl, 1);
        QTest::mouseClick(f.Button10, Qt::LeftButton);
        EXPECT_EQ(variante, strahl::kNennen);
        EXPECT_TRUE(f.aufgabeLaeuft());
        EXPECT_FALSE(f.zeignenn->isVisible());
        EXPECT_FALSE(f.nocheinebutton->isVisible());
        EXPECT_TRUE(f.KeyPreview);
        EXPECT_EQ(f.gezeigt(), zielzahl); // the arrow marks the sought number
        typeText(&f, QString::number(zielzahl));
        pressKey(&f, Qt::Key_Return);
        EXPECT_EQ(anzahl, 2);
        grabToPng(&f, QStringLiteral("h_strahl_bis20_nennen_bogen"));
        pressKey(&f, Qt::Key_Escape);
    });
    f.showModal();
    EXPECT_EQ(protzeilen[4], "Schwierigkeitsstufe:   zeigen  u n d  nennen");
    EXPECT_EQ(readBytes(dataPath("hw.ina")), hwIna(true).replace("Strahl\r\n0\r\n", "Strahl\r\n1\r\n"));
}

TEST_F(StrahlTest, TheEndWritesTheModeEvenWithoutItsSectionAndLeavesWithoutTheFile)
{
    variante = strahl::kNennen;
    writeBytes(dataPath("hw.ina"), hwIna(false));
    {
        TForm67 f;
        Form::setModalDriver([&](Form& shown) {
            if (&shown == &f) f.endebutton->Click();
        });
        f.showModal();
        // Nothing solved: no level, and no text another aid left there.
        EXPECT_EQ(protzeilen[4], "Schwierigkeitsstufe:   ---");
        EXPECT_EQ(readBytes(dataPath("hw.ina")), hwIna(false) + "Strahl\r\n1\r\n");
    }
    QFile::remove(dataPath("hw.ina"));
    TForm67 f;
    Form::setModalDriver([&](Form& shown) {
        if (&shown == &f) f.endebutton->Click();
    });
    f.showModal();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(errors.size(), 1);
    EXPECT_FALSE(mousetrap::current().has_value());
}
