#include "analyses/f_prot.h"

#include "analyses/f_prot_logik.h"
#include "platform/canvas.h"
#include "platform/canvasdevices.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/printer.h"
#include "platform/scrollview.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/pfadzeile.h"
#include "shell/zeilendruck.h"

#include <QScreen>
#include <QStyle>
#include <cmath>

namespace {

void zeichnen(Canvas& c, const prot::Seite& seite)
{
    for (const prot::Text& t : seite.texte)
        if (!t.text.isEmpty()) c.textOut(t.x, t.y, t.text);
    for (const prot::Strich& s : seite.striche) {
        c.moveTo(s.x1, s.y1);
        c.lineTo(s.x2, s.y2);
    }
}

} // namespace

TForm36::TForm36(QWidget* parent)
    : Form(parent)
{
    setCaption(QStringLiteral("Protokoll"));
    setMaximized(true);
    setDesignGeometry(0, 0, 800, 580);

    // Made first, so that the buttons and the message lie on it.
    blatt = new ScrollView(this);
    blatt->setColor(color());
    blatt->setLineStep(int(std::lround(prot::kZeilenabstand * SurfaceTarget::metricPixelsPerUnit())));

    Button1 = new Button(this, QStringLiteral("drucken"), 672, 464, 90, 30);
    applyFont(Button1, QStringLiteral("Arial"), 16);
    Button1->OnClick = [this] { Button1Click(); };
    Button2 = new Button(this, QStringLiteral("zurück"), 672, 512, 90, 30);
    applyFont(Button2, QStringLiteral("Arial"), 16);
    Button2->Cancel = true;
    Button2->OnClick = [this] { Button2Click(); };

    meldung = new Label(this, QString(), 16, 8);
    applyFont(meldung, QStringLiteral("Arial"), -16);
    setFontColor(meldung, clRed);
    meldung->hide();

    OnActivate = [this] { form36activate(); };
}

void TForm36::ungespeichertZeigen(const QStringList& zeilen, const QString& text)
{
    m_ungespeichert = zeilen;
    m_meldung = text;
}

void TForm36::form36activate()
{
    Button1->setEnabled(true);
    SetFocus(Button1);

    int n = 0;
    if (m_ungespeichert.isEmpty()) {
        n = prot::lesen(protdatei);
        meldung->hide();
    } else {
        // Record line k holds file line k, as if the protocol had been read back.
        for (int i = 1; i <= protzeilen.high(); ++i)
            pfadzeile::setzen(i, i <= m_ungespeichert.size() ? m_ungespeichert[i - 1] : QString(), prot::kPfadzeile);
        n = std::min<int>(int(m_ungespeichert.size()), protzeilen.high());
        protzeilenzahl = byte(n);
        meldung->setCaption(m_meldung);
        meldung->show();
        m_ungespeichert.clear();
    }

    // A new protocol replaces whatever the last one left on the window, and starts at its top.
    blatt->clear();
    Canvas& c = blatt->canvas();
    c.reset(TextAlign::Left | TextAlign::Top, MapMode::LoMetric);
    c.font.name = QStringLiteral("courier new");
    c.font.height = 45;
    c.brush.color = color();
    // The path line goes on below where the screen ends: the window fills the screen, less the scroll bar.
    const int breite = screen()->availableGeometry().width() - style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int zeichen
        = int((breite / SurfaceTarget::metricPixelsPerUnit() - 2 * 10) / c.textWidth(QStringLiteral("0")));
    zeichnen(c, prot::bildschirm(programmcode, n, zeichen));
}

void TForm36::Button1Click()
{
    Button1->setEnabled(false);
    Button2->setEnabled(true);
    SetFocus(Button2);

    Printer& p = printer();
    p.beginDoc(prot::drucktitel(programmcode, schuelername.str()));
    const auto schrift = [](Canvas& c) {
        c.font.name = QStringLiteral("courier new");
        c.font.height = 35;
        c.font.color = Qt::black;
        c.pen.width = 2;
        c.brush.style = BrushStyle::Clear;
    };
    schrift(p.canvas());
    // As far from the right edge of the paper as the lines start from its left one; the font has a fixed pitch.
    const int zeichen = (zeilendruck::kSeitenbreite - 2 * 200) / std::max(1, p.canvas().textWidth(QStringLiteral("0")));
    const QVector<prot::Seite> seiten = prot::druckseiten(programmcode, protzeilenzahl, zeichen);
    for (int s = 0; s < seiten.size(); ++s) {
        if (s > 0) p.newPage();
        Canvas& c = p.canvas();
        schrift(c);
        zeichnen(c, seiten[s]);
    }
    p.endDoc();
}

void TForm36::Button2Click()
{
    Close();
}
