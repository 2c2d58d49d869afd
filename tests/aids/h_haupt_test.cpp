#include "aids/h_haupt.h"
#include "aids/h_haupt_logik.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/folders.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/einstellungsdatei.h"
#include "shell/fenster.h"
#include "shell/platzhalter.h"
#include "shell/zeilendruck.h"
#include "support/fixtures.h"
#include "support/keys.h"

#include <QApplication>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <memory>
#include <vector>

namespace {

class HHauptTest : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        datpfad = dataFolder();
        QFile::copy(folders::installFolder() + QStringLiteral("hw.ina"), hwina());
        QFile(hwina()).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        const std::pair<Form**, const char*> hilfen[]
            = { { &Form64, "TForm64" }, { &Form66, "TForm66" }, { &Form67, "TForm67" }, { &Form68, "TForm68" },
                  { &Form69, "TForm69" }, { &Form70, "TForm70" }, { &Form71, "TForm71" }, { &Form72, "TForm72" },
                  { &Form73, "TForm73" }, { &Form74, "TForm74" }, { &Form75, "TForm75" }, { &Form76, "TForm76" },
                  { &Form77, "TForm77" }, { &Form78, "TForm78" }, { &Form79, "TForm79" }, { &Form80, "TForm80" },
                  { &Form81, "TForm81" }, { &Form82, "TForm82" }, { &Form83, "Tform83" } };
        for (const auto& [zeiger, klasse] : hilfen) {
            platzhalter.push_back(std::make_unique<Platzhalter>(QLatin1String(klasse), QString()));
            *zeiger = platzhalter.back().get();
        }
        Form63 = &hub;
    }
    void TearDown() override
    {
        Form::setModalDriver({});
        for (Form** zeiger : { &Form63, &Form64, &Form66, &Form67, &Form68, &Form69, &Form70, &Form71, &Form72, &Form73,
                 &Form74, &Form75, &Form76, &Form77, &Form78, &Form79, &Form80, &Form81, &Form82, &Form83 })
            *zeiger = nullptr;
        TaviTest::TearDown();
    }

    QString hwina() const { return dataPath(QStringLiteral("hw.ina")); }
    QList<QByteArray> zeilen() const { return readBytes(hwina()).split('\n'); }

    // The line after a keyword.
    QByteArray werte(const char* stichwort) const
    {
        const QList<QByteArray> z = zeilen();
        for (int i = int(z.size()) - 2; i >= 0; --i)
            if (z[i] == QByteArray(stichwort) + '\r') return z[i + 1].chopped(1);
        return {};
    }

    void abschnittErsetzen(const char* stichwort, const char* neu)
    {
        QByteArray alles = readBytes(hwina());
        alles.replace(
            QByteArray(stichwort) + "\r\n" + werte(stichwort) + "\r\n", QByteArray(stichwort) + "\r\n" + neu + "\r\n");
        writeBytes(hwina(), alles);
    }

    // Shows the hub and runs `schritte` in it; an aid opened meanwhile runs `inDerHilfe` and closes.
    void imHub(const std::function<void()>& schritte, const std::function<void(Form&)>& inDerHilfe = {})
    {
        Form::setModalDriver([&](Form& f) {
            if (&f == &hub) {
                schritte();
                return;
            }
            geoeffnet << &f;
            codes << programmcode;
            if (inDerHilfe) inDerHilfe(f);
        });
        hub.showModal();
        Form::setModalDriver({});
    }

    static void waehlen(ListBox* liste, std::initializer_list<int> items)
    {
        for (int i = 0; i < liste->count(); ++i)
            liste->setSelected(i, std::find(items.begin(), items.end(), i) != items.end());
        liste->OnClick();
    }

    static std::vector<int> gewaehlt(const ListBox* liste)
    {
        std::vector<int> s;
        for (int i = 0; i < liste->count(); ++i)
            if (liste->Selected(i)) s.push_back(i);
        return s;
    }

    static void klicken(RadioGroup* g, int item) { g->button(item)->click(); }

    TForm63 hub;
    std::vector<std::unique_ptr<Platzhalter>> platzhalter;
    QList<Form*> geoeffnet;
    QList<int> codes;
};

} // namespace

