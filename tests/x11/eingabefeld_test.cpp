// What is typed over a field the program filled replaces it: the focus the program, Tab or an arrow gives an
// edit selects its text, a click of the mouse places the cursor. With the program's own windows, under X.
#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/dverw.h"
#include "shell/fenster.h"
#include "support/keys.h"
#include "support/programm.h"
#include "support/xserver.h"

#include <QDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Eingabefeld : public ProgrammTest {
protected:
    void SetUp() override
    {
        ProgrammTest::SetUp();
        if (!onXServer()) GTEST_SKIP();
    }

    template <typename T> static T* control(Form* f, const char* name) { return f->findChild<T*>(QLatin1String(name)); }

    static void klick(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

    // Typed into whatever has the keys, as the keyboard would.
    static void tippen(const QString& text)
    {
        ASSERT_TRUE(keyReceiver());
        QTest::keyClicks(keyReceiver(), text);
    }
};

} // namespace

TEST_F(Eingabefeld, dasPasswortUeberDenSternchenOeffnetDieVerwaltung)
{
    writeBytes(dataPath("dw.ina"), "Dateiverwaltung\r\nlehrer\r\nEnde\r\n");
    int geoeffnet = 0;
    zeigen(Form1, [&](Form& f) {
        ASSERT_TRUE(waitActive(&f)) << f.caption().toStdString();
        if (&f == Form34) {
            ++geoeffnet;
            return;
        }
        if (&f != Form1) return;
        auto* verwaltung = control<Button>(Form1, "Button5");
        auto* passwort = control<Edit>(Form1, "Edit1");
        ASSERT_TRUE(verwaltung && passwort);
        klick(verwaltung);
        EXPECT_EQ(geoeffnet, 0);
        ASSERT_EQ(keyReceiver(), passwort);
        EXPECT_EQ(passwort->text(), "******");
        tippen(QStringLiteral("lehrer"));
        EXPECT_EQ(passwort->text(), "lehrer");
        klick(verwaltung);
        EXPECT_EQ(geoeffnet, 1);
        ASSERT_TRUE(waitActive(Form1));

        // A wrong password is replaced as well, and the right one typed after it opens.
        passwort->setText(QStringLiteral("falsch"));
        klick(verwaltung);
        EXPECT_EQ(geoeffnet, 1);
        ASSERT_EQ(keyReceiver(), passwort);
        tippen(QStringLiteral("lehrer"));
        klick(verwaltung);
        EXPECT_EQ(geoeffnet, 2);
    });
    EXPECT_EQ(geoeffnet, 2);
}

