#pragma once
// What the aid window tests share: the window scale and work limits of the test, the data folder with no
// class list, the protocol dialog as Form65 and, after each test, no modal driver, no hub or dialog left in
// the window pointers and the cursor free again.

#include "aids/h_haupt.h"
#include "platform/canvas.h"
#include "platform/folders.h"
#include "platform/form.h"
#include "platform/mousetrap.h"
#include "platform/round.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "shell/h_prot.h"
#include "support/fixtures.h"
#include "support/keys.h"

#include <QFile>
#include <QImage>
#include <QPoint>
#include <functional>
#include <memory>

// One second in days, the test clock's unit.
inline constexpr double kSekunde = 1.0 / 86400.0;

struct Hilfenvorgaben {
    float skalaX = 0.79f;
    float skalaY = 0.55f;
    int mindestminuten = 0;
    int mindestaufgaben = 0;
    // Whether Form65 is the fixture's protocol dialog; without it a run ends with no dialog to drive.
    bool protokolldialog = true;
};

class HilfenfensterTest : public TaviTest {
protected:
    explicit HilfenfensterTest(const Hilfenvorgaben& vorgaben = Hilfenvorgaben())
        : m_vorgaben(vorgaben)
    {
    }

    void SetUp() override
    {
        TaviTest::SetUp();
        skala_x = m_vorgaben.skalaX;
        skala_y = m_vorgaben.skalaY;
        mindestminuten = m_vorgaben.mindestminuten;
        mindestaufgaben = m_vorgaben.mindestaufgaben;
        datpfad = dataFolder();
        aktivliste = "ohne";
        Form63 = nullptr;
        Form65 = m_vorgaben.protokolldialog ? &dialog : nullptr;
    }
    void TearDown() override
    {
        Form::setModalDriver({});
        Form63 = nullptr;
        Form65 = nullptr;
        m_hub.reset();
        mousetrap::release();
        TaviTest::TearDown();
    }

    // The aids hub as the program body makes it, with the settings of a fresh installation, as Form63.
    TForm63& echterHub()
    {
        QFile::copy(folders::installFolder() + QStringLiteral("hw.ina"), datpfad + QStringLiteral("hw.ina"));
        QFile(datpfad + QStringLiteral("hw.ina")).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        m_hub = std::make_unique<TForm63>();
        Form63 = m_hub.get();
        return *m_hub;
    }

    // The window pixel of a point on the design grid.
    static QPoint punkt(double x, double y) { return { Round(x * double(skala_x)), Round(y * double(skala_y)) }; }

    // Shows the aid as the hub does; `schritte` work in it, then Esc ends the run if it is still open. Other
    // windows shown later close at once.
    static void laufen(Form& hilfe, const std::function<void()>& schritte)
    {
        Form::setModalDriver([&schritte, h = &hilfe](Form& f) {
            if (&f != h) return;
            schritte();
            if (h->isVisible()) pressKey(h, Qt::Key_Escape);
        });
        hilfe.showModal();
    }

    // Pixels of a colour in a design rectangle of a canvas.
    static int pixel(Canvas& c, const TRect& r, QRgb farbe)
    {
        int n = 0;
        const QPoint a = punkt(r.left, r.top), b = punkt(r.right, r.bottom);
        for (int x = a.x(); x < b.x(); ++x)
            for (int y = a.y(); y < b.y(); ++y)
                if ((c.pixel(x, y).rgb() & 0xffffff) == farbe) ++n;
        return n;
    }

    // Whether any pixel of the colour lies in a rectangle of design units of the form.
    static bool enthaelt(Form& form, QRect design, const QColor& farbe)
    {
        const QImage& bild = form.surface().image();
        for (int y = punkt(0, design.top()).y(); y <= punkt(0, design.bottom()).y(); ++y)
            for (int x = punkt(design.left(), 0).x(); x <= punkt(design.right(), 0).x(); ++x)
                if ((bild.pixel(x, y) & 0xffffff) == (farbe.rgb() & 0xffffff)) return true;
        return false;
    }

    TForm65 dialog;

private:
    Hilfenvorgaben m_vorgaben;
    std::unique_ptr<TForm63> m_hub;
};
