#include "worksheets/a_sv.h"

#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "worksheets/ablschnittstellen.h"

#include <QMouseEvent>
#include <QRegularExpression>

namespace {

void typtexte(Form* fenster, int ersteZeile, const QStringList& texte)
{
    if (auto* blatt = dynamic_cast<SVTyptexte*>(fenster)) blatt->typtexteSetzen(ersteZeile, texte);
}

void oeffnen(Form* fenster)
{
    if (fenster) fenster->showModal();
}

const QString nullen = QStringLiteral(" Null(en) im Ergebnis ");
const QString ergaenzen = QStringLiteral(" Ergänzen zu Zahlen mit Null(en) ");

} // namespace

Musterpanel::Musterpanel(QWidget* parent, const QString& muster, int left, int top)
    : Panel(parent, left, top, 73, 113)
{
    setHandCursor(this);
    // The pattern breaks at its blanks only: a sign written against its number ("-HZE") stays in front of it,
    // where the wrap would otherwise leave it at the end of the line above.
    QString text = muster;
    text.replace(QRegularExpression(QStringLiteral("([+-])(?=[^\\s-])")), QStringLiteral("\\1\u2060"));
    m_text = new Label(this, text, 16, 16);
    m_text->setAutoSize(false);
    m_text->setWordWrap(true);
    // Wide enough for the longest dashed line of a pattern.
    place(m_text, 16, 16, 47, 81);
    // The text passes its clicks on to the panel.
    m_text->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Musterpanel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick) OnClick();
}

TForm6::TForm6(QWidget* parent)
    : Form(parent)
{
    setCaption(QStringLiteral("schriftliche Rechenverfahren"));
    setMaximized(true);
    setDesignGeometry(0, 0, 780, 545);
    setDefaultFont(QStringLiteral("MS Sans Serif"), 16);

    auto* p1 = new Panel(this, 48, 8, 521, 361);
    p1->setObjectName(QStringLiteral("p1"));
    new Label(p1, QStringLiteral("addieren  //  ergänzen  //  subtrahieren"), 16, 16);
    Panel4 = new Musterpanel(p1, QStringLiteral("  HZE +HZE  ____   HZE"), 40, 56);
    Panel1 = new Musterpanel(p1, QStringLiteral("  HZE   +HZE  +HZE   ____ "), 162, 56);
    Panel3 = new Musterpanel(p1, QStringLiteral("  H_E +_ZE  ____   HZ_"), 285, 56);
    Panel5 = new Musterpanel(p1, QStringLiteral("  HZE +???   ____  HZE"), 408, 56);
    Panel6 = new Musterpanel(p1, QStringLiteral("  HZE ----------  HZE +??? "), 40, 224);
    Panel7 = new Musterpanel(p1, QStringLiteral("  HZE -HZE  ____  HZE"), 162, 224);
    Panel8 = new Musterpanel(p1, QStringLiteral("  H_E -_ ZE  ____  HZ_"), 285, 224);
    Panel9 = new Musterpanel(p1, QStringLiteral("THZE  - HZE  - HZE   ____"), 408, 224);

    auto* p2 = new Panel(this, 48, 384, 521, 177);
    p2->setObjectName(QStringLiteral("p2"));
    new Label(p2, QStringLiteral("multiplizieren  //  dividieren"), 16, 16);
    const auto knopf = [p2](const QString& text, int left, int top) {
        auto* b = new Button(p2, text, left, top, 150, 40);
        applyFont(b, QStringLiteral("MS Sans Serif"), 16, FontStyle::Bold);
        return b;
    };
    Button2 = knopf(QStringLiteral(" H Z E  x  E  "), 56, 56);
    Button3 = knopf(QStringLiteral("H Z E  x  Z E"), 56, 120);
    Button4 = knopf(QStringLiteral("T H Z E : E "), 312, 56);
    Button5 = knopf(QStringLiteral("ZT T H Z E  :  Z E "), 312, 120);
    Button1 = new Button(this, QStringLiteral("zurück"), 648, 488, 100, 40);
    Button1->Cancel = true;

    Panel4->OnClick = [this] { zweiZahlen(1, nullen); };
    Panel7->OnClick = [this] { zweiZahlen(2, ergaenzen); };
    Panel5->OnClick = [this] { zweiZahlen(3, ergaenzen); };
    Panel6->OnClick = [this] { zweiZahlen(4, ergaenzen); };
    Panel3->OnClick = [this] { zweiZahlen(5, nullen); };
    Panel8->OnClick = [this] { zweiZahlen(6, ergaenzen); };
    Panel1->OnClick = [this] { dreiZahlen(1); };
    Panel9->OnClick = [this] { dreiZahlen(2); };
    Button2->OnClick = [] { oeffnen(Form9); };
    Button3->OnClick = [] { oeffnen(Form10); };
    Button4->OnClick = [this] { division(0); };
    Button5->OnClick = [this] { division(1); };
    Button1->OnClick = [this] { Close(); };
}