// ---- Work limits ----

TEST_F(HHauptTest, NinetyNineMinutesAndTasksBecomeFifteenAndThirtyInTheLabelsAndTheFile)
{
    const QList<QByteArray> vorher = zeilen();
    imHub([&] {
        EXPECT_EQ(hub.Label4->caption(), "Arbeitszeit: 0 min");
        EXPECT_TRUE(hub.focusWidget() == hub.endebutton);
        hub.Button12->Click(); // an options panel is open
        hub.Button11->Click();
        EXPECT_TRUE(hub.Protfunktionen->isVisible());
        EXPECT_FALSE(hub.wievielep->isVisible());
        EXPECT_FALSE(hub.startknopf->isVisible());
        EXPECT_EQ(hub.Edit1->text(), "0");
        hub.Edit1->clear();
        typeText(&hub, QStringLiteral("9a9"));
        EXPECT_EQ(hub.Edit1->text(), "99");
        hub.Edit2->setFocus();
        hub.Edit2->clear();
        typeText(&hub, QStringLiteral("-9x9"));
        EXPECT_EQ(hub.Edit2->text(), "99"); // digits only
        pressKey(&hub, Qt::Key_Return); // "fertig"
        EXPECT_FALSE(hub.Protfunktionen->isVisible());
    });
    EXPECT_EQ(mindestminuten, 15);
    EXPECT_EQ(mindestaufgaben, 30);
    EXPECT_EQ(hub.Label4->caption(), "Arbeitszeit: 15 min");
    EXPECT_EQ(hub.Label5->caption(), "Aufgaben: 30");
    const QList<QByteArray> nachher = zeilen();
    ASSERT_EQ(nachher.size(), vorher.size());
    for (int i = 0; i < vorher.size(); ++i)
        EXPECT_EQ(nachher[i], i == 3 ? QByteArray("15 30\r") : vorher[i]) << "line " << i + 1;
}

TEST_F(HHauptTest, EmptyEditsCountAsNoLimitAndAMissingFileKeepsWhatTheLabelsShow)
{
    imHub([&] {
        hub.Button11->Click();
        hub.Edit1->clear();
        hub.Edit2->setText(QStringLiteral("7"));
        hub.Button9->Click();
    });
    EXPECT_EQ(werte("limit"), "0 7");
    QFile::remove(hwina());
    mindestminuten = 4;
    imHub([&] {
        EXPECT_EQ(hub.Label5->caption(), "Aufgaben: 7");
        hub.Button11->Click();
        runGuarded([&] { hub.Button9->Click(); }); // the file is gone: the handler stops with its error
        EXPECT_TRUE(hub.Protfunktionen->isVisible());
    });
    EXPECT_EQ(errors.size(), 1);
    EXPECT_FALSE(QFile::exists(hwina()));
}

// ---- Areas and panels ----

TEST_F(HHauptTest, EachAreaShowsItsGroupBoxAloneAndForgetsTheLastProtocolLine)
{
    protzeilen[5] = "Richtungen: nur +";
    imHub([&] {
        const std::pair<Button*, GroupBox*> bereiche[] = { { hub.Button1, hub.GBZahlBegriff },
            { hub.Button2, hub.gbRaum20 }, { hub.Button37, hub.gbpm100 }, { hub.Button4, hub.gb1x1 },
            { hub.Button3, hub.gbTabellen }, { hub.Button5, hub.GB_HSV }, { hub.Button6, hub.GB_SV } };
        for (const auto& [knopf, gruppe] : bereiche) {
            knopf->Click();
            EXPECT_EQ(protzeilen[5], "");
            for (const auto& [k, g] : bereiche)
                EXPECT_EQ(g->isVisible(), g == gruppe) << g->objectName().toStdString();
            EXPECT_EQ(gruppe->pos(), QPoint(328, 5));
        }
        EXPECT_FALSE(hub.Button7->isVisible());
    });
}