TEST_F(Eingabefeld, derGetippteDatenordnerErsetztDenVorschlagEinKlickSetztDieEinfuegemarke)
{
    writeBytes(programFolder() + "kl.ina", "x\r\nohne\r\n");
    const QString getippt = dataFolder() + "Daten";
    bool geprueft = false;
    zeigen(Form1, [&](Form& f) {
        ASSERT_TRUE(waitActive(&f));
        if (&f != Form1) return;
        auto* pfad = control<Edit>(Form1, "Edit2");
        ASSERT_TRUE(pfad);
        ASSERT_EQ(keyReceiver(), pfad);
        const QString vorschlag = pfad->text();
        ASSERT_FALSE(vorschlag.isEmpty());
        EXPECT_EQ(pfad->selectedText(), vorschlag);

        // Away with Tab, back with a click: the cursor stands where the click was, nothing is selected.
        ASSERT_TRUE(sendKey(Qt::Key_Tab));
        ASSERT_NE(keyReceiver(), pfad);
        const QPoint stelle(pfad->width() / 3, pfad->height() / 2);
        const int marke = pfad->cursorPositionAt(stelle);
        ASSERT_GT(marke, 0);
        ASSERT_LT(marke, vorschlag.size());
        QTest::mouseClick(pfad, Qt::LeftButton, {}, stelle);
        ASSERT_EQ(keyReceiver(), pfad);
        EXPECT_FALSE(pfad->hasSelectedText());
        EXPECT_EQ(pfad->cursorPosition(), marke);
        tippen(QStringLiteral("x"));
        EXPECT_EQ(pfad->text(), vorschlag.left(marke) + "x" + vorschlag.mid(marke));

        // Backtab away and Tab back selects it all again; the typed path replaces it.
        QTest::keyClick(keyReceiver(), Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_NE(keyReceiver(), pfad);
        ASSERT_TRUE(sendKey(Qt::Key_Tab));
        ASSERT_EQ(keyReceiver(), pfad);
        EXPECT_EQ(pfad->selectedText(), pfad->text());
        tippen(getippt);
        EXPECT_EQ(pfad->text(), getippt);
        geprueft = true;
        ASSERT_TRUE(sendKey(Qt::Key_Tab));
        ASSERT_TRUE(sendKey(Qt::Key_Return)); // "ok"
    });
    EXPECT_TRUE(geprueft);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
    EXPECT_EQ(readBytes(programFolder() + "kl.ina").split('\r').first(), (getippt + "/").toUtf8());
}

TEST_F(Eingabefeld, derZuAenderndeNameWirdDurchDenGetipptenErsetzt)
{
    QDir().mkpath(dataPath("k_liste"));
    QByteArray namen = "01 Anna\r\n02 Ben\r\n";
    for (int i = 3; i <= 40; ++i)
        namen += QByteArray::number(i).rightJustified(2, '0') + " \xdclrike \xc4rmel\r\n";
    writeBytes(dataPath("k_liste/2B.TXT"), namen);
    for (int i = 1; i <= 30; ++i)
        writeBytes(dataPath("k_liste/" + QString("K%1").arg(i, 2, 10, QChar(u'0')) + ".TXT"), "01 Anna\r\n");
    QDir().mkpath(dataPath("Klassen/2B/01 Anna"));
    QDir().mkpath(dataPath("Klassen/2B/02 Ben"));
    auto* w = dynamic_cast<TForm34*>(Form34);
    ASSERT_TRUE(w);
    bool geprueft = false;
    zeigen(w, [&](Form& f) {
        if (&f != w) return;
        ASSERT_TRUE(waitActive(w));
        klick(w->Button3); // "einen Namen ändern"
        ASSERT_TRUE(sendKey(Qt::Key_Return)); // 2B
        ASSERT_TRUE(sendKey(Qt::Key_Down));
        ASSERT_TRUE(sendKey(Qt::Key_Return)); // Ben
        ASSERT_EQ(keyReceiver(), w->Edit1);
        EXPECT_EQ(w->Edit1->text(), "Ben");
        grabToPng(w, QStringLiteral("verwaltung_name_aendern"));
        // Every letter is taken; a digit is said under the edit.
        typeText(w, QStringLiteral("Benno Yıldız4"));
        EXPECT_EQ(w->Edit1->text(), "Benno Yıldız");
        EXPECT_TRUE(w->namenhinweis->isVisible());
        geprueft = true;
        ASSERT_TRUE(sendKey(Qt::Key_Escape));
        ASSERT_TRUE(sendKey(Qt::Key_Escape));
    });
    EXPECT_TRUE(geprueft);
}

TEST_F(Eingabefeld, einAbgewiesenesZeichenBleibtGesagtBisDerNameGespeichertIst)
{
    QDir().mkpath(dataPath("k_liste"));
    writeBytes(dataPath("k_liste/2A.TXT"), "01 Anna\r\n02 Ben\r\n");
    auto* w = dynamic_cast<TForm34*>(Form34);
    ASSERT_TRUE(w);
    bool geprueft = false;
    zeigen(w, [&](Form& f) {
        if (&f != w) return;
        ASSERT_TRUE(waitActive(w));
        klick(w->Button2); // "einen Namen hinzufügen"
        ASSERT_TRUE(sendKey(Qt::Key_Return)); // 2A
        ASSERT_EQ(keyReceiver(), w->Edit1);
        // Enter is no character of a name: nothing is said.
        tippen(QStringLiteral("Kim"));
        ASSERT_TRUE(sendKey(Qt::Key_Return));
        EXPECT_TRUE(w->namenhinweis->isHidden());
        // Typed in one go: the letters after the refused ":" leave its note standing.
        tippen(QStringLiteral(":Lee"));
        EXPECT_EQ(w->Edit1->text(), "KimLee");
        EXPECT_TRUE(w->namenhinweis->isVisible());
        EXPECT_EQ(w->namenhinweis->caption(), "„:“ gehört nicht in einen Namen.");
        grabToPng(w, QStringLiteral("verwaltung_zeichen_abgewiesen"));
        klick(w->Button8); // "Liste speichern"
        EXPECT_TRUE(w->namenhinweis->isHidden());
        grabToPng(w, QStringLiteral("verwaltung_zeichen_gespeichert"));
        geprueft = true;
        ASSERT_TRUE(sendKey(Qt::Key_Escape));
    });
    EXPECT_TRUE(geprueft);
    EXPECT_EQ(readBytes(dataPath("k_liste/2A.TXT")), "01 Anna\r\n02 Ben\r\n03 KimLee\r\n");
}