void TForm6::zweiZahlen(int variante, const QString& label7)
{
    programmcode = variante;
    typtexte(Form7, 7, { label7 });
    oeffnen(Form7);
}

void TForm6::dreiZahlen(int variante)
{
    static const QStringList addition {
        QStringLiteral(" gleichlange Summanden, keine Überträge,\n kein 1000er, keine Nullen"),
        QStringLiteral(" gleichlange Summanden, keine Überträge,\n kein 1000er, häufig Nullen"),
        QStringLiteral(" gleichlange Summanden, Überträge: 0 // 1,\n kein 1000er"),
        QStringLiteral(" gleichlange Summanden,\n Überträge: 0 // 1 // 2, Summe >1000 erlaubt"),
        QStringLiteral(" Summanden unterschiedlicher Länge und\n mit Nullen, Summe >1000 erlaubt"),
    };
    static const QStringList subtraktion {
        QStringLiteral(" gleichlange Subtrahenden,\n keine Überträge, keine Nullen"),
        QStringLiteral(" gleichlange Subtrahenden,\n keine Überträge, häufig Nullen"),
        QStringLiteral(" gleichlange Subtrahenden,\n Überträge: 0 // 1,  Minuend <1000"),
        QStringLiteral(" gleichlange Subtrahenden,\n Überträge: 0 // 1 // 2, Minuend >1000 erlaubt"),
        QStringLiteral(" Subtrahenden unterschiedlicher Länge,\n beliebige Überträge, viele Nullen"),
    };
    programmcode = variante;
    typtexte(Form8, 1, variante == 1 ? addition : subtraktion);
    oeffnen(Form8);
}

void TForm6::division(int variante)
{
    static const QStringList einstellig { QStringLiteral(" keine Zwischenreste"),
        QStringLiteral(" die Hunderter hinterlassen einen Rest"), QStringLiteral(" die Zehner hinterlassen einen Rest"),
        QStringLiteral(" ein Zwischenrest (an beliebiger Stelle)"), QStringLiteral(" zwei Zwischenreste"),
        QStringLiteral(" zwei Reste,  bes. schwere  Aufgaben"), QStringLiteral(" im Ergebnis kommt eine Null vor") };
    static const QStringList zweistellig { QStringLiteral(" Teilen durch Zehnerzahlen"),
        QStringLiteral(" Teilen durch  11 oder 19"), QStringLiteral(" Teilen durch  11  ...  19"),
        QStringLiteral(" Teilen durch 21 ... 99,  Einer:  1, 2,         8, 9"),
        QStringLiteral(" dto.                                 Einer:    3, 4, 5, 6, 7"),
        QStringLiteral(" dto., Einer:  1 ... 9         Ergebnis ohne Null"),
        QStringLiteral(" dto.                                 Ergebnis  mit  Null") };
    programmcode = variante;
    typtexte(Form11, 1, variante == 0 ? einstellig : zweistellig);
    oeffnen(Form11);
}