TEST_F(HHauptTest, APanelShowsExactlyWhatItsSectionSaysAndCountsItsTasks)
{
    abschnittErsetzen("zr10", "1 2 -1 -1 -1 -1 -1 -1 -1 1 -1 -1 -1 -1 -1 -1 -1 -1 -1 3 -1 -1 -1 -1 -1 -1 -1");
    imHub([&] {
        hub.ListBox1->setSelected(6, true); // left over from an earlier choice
        hub.Button2->Click();
        hub.Button24->Click();
        EXPECT_EQ(programmcode, 12);
        EXPECT_TRUE(hub.Zahlwahl10->isVisible());
        EXPECT_EQ(hub.Zahlwahl10->pos(), QPoint(790, 8));
        EXPECT_EQ(gewaehlt(hub.ListBox1), (std::vector<int> { 0, 1 }));
        EXPECT_EQ(gewaehlt(hub.ListBox2), (std::vector<int> { 0 }));
        EXPECT_EQ(gewaehlt(hub.ListBox3), (std::vector<int> { 1 }));
        EXPECT_EQ(hub.aufgabenzahl->caption(), "1");
        EXPECT_EQ(aufgabencodes[1], 21);
        EXPECT_TRUE(hub.startknopf->isEnabled());
        EXPECT_TRUE(hub.focusWidget() == hub.startknopf);

        waehlen(hub.ListBox3, {});
        EXPECT_EQ(hub.aufgabenzahl->caption(), "0");
        EXPECT_FALSE(hub.startknopf->isEnabled());
        waehlen(hub.ListBox3, { 0, 1, 2, 3, 4, 5, 6, 7, 8 });
        waehlen(hub.ListBox1, { 0, 1, 2, 3, 4, 5, 6, 7, 8 });
        waehlen(hub.ListBox2, { 0, 1, 2, 3, 4, 5, 6, 7, 8 });
        EXPECT_EQ(hub.aufgabenzahl->caption(), "45");
        EXPECT_TRUE(hub.startknopf->isEnabled());
    });
}

TEST_F(HHauptTest, StartWritesExactlyTheSectionOfItsCodeAndOpensThatAid)
{
    const QList<QByteArray> vorher = zeilen();
    imHub(
        [&] {
            hub.Button2->Click();
            hub.Button8->Click(); // plus, code 21
            waehlen(hub.ListBox1, { 0, 1 });
            waehlen(hub.ListBox2, { 0 });
            waehlen(hub.ListBox3, { 1 });
            pressKey(&hub, Qt::Key_Return);
            EXPECT_FALSE(hub.Zahlwahl10->isVisible());
            EXPECT_FALSE(hub.startknopf->isVisible());
            EXPECT_TRUE(hub.gbRaum20->isVisible());
            EXPECT_EQ(hub.Label4->caption(), "Arbeitszeit: 7 min"); // read again when the aid closed
            EXPECT_TRUE(hub.focusWidget() == hub.endebutton);
        },
        [&](Form&) {
            EXPECT_EQ(vorratsgroesse, 1);
            EXPECT_EQ(nummer, 1);
            // Another PC changes the work limits while the aid runs.
            einstellungsdatei::kopfschreiben(hwina(), 7, 12);
        });
    EXPECT_EQ(geoeffnet, QList<Form*> { Form69 });
    EXPECT_EQ(codes, QList<int> { 21 });
    EXPECT_EQ(wahltext, "1 2 + 1 = 3 ");
    const QList<QByteArray> nachher = zeilen();
    ASSERT_EQ(nachher.size(), vorher.size());
    for (int i = 0; i < vorher.size(); ++i) {
        if (i == 3) continue;
        if (i > 0 && vorher[i - 1] == "zr10\r")
            EXPECT_EQ(nachher[i], "1 2 -1 -1 -1 -1 -1 -1 -1 1 -1 -1 -1 -1 -1 -1 -1 -1 -1 3 -1 -1 -1 -1 -1 -1 -1\r");
        else
            EXPECT_EQ(nachher[i], vorher[i]) << "line " << i + 1;
    }
}

