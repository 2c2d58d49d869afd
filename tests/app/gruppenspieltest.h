#pragma once
// What the group-game tests share: the program's windows, a data folder as the first run leaves it, the hub's
// game buttons, and clicks on the real controls.

#include "app/programmkoerper.h"
#include "games/s_hm.h"
#include "games/s_zrat.h"
#include "games/sp_haupt.h"
#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "support/fixtures.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

// The group games' set-up window and number guessing, opened from the games hub of the program's windows.
class GruppenspielTest : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        datpfad = dataFolder();
        const QString quelle = QStringLiteral(TAVI_INSTALLORDNER);
        QDirIterator it(quelle, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString datei = it.next();
            const QString ziel = dataFolder() + QDir(quelle).relativeFilePath(datei);
            QDir().mkpath(QFileInfo(ziel).path());
            QFile::copy(datei, ziel);
            QFile(ziel).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        }
        // The offscreen screen holds 800 x 800 pixels.
        skala_x = 0.78f;
        skala_y = 0.78f;
        if (!Form1) fensterErzeugen();
        hub = dynamic_cast<TForm41*>(Form41);
        aufbau = dynamic_cast<TForm47*>(Form47);
        spiel = dynamic_cast<TForm58*>(Form58);
        ASSERT_TRUE(hub && aufbau && spiel);
    }
    void TearDown() override
    {
        Form::setModalDriver({});
        TaviTest::TearDown();
    }

    // Game button `code` of the hub; `imAufbau` runs in the set-up window, `imSpiel` in every game window shown.
    void oeffnen(int code, const std::function<void()>& imAufbau, const std::function<void(Form&)>& imSpiel = {})
    {
        Form::setModalDriver([&](Form& f) {
            gezeigt << &f;
            if (&f == hub)
                hub->spielknopf(code)->Click();
            else if (&f == aufbau)
                imAufbau();
            else if (imSpiel)
                imSpiel(f);
        });
        hub->showModal();
        Form::setModalDriver({});
    }

    void namen(const QStringList& n)
    {
        Edit* felder[] = { aufbau->Edit1, aufbau->Edit2, aufbau->Edit3, aufbau->Edit4, aufbau->Edit5 };
        for (int k = 0; k < 5; ++k) {
            felder[k]->clear();
            QTest::keyClicks(felder[k], n.value(k));
        }
    }
    static void klick(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
    void waehlen(RadioGroup* g, int i) { klick(g->button(i)); }

    // Types v on the keypad and presses Enter.
    void raten(int v)
    {
        for (QChar ch : QString::number(v))
            klick(spiel->findChild<Button*>(QStringLiteral("Button") + ch));
        klick(spiel->Button14);
    }
    // A number that is not the secret one.
    int daneben() const { return spiel->geheimzahl() == 1 ? 2 : 1; }
    void wieder() { klick(spiel->startknopf); }
    // One miss, then "weiter" for the next attempt while the turn goes on.
    void fehlversuch(int variante)
    {
        if (variante == 1) klick(spiel->kleiner);
        raten(daneben());
        if (spiel->zustand() == 0) wieder();
    }
    void finden(int variante)
    {
        if (variante == 1) klick(spiel->gleich);
        raten(spiel->geheimzahl());
    }

    // The word games: a turn with a one-minute limit runs until its last tick and ends at it, with `status`
    // for the player.
    template <class Wortspiel> void minuteAblaufen(Wortspiel* f, int status)
    {
        klick(f->startknopf);
        for (int i = 1; i < 60; ++i)
            f->Timer1->trigger();
        EXPECT_EQ(f->zustand(), 4);
        f->Timer1->trigger();
        EXPECT_EQ(f->zustand(), 1);
        EXPECT_EQ(spielerstatus[1], status);
        klick(f->startknopf);
    }
    // The word games with one usable word: two players give it up in turn, and each turn draws it.
    template <class Wortspiel> void einzigesWortAbbrechen(Wortspiel* f, Button* abbrechen)
    {
        for (int k = 0; k < 2; ++k) {
            EXPECT_EQ(f->wort(), QString("HUND"));
            klick(abbrechen);
            klick(f->startknopf);
        }
    }

    TForm41* hub = nullptr;
    TForm47* aufbau = nullptr;
    TForm58* spiel = nullptr;
    QList<Form*> gezeigt;
};