TEST_F(HHauptTest, EveryAidIsOpenedByItsCode)
{
    const std::pair<Button * TForm63::*, Form**> sofort[] = { { &TForm63::Button15, &Form67 },
        { &TForm63::Button18, &Form64 }, { &TForm63::Button19, &Form66 }, { &TForm63::Button20, &Form66 },
        { &TForm63::Button27, &Form68 }, { &TForm63::Button53, &Form74 }, { &TForm63::Button56, &Form75 } };
    abschnittErsetzen("Strahl", "1");
    imHub([&] {
        for (const auto& [knopf, fenster] : sofort) {
            geoeffnet.clear();
            (hub.*knopf)->Click();
            EXPECT_EQ(geoeffnet, QList<Form*> { *fenster });
        }
    });
    EXPECT_EQ(codes, (QList<int> { 14, 17, 18, 19, 111, 53, 56 }));
    EXPECT_EQ(variante, 1); // the number line's mode, loaded before it opened

    const std::pair<int, Form**> mitStart[] = { { 11, &Form68 }, { 13, &Form69 }, { 38, &Form69 }, { 110, &Form66 },
        { 40, &Form73 }, { 52, &Form73 }, { 46, &Form77 }, { 51, &Form71 }, { 54, &Form76 }, { 55, &Form72 },
        { 61, &Form70 }, { 610, &Form70 }, { 75, &Form78 }, { 84, &Form79 }, { 85, &Form80 }, { 87, &Form80 },
        { 86, &Form81 }, { 88, &Form82 }, { 89, &Form83 } };
    for (const auto& [code, fenster] : mitStart)
        EXPECT_EQ(fensterVonCode(code), *fenster) << code;
    EXPECT_EQ(fensterVonCode(56), Form75);
    EXPECT_EQ(fensterVonCode(0), nullptr);
    EXPECT_EQ(fensterVonCode(20), nullptr);
}

// An aid's protocol printout is named by the aid, so that a teacher tells the printouts apart: every aid the hub
// opens has a name of its own that a file name can hold.
TEST_F(HHauptTest, EveryAidHasANameOfItsOwnForItsProtocolPrintout)
{
    QList<int> hilfen { 41, 42, 43, 44, 45, 46, 71, 72, 73, 74, 75 };
    for (int code = 1; code < 1000; ++code)
        if (hub.knopf(code)) hilfen << code;
    QMap<QString, int> namen;
    for (int code : hilfen) {
        const QString name = zeilendruck::hilfenname(code);
        EXPECT_FALSE(name.isEmpty()) << code;
        EXPECT_FALSE(name.contains(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")))) << name.toStdString();
        // The two buttons of the rows and patterns open the same aid with the same options.
        if (namen.contains(name) && !(namen[name] == 40 && code == 52)) ADD_FAILURE() << code << " " << namen[name];
        namen.insert(name, code);
    }
    EXPECT_EQ(
        zeilendruck::protokolltitel(11, QStringLiteral("03 Öykü Ünal")), "Wie viele sind es Protokoll 03 Öykü Ünal");
}

TEST_F(HHauptTest, MoreThanFiveDivisorsKeepStartDisabled)
{
    imHub([&] {
        hub.Button3->Click();
        hub.Button28->Click();
        EXPECT_EQ(gewaehlt(hub.waagdurch), (std::vector<int> { 0, 1, 2, 3, 8 })); // as installed: 2 3 4 5 10
        EXPECT_TRUE(hub.startknopf->isEnabled());
        waehlen(hub.waagdurch, { 0, 1, 2, 3, 4, 8 });
        EXPECT_EQ(tabspaltenzahl, 6);
        EXPECT_FALSE(hub.startknopf->isEnabled());
        hub.startknopf->Click(); // not even a click from code starts it
        waehlen(hub.waagdurch, { 4 });
        EXPECT_TRUE(hub.startknopf->isEnabled());
        EXPECT_EQ(auswahl2[1], 6);
        hub.startknopf->Click();
    });
    EXPECT_EQ(codes, QList<int> { 64 });
    EXPECT_EQ(werte("tab1d1"), "-1 -1 -1 -1 6 -1 -1 -1 -1 0 0 1");
    EXPECT_EQ(wahltext, "6 ");
}

TEST_F(HHauptTest, TablesOfTheMiddleMultiplicationDescribeTheirFixedMargins)
{
    imHub([&] {
        hub.Button3->Click();
        hub.Button45->Click();
        klicken(hub.fenstertab8x8, 1);
        hub.startknopf->Click();
    });
    EXPECT_EQ(codes, QList<int> { 65 });
    EXPECT_EQ(wahltext, "2 3 4 5 6 7 8 9 // 2 3 4 5 6 7 8 9");
    EXPECT_EQ(werte("tab8x8"), "0 1");
}

TEST_F(HHauptTest, Raum100ChoosesTheKindFromItsTwoGroups)
{
    abschnittErsetzen("pm100", "2 1 1 0 0 0 0 0 3");
    imHub([&] {
        hub.Button37->Click();
        EXPECT_EQ(programmcode, 46);
        EXPECT_TRUE(hub.pm100_23->isVisible());
        EXPECT_EQ(hub.pm100_23->pos(), QPoint(765, 8));
        EXPECT_EQ(hub.pm100panelvar23->ItemIndex(), 3);
        EXPECT_EQ(hub.pm100hilfen->ItemIndex(), 1);
        EXPECT_TRUE(hub.focusWidget() == hub.startknopf);
        klicken(hub.pm100zahlwahl, 0);
        EXPECT_EQ(programmcode, 43);
        EXPECT_FALSE(hub.pm100_23->isVisible());
        EXPECT_TRUE(hub.pm100_13->isVisible());
        klicken(hub.pm100panelvar13, 4);
        EXPECT_EQ(hub.pm100stufe(43), 4);
        EXPECT_EQ(hub.pm100stufentext(43), "Mischung");
        hub.startknopf->Click();
    });
    EXPECT_EQ(codes, QList<int> { 43 });
    EXPECT_EQ(werte("pm100"), "2 1 0 0 0 4 0 0 3");
}

TEST_F(HHauptTest, ChoicesThatGiveNoCodeNeverStartAnAid)
{
    abschnittErsetzen("pm100", "-1 0 0 0 0 0 0 0 0"); // would make 40, the rows aid
    abschnittErsetzen("hsv", "0 9 0 0 0");
    const QByteArray vorher = readBytes(hwina());
    imHub([&] {
        hub.Button37->Click();
        EXPECT_EQ(programmcode, 0);
        EXPECT_TRUE(hub.startknopf->isVisible());
        EXPECT_FALSE(hub.startknopf->isEnabled());
        hub.startknopf->Click();
        hub.Button5->Click();
        EXPECT_EQ(programmcode, 0);
        EXPECT_FALSE(hub.startknopf->isEnabled());
        hub.startknopf->Click();
        klicken(hub.hsv_r_art, 3);
        EXPECT_EQ(programmcode, 74);
        EXPECT_TRUE(hub.hsv_malpanel->isVisible());
        EXPECT_TRUE(hub.startknopf->isEnabled());
    });
    EXPECT_TRUE(codes.isEmpty());
    EXPECT_EQ(readBytes(hwina()), vorher);
}

TEST_F(HHauptTest, HalfWrittenRangesFollowEachOther)
{
    imHub([&] {
        hub.Button5->Click();
        EXPECT_EQ(programmcode, 71);
        EXPECT_TRUE(hub.hsv_ZUEpanel->isVisible());
        klicken(hub.hsv_r_art, 3);
        klicken(hub.hsv_malRG, 1);
        EXPECT_EQ(hub.hsv_diverg->ItemIndex(), 1);
        klicken(hub.hsv_r_art, 4);
        EXPECT_TRUE(hub.hsv_durchpanel->isVisible());
        EXPECT_FALSE(hub.hsv_malpanel->isVisible());
        klicken(hub.hsv_diverg, 0);
        EXPECT_EQ(hub.hsv_malRG->ItemIndex(), 0);
        EXPECT_EQ(wahl6, 0);
        klicken(hub.hsv_tempo, 1);
        EXPECT_EQ(programmcode, 75);
        hub.startknopf->Click();
    });
    EXPECT_EQ(codes, QList<int> { 75 });
    EXPECT_EQ(werte("hsv"), "1 4 0 0 0");
}

TEST_F(HHauptTest, WrittenMethodsTakeTheLevelTheirGroupShows)
{
    imHub(
        [&] {
            hub.Button6->Click();
            EXPECT_FALSE(hub.startknopf->isVisible());
            hub.Button64->Click(); // long division, one-digit divisor
            EXPECT_TRUE(hub.RG_SV_divE->isVisible());
            EXPECT_TRUE(hub.RG_SV_DRest->isVisible());
            EXPECT_EQ(stufentext, " Hunderter oder Zehner hinterlassen einen Rest");
            EXPECT_EQ(titeltext, "ohne Rest");
            klicken(hub.RG_SV_DRest, 1);
            klicken(hub.RG_SV_divE, 7);
            EXPECT_EQ(stufentext, " Mischung aller Schwierigkeitsstufen");
            hub.startknopf->Click();
            // The short division copied its level into variante; the one-digit multiplication keeps its own.
            hub.Button62->Click();
            EXPECT_EQ(variante, 3);
            EXPECT_FALSE(hub.RG_SV_DRest->isVisible());
            EXPECT_EQ(stufentext, " Zehner oder Einer bewirken einen Übertrag");
            hub.BitBtn5->Click();
            EXPECT_EQ(stufentext, " ein 100er oder ein 10er wird getauscht");
        },
        [&](Form&) {
            EXPECT_EQ(titeltext, "mit Rest");
            variante = wahl1;
            hilfenhub()->stufengruppeZeigen(programmcode);
        });
    EXPECT_EQ(codes, QList<int> { 88 });
    EXPECT_EQ(werte("sv"), "3 3 2 7 3 1");
}

TEST_F(HHauptTest, EscEndsTheHubFromAnyPanel)
{
    protzeilen[5] = "1,0 sec";
    imHub([&] {
        hub.Button1->Click();
        hub.Button21->Click();
        EXPECT_TRUE(hub.schlangenpanel->isVisible());
        hub.langeschlange->setFocus();
        pressKey(&hub, Qt::Key_Escape);
        EXPECT_FALSE(hub.isVisible());
    });
    EXPECT_EQ(protzeilen[5], "");
    EXPECT_FALSE(hub.GBZahlBegriff->isVisible());
    EXPECT_TRUE(codes.isEmpty());
}

TEST_F(HHauptTest, AnAidGivesTheHubItsOptionsBack)
{
    imHub(
        [&] {
            hub.Button37->Click();
            hub.startknopf->Click();
            EXPECT_TRUE(hub.pm100_11->isVisible());
            EXPECT_TRUE(hub.startknopf->isVisible());
            EXPECT_TRUE(hub.startknopf->isEnabled());
            hub.Button4->Click();
            hub.Button52->Click();
            hub.startknopf->Click();
            EXPECT_TRUE(hub.gb1x1->isVisible());
        },
        [&](Form&) {
            TForm63* h = hilfenhub();
            ASSERT_EQ(h, &hub);
            EXPECT_EQ(h->knopf(programmcode), programmcode == 41 ? nullptr : hub.Button52);
            if (programmcode == 41)
                h->pm100PanelZeigen(41);
            else
                h->gruppeZeigen(hub.gb1x1);
            h->fokus(h->knopf(programmcode));
        });
    EXPECT_EQ(codes, (QList<int> { 41, 52 }));
    EXPECT_EQ(wahltext, "3 ");
    EXPECT_EQ(hub.knopf(12), hub.Button24);
    EXPECT_EQ(hub.knopf(89), hub.Button65);
}

TEST_F(HHauptTest, SnakesAndQuantitiesNeedOneAllowedValue)
{
    imHub([&] {
        hub.Button1->Click();
        hub.Button21->Click();
        EXPECT_EQ(gewaehlt(hub.langeschlange), (std::vector<int> { 0, 1, 2, 3, 4 }));
        waehlen(hub.langeschlange, {});
        EXPECT_FALSE(hub.startknopf->isEnabled());
        waehlen(hub.langeschlange, { 1, 4 });
        klicken(hub.schlrich, 2);
        hub.startknopf->Click();
        hub.Button12->Click();
        EXPECT_EQ(hub.wievZeiten->ItemIndex(), 2);
        hub.startknopf->Click();
    });
    EXPECT_EQ(codes, (QList<int> { 110, 11 }));
    EXPECT_EQ(werte("Schlangen"), "255 4 255 255 7 2");
    EXPECT_EQ(protzeilen[5], "2,0 sec");
    EXPECT_EQ(wahltext, "3 4 5 6 7 8 9 ");
}

// ---- Looks ----

TEST_F(HHauptTest, LooksOfEveryArea)
{
    hub.setMaximized(false);
    imHub([&] {
        hub.Button1->Click();
        hub.Button13->Click();
        grabToPng(&hub, QStringLiteral("h_haupt_zahlbegriff"));
        hub.Button21->Click();
        grabToPng(&hub, QStringLiteral("h_haupt_schlangen"));
        hub.Button12->Click();
        grabToPng(&hub, QStringLiteral("h_haupt_wieviel"));
        for (const Label* l : hub.wievielep->findChildren<Label*>()) {
            if (l->text() != QStringLiteral("erlaubte Mengen")) continue;
            EXPECT_FALSE(l->geometry().intersects(hub.wievZeiten->geometry()));
            EXPECT_GE(l->height(), l->heightForWidth(l->width()));
            EXPECT_FALSE(l->geometry().intersects(hub.wiev3_9->geometry()));
        }
        hub.Button2->Click();
        hub.Button34->Click();
        grabToPng(&hub, QStringLiteral("h_haupt_raum20"));
        hub.Button37->Click();
        grabToPng(&hub, QStringLiteral("h_haupt_pm100"));
        hub.Button60->Click();
        grabToPng(&hub, QStringLiteral("h_haupt_reihen"));
        hub.Button4->Click();
        hub.Button51->Click();
        grabToPng(&hub, QStringLiteral("h_haupt_1x1"));
        hub.Button55->Click();
        grabToPng(&hub, QStringLiteral("h_haupt_1d1"));
        hub.Button54->Click();
        grabToPng(&hub, QStringLiteral("h_haupt_m1x1"));
        hub.Button3->Click();
        hub.Button42->Click();
        grabToPng(&hub, QStringLiteral("h_haupt_tabellen_plus"));
        hub.Button44->Click();
        grabToPng(&hub, QStringLiteral("h_haupt_tabellen_minus"));
        hub.Button22->Click();
        grabToPng(&hub, QStringLiteral("h_haupt_tabellen_mal"));
        hub.Button28->Click();
        grabToPng(&hub, QStringLiteral("h_haupt_tabellen_durch"));
        hub.Button45->Click();
        grabToPng(&hub, QStringLiteral("h_haupt_tabellen_8x8"));
        hub.Button5->Click();
        klicken(hub.hsv_r_art, 3);
        grabToPng(&hub, QStringLiteral("h_haupt_hsv"));
        hub.Button6->Click();
        hub.Button65->Click();
        grabToPng(&hub, QStringLiteral("h_haupt_sv"));
        hub.Button11->Click();
        grabToPng(&hub, QStringLiteral("h_haupt_vorgaben"));
    });
    EXPECT_TRUE(errors.isEmpty());
}
