#include "analyses/f_gra.h"
#include "analyses/f_prot.h"
#include "analyses/f_ss.h"
#include "analyses/f_sv.h"
#include "platform/controls.h"
#include "platform/filelock.h"
#include "platform/files.h"
#include "platform/scrollview.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/dverw.h"
#include "shell/dverw_logik.h"
#include "shell/fenster.h"
#include "shell/h_prot.h"
#include "shell/klassenliste.h"
#include "shell/tav_i_logik.h"
#include "support/programm.h"
#include "worksheets/a_sv.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QStyleOptionButton>
#include <QStyleOptionViewItem>
#include <QTextDocument>
#include <QTextLayout>

// Every text of every window shows whole: each window is opened as a user opens it, every choice in it is
// switched forth and back, and after each step every visible text must fit the room its control draws it
// in, inside its parents' frames and on the screen; and where a label wraps, no line may end with the sign of a
// calculation whose number the wrap put at the start of the next.
namespace {

// The program's windows by their names.
QList<QPair<Form*, QString>> fenster()
{
#define F(n)                                                                                                           \
    {                                                                                                                  \
        Form##n, QStringLiteral("Form" #n)                                                                             \
    }
    return { F(1), F(2), F(3), F(4), F(5), F(6), F(7), F(8), F(9), F(10), F(11), F(12), F(13), F(14), F(15), F(16),
        F(17), F(18), F(19), F(20), F(21), F(22), F(23), F(24), F(25), F(26), F(27), F(28), F(29), F(30), F(31), F(32),
        F(33), F(34), F(35), F(36), F(37), F(38), F(39), F(40), F(41), F(42), F(43), F(44), F(45), F(46), F(47), F(48),
        F(49), F(50), F(51), F(52), F(53), F(54), F(55), F(56), F(57), F(58), F(59), F(60), F(61), F(62), F(63), F(64),
        F(65), F(66), F(67), F(68), F(69), F(70), F(71), F(72), F(73), F(74), F(75), F(76), F(77), F(78), F(79), F(80),
        F(81), F(82), F(83) };
#undef F
}

QString name(const QWidget* w)
{
    for (const auto& [f, n] : fenster())
        if (f == w) return n;
    QString n = QString::fromLatin1(w->metaObject()->className());
    if (!w->objectName().isEmpty()) n += QLatin1Char(' ') + w->objectName();
    return n;
}

// The room inside a parent: a panel inside its bevel, a group box inside the etched lines of its frame, whose top
// runs through the middle of the caption; a letter that touches a bevel or a line reads as cut by it, so one
// pixel beside them stays free.
QRect raumIn(const QWidget* w)
{
    if (auto* p = qobject_cast<const Panel*>(w)) return p->innerRect().adjusted(1, 1, -1, -1);
    if (qobject_cast<const GroupBox*>(w)) {
        const int linie = QFontMetrics(w->font()).height() / 2; // the lower of the two lines at the top
        return QRect(QPoint(3, linie + 2), QPoint(w->width() - 4, w->height() - 4));
    }
    return w->rect();
}

// The text of a control and the rectangle its control gives it; an empty text for controls without one.
struct Textraum {
    QString text;
    QRect raum;
    int flags = 0;
};

Textraum textraum(QWidget* w)
{
    const QFontMetrics fm(w->font());
    if (auto* l = qobject_cast<QLabel*>(w))
        return { l->text(), l->contentsRect(), int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0) };
    if (auto* b = qobject_cast<QPushButton*>(w)) {
        QStyleOptionButton o;
        o.initFrom(b);
        o.text = b->text();
        return { b->text(), b->style()->subElementRect(QStyle::SE_PushButtonContents, &o, b),
            Qt::AlignCenter | Qt::TextShowMnemonic };
    }
    if (auto* b = qobject_cast<QAbstractButton*>(w)) { // radio items and check boxes
        QStyleOptionButton o;
        o.initFrom(b);
        o.text = b->text();
        const auto element
            = qobject_cast<QRadioButton*>(b) ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents;
        return { b->text(), b->style()->subElementRect(element, &o, b),
            Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic };
    }
    if (auto* g = qobject_cast<GroupBox*>(w)) {
        const QString t = withoutMnemonics(g->caption());
        return { t, QRect(8, 0, std::max(0, g->width() - 10), fm.height()), Qt::AlignLeft | Qt::AlignTop };
    }
    if (auto* p = qobject_cast<Panel*>(w))
        return { withoutMnemonics(p->caption()), p->innerRect(), int(Qt::AlignCenter) };
    return {};
}

// The lines of a word-wrapped label as it lays them out: its font, the width of its contents, breaks where the
// text breaks them.
QStringList zeilen(QLabel* l)
{
    QString text = l->text();
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(text, l->font(), l);
    const int breite = std::max(0, l->contentsRect().width() - 2 * l->margin());
    QStringList liste;
    layout.beginLayout();
    for (QTextLine z = layout.createLine(); z.isValid(); z = layout.createLine()) {
        z.setLineWidth(breite);
        liste << text.mid(z.textStart(), z.textLength());
    }
    layout.endLayout();
    return liste;
}

// A number of a calculation, or a place it stands for: digits, a gap ("_", "?"), places as "HZE".
bool zahlhaft(const QString& wort)
{
    if (wort.isEmpty()) return false;
    if (wort.front().isDigit() || wort.front() == u'_' || wort.front() == u'?') return true;
    return std::all_of(wort.begin(), wort.end(), [](QChar c) { return QStringLiteral("THZE_").contains(c); });
}

// A sign of a calculation that a wrap left at the end of a line while its number starts the next one. ":" and
// "x" count only standing alone, as they stand in a task: after a word ":" is a colon; a run of "-" is the rule
// under a task.
QString zeichenVorUmbruch(QLabel* l)
{
    if (!l->wordWrap()) return {};
    const QStringList z = zeilen(l);
    for (int i = 0; i + 1 < z.size(); ++i) {
        if (z[i].endsWith(QChar::LineSeparator)) continue; // broken by the text itself
        const QStringList links = z[i].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QStringList rechts = z[i + 1].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (links.isEmpty() || rechts.isEmpty()) continue;
        const QString& wort = links.back();
        const QChar zeichen = wort.back();
        if (wort.size() > 1 && wort.count(u'-') == wort.size()) continue;
        const bool rechenzeichen = QStringLiteral("+-\u2212\u00B7\u00D7\u00F7=<>").contains(zeichen)
            || (wort.size() == 1 && (zeichen == u':' || zeichen == u'x'));
        if (rechenzeichen && zahlhaft(rechts.front()))
            return QStringLiteral("bricht zwischen \"%1\" und \"%2\" um").arg(z[i].trimmed(), z[i + 1].trimmed());
    }
    return {};
}

// Where a text puts ink as its control draws it in its room, unclipped, in the control's coordinates: a frame
// cuts a letter that reaches into it, even where the letter's advance fits. A pixel a letter covers by less than
// a quarter is the smoothing at its edge and reads as paper.
constexpr int kTinte = 1;

QRect tinte(const QWidget* w, const Textraum& t)
{
    const QString schluessel = w->font().key() + QLatin1Char('|') + t.text
        + QStringLiteral("|%1|%2,%3").arg(t.flags).arg(t.raum.width()).arg(t.raum.height());
    static QHash<QString, QRect> bekannt;
    const auto it = bekannt.constFind(schluessel);
    if (it != bekannt.constEnd()) return it->translated(t.raum.topLeft());
    const QFontMetrics fm(w->font());
    const QMargins luft(fm.height(), fm.height(), fm.height(), fm.height());
    const QRect umfang = fm.boundingRect(t.raum, t.flags, t.text).united(t.raum).marginsAdded(luft);
    const QRect ink = inkOf(
        w, [&](QPainter& p) { p.drawText(t.raum, t.flags, t.text); }, umfang, kTinte);
    bekannt.insert(schluessel, ink.translated(-t.raum.topLeft()));
    return ink;
}

// The sides of `raum` that `tinte` reaches over.
QString ueberRand(const QRect& tinte, const QRect& raum)
{
    QStringList seiten;
    if (tinte.top() < raum.top()) seiten << QStringLiteral("oben");
    if (tinte.bottom() > raum.bottom()) seiten << QStringLiteral("unten");
    if (tinte.left() < raum.left()) seiten << QStringLiteral("links");
    if (tinte.right() > raum.right()) seiten << QStringLiteral("rechts");
    return QStringLiteral(" (") + seiten.join(QStringLiteral(", ")) + QLatin1Char(')');
}

// What a list cuts of its rows' texts: each row clips its text to itself. The row's text is drawn as the list
// draws it, in the room the list lays it out in, where nothing clips it. A row has no frame beside its
// text, so any ink it cuts is part of a letter: the faint top of an umlaut's dots too.
QString zeilenschnitt(ListBox* l)
{
    const QRect sicht = l->viewport()->rect();
    for (int i = 0; i < l->count(); ++i) {
        const QRect zeile = l->visualItemRect(l->item(i));
        if (!zeile.intersects(sicht) || l->itemText(i).trimmed().isEmpty()) continue;
        QStyleOptionViewItem o;
        o.initFrom(l->viewport());
        o.state = QStyle::State_Enabled;
        for (const auto rolle :
            { QPalette::Base, QPalette::AlternateBase, QPalette::Window, QPalette::Highlight, QPalette::Button })
            o.palette.setColor(rolle, Qt::transparent); // the text only: no fill is ink
        o.widget = l;
        o.font = l->font();
        o.rect = l->textRoomOf(zeile);
        o.text = l->itemText(i);
        o.features = QStyleOptionViewItem::HasDisplay;
        o.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        o.textElideMode = l->textElideMode();
        const QRect gezeichnet = inkOf(
            l->viewport(), [&](QPainter& p) { l->style()->drawControl(QStyle::CE_ItemViewItem, &o, &p, l); },
            o.rect.adjusted(-4, -4, 4, 4), 1);
        if (gezeichnet.isEmpty()) continue;
        if (gezeichnet.top() < zeile.top() || gezeichnet.bottom() > zeile.bottom())
            return QStringLiteral("Zeile \"%1\" reicht %2 px über ihre Höhe von %3")
                .arg(l->itemText(i))
                .arg(std::max(zeile.top() - gezeichnet.top(), gezeichnet.bottom() - zeile.bottom()))
                .arg(zeile.height());
        // The row a pupil clicked or reached by arrow keeps a pixel free between its focus frame and its letters:
        // a dotted line on the dots of "Ä" reads "A".
        const QRect rahmen = l->focusFrameOf(zeile);
        const QRect frei(QPoint(rahmen.left() + 2, rahmen.top() + 2), QPoint(rahmen.right() - 1, rahmen.bottom() - 1));
        if (!frei.contains(gezeichnet))
            return QStringLiteral("der Fokusrahmen der Zeile \"%1\" liegt auf ihrer Schrift%2")
                .arg(l->itemText(i), ueberRand(gezeichnet, frei));
    }
    return {};
}

// A list shows whole rows only, none cut at its bottom. Its rows are as high as the window gives them, or as its
// font's line: where its letters' ink with a free pixel and the focus frame's line above and below it needs more,
// that much and no more. Empty where all is so.
QString zeilenmass(ListBox* l)
{
    if (l->count() == 0) return {};
    const int sicht = l->viewport()->height();
    const int zeile = l->visualItemRect(l->item(0)).height();
    if (sicht > zeile && sicht % zeile != 0)
        return QStringLiteral("zeigt unten eine angeschnittene Zeile (%1 px für Zeilen zu %2 px)")
            .arg(sicht)
            .arg(zeile);
    if (l->itemHeight() > 0) return {};
    const QFontMetrics fm(l->font());
    int oben = 0, unten = 0;
    for (const QString& t : l->items()) {
        const QRect ink = fm.tightBoundingRect(t);
        if (ink.isEmpty()) continue;
        oben = std::min(oben, ink.top());
        unten = std::max(unten, ink.bottom());
    }
    const int hoechstens = std::max(fm.height(), unten - oben + 1 + 2 * 2);
    if (zeile <= hoechstens) return {};
    return QStringLiteral("Zeilen zu %1 px statt höchstens %2 px").arg(zeile).arg(hoechstens);
}

// What is cut in one control; empty when its text shows whole.
QString schnitt(QWidget* w)
{
    if (auto* l = qobject_cast<ListBox*>(w)) return zeilenschnitt(l);
    if (auto* m = qobject_cast<Memo*>(w)) {
        // A memo's lines need not fit, but then it scrolls.
        const int rand = int(m->document()->documentMargin());
        const QRect raum = m->viewport()->rect().adjusted(rand, rand, -rand, -rand);
        const int flags = m->lineWrapMode() == QPlainTextEdit::NoWrap ? 0 : int(Qt::TextWordWrap);
        const QRect noetig = QFontMetrics(m->font()).boundingRect(
            QRect(raum.topLeft(), QSize(raum.width(), 100000)), flags, m->toPlainText());
        if (noetig.height() > raum.height() && !m->verticalScrollBar()->isVisible())
            return QStringLiteral("Zeilen ohne Rollbalken abgeschnitten");
        if (noetig.width() > raum.width() && !m->horizontalScrollBar()->isVisible())
            return QStringLiteral("Zeile zu breit");
        return {};
    }
    const Textraum t = textraum(w);
    if (t.text.trimmed().isEmpty()) return {};
    const QFontMetrics fm(w->font());
    const QRect noetig = fm.boundingRect(QRect(t.raum.topLeft(), QSize(t.raum.width(), 100000)),
        (t.flags & ~Qt::AlignVertical_Mask) | Qt::AlignTop, t.text);
    // Measuring rounds fractions of a pixel up: one pixel over is the blank after the last character.
    if (noetig.width() > t.raum.width() + 1 || noetig.height() > t.raum.height() + 1)
        return QStringLiteral("braucht %1x%2, hat %3x%4")
            .arg(noetig.width())
            .arg(noetig.height())
            .arg(t.raum.width())
            .arg(t.raum.height());
    // Its ink must lie inside the control, which clips it, inside every parent's room, up to the window, and on
    // the screen.
    const QRect gezeichnet = tinte(w, t);
    if (gezeichnet.isEmpty()) return {};
    if (!w->rect().contains(gezeichnet))
        return QStringLiteral("reicht %1 px über den eigenen Rand%2")
            .arg(std::max({ -gezeichnet.left(), gezeichnet.right() - w->rect().right(), -gezeichnet.top(),
                gezeichnet.bottom() - w->rect().bottom() }))
            .arg(ueberRand(gezeichnet, w->rect()));
    for (QWidget* p = w->parentWidget(); p; p = p->isWindow() ? nullptr : p->parentWidget()) {
        const QRect inP(w->mapTo(p, gezeichnet.topLeft()), gezeichnet.size());
        const QRect r = raumIn(p);
        if (!r.contains(inP))
            return QStringLiteral("reicht %1 px über den Rand von ")
                       .arg(std::max({ r.left() - inP.left(), inP.right() - r.right(), r.top() - inP.top(),
                           inP.bottom() - r.bottom() }))
                + name(p);
    }
    const QRect global(w->mapToGlobal(gezeichnet.topLeft()), gezeichnet.size());
    if (!w->screen()->geometry().contains(global)) return QStringLiteral("reicht über den Bildschirmrand");
    if (auto* l = qobject_cast<QLabel*>(w)) return zeichenVorUmbruch(l);
    return {};
}

bool nutzbar(const QWidget* w)
{
    return w->isVisible() && w->isEnabled();
}

// What a user clicks in a menu to go on: its buttons (not the way back, not printing) and its pattern panels.
QList<QWidget*> klickbare(const Form& f)
{
    QList<QWidget*> liste;
    for (QWidget* w : f.findChildren<QWidget*>()) {
        if (!nutzbar(w)) continue;
        if (auto* b = qobject_cast<Button*>(w)) {
            if (b->Cancel || b->caption().contains(QStringLiteral("druck"), Qt::CaseInsensitive)) continue;
            liste << w;
        } else if (qobject_cast<Musterpanel*>(w))
            liste << w;
    }
    return liste;
}

bool istStart(QWidget* w)
{
    auto* b = qobject_cast<Button*>(w);
    return b && (b->Default || withoutMnemonics(b->caption()) == QStringLiteral("Start"));
}

void klick(QWidget* w)
{
    if (auto* b = qobject_cast<Button*>(w)) b->Click();
    if (auto* m = qobject_cast<Musterpanel*>(w); m && m->OnClick) m->OnClick();
}

QList<QAbstractButton*> schalter(const Form& f)
{
    QList<QAbstractButton*> liste;
    for (QAbstractButton* b : f.findChildren<QAbstractButton*>())
        if ((qobject_cast<QRadioButton*>(b) || qobject_cast<QCheckBox*>(b)) && nutzbar(b)) liste << b;
    return liste;
}

} // namespace

class TexteTest : public ProgrammTest {
protected:
    // The windows a user goes on from by clicking: the hubs, set-ups, launchers and the worksheets.
    QSet<Form*> menues() const
    {
        QSet<Form*> m { Form1, Form63, Form30, Form37, Form31, Form39, Form41, Form42, Form44, Form47 };
        // Every worksheet window: menus, and sheets whose buttons show their option panels.
        for (Form* f : { Form2, Form3, Form4, Form5, Form6, Form7, Form8, Form9, Form10, Form11, Form12, Form13, Form14,
                 Form15, Form16, Form17, Form18, Form19, Form20, Form21, Form22, Form23, Form24, Form25, Form26, Form27,
                 Form28, Form29 })
            m.insert(f);
        return m;
    }

    void besuchen(Form& f)
    {
        // Each window as it first opens, to look at (and to compare with an earlier build's).
        if (!erreicht.contains(&f))
            grabToPng(&f, QStringLiteral("fenster_%1_%2").arg(qEnvironmentVariable("TAVI_X11_SCREEN"), name(&f)));
        erreicht.insert(&f);
        const QString vorher = weg;
        weg += QStringLiteral(" > ") + name(&f);
        pruefen(f, weg);
        umschalten(f, schalter(f));
        // Switching "ohne Klassenliste" forth and back leaves it on: the class list of the names is chosen again.
        for (ListBox* l : f.findChildren<ListBox*>()) {
            const int i = l->items().indexOf(QStringLiteral("KL4A"));
            if (i >= 0 && aktivliste != "KL4A" && nutzbar(l)) {
                l->setItemIndex(i);
                if (l->OnClick) l->OnClick();
            }
        }
        if (menues().contains(&f)) {
            // A set-up goes on only with a pupil's name typed (where it takes one) and something chosen in its
            // lists: the first of each.
            for (Edit* e : f.findChildren<Edit*>())
                if (nutzbar(e) && e->text().isEmpty()) e->pasteFiltered(QStringLiteral("Änne Özdemir"));
            for (ListBox* l : f.findChildren<ListBox*>())
                if (nutzbar(l) && l->count() > 0 && !l->Selected(0)) {
                    l->setSelected(0, true);
                    if (l->OnClick) l->OnClick();
                }
            // Forth and back: a window a choice fills shows what the choice before it left, too.
            for (bool rueckwaerts : { false, true }) {
                QList<QWidget*> knoepfe = klickbare(f);
                if (rueckwaerts) std::reverse(knoepfe.begin(), knoepfe.end());
                // Start first, before another button leads elsewhere (the rules of a game hide it).
                std::stable_partition(knoepfe.begin(), knoepfe.end(), istStart);
                for (QWidget* k : knoepfe)
                    if (f.isVisible()) klicken(f, k, 0);
            }
        }
        weg = vorher;
    }

    // Clicks `k` in `f`, checks `f`, and goes on with what the click brought to view; the window's Enter
    // button (Start) after a choice.
    void klicken(Form& f, QWidget* k, int tiefe)
    {
        if (!nutzbar(k)) return;
        const QList<QWidget*> vorher = klickbare(f);
        const QList<QAbstractButton*> schalterVorher = schalter(f);
        const QString schritt = weg + QStringLiteral(" ") + textraum(k).text.trimmed();
        klick(k);
        if (!f.isVisible()) return;
        pruefen(f, schritt);
        QList<QAbstractButton*> neueSchalter;
        for (QAbstractButton* b : schalter(f))
            if (!schalterVorher.contains(b)) neueSchalter << b;
        umschalten(f, neueSchalter);
        if (tiefe < 2)
            for (QWidget* n : klickbare(f))
                if (!vorher.contains(n)) klicken(f, n, tiefe + 1);
        // A view that put the other choices away (a game's rules over its options) is left by the way back.
        const auto verdeckt
            = [&] { return std::any_of(vorher.begin(), vorher.end(), [](QWidget* w) { return !nutzbar(w); }); };
        if (verdeckt())
            for (Button* zurueck : f.findChildren<Button*>())
                if (zurueck->Cancel && zurueck->caption() == QStringLiteral("zurück") && nutzbar(zurueck)
                    && f.isVisible() && verdeckt())
                    zurueck->Click();
        if (!f.isVisible()) return;
        auto* b = qobject_cast<Button*>(k);
        if (b && !b->Default)
            for (QWidget* w : klickbare(f))
                if (auto* start = qobject_cast<Button*>(w); start && start->Default && f.isVisible()) start->Click();
    }

    // Switches every choice on, one after the other, forth and back, and checks after each.
    void umschalten(Form& f, const QList<QAbstractButton*>& liste)
    {
        QList<QAbstractButton*> folge = liste;
        folge += QList<QAbstractButton*>(liste.rbegin(), liste.rend());
        for (QAbstractButton* b : folge) {
            if (!f.isVisible() || !nutzbar(b)) continue;
            b->click();
            pruefen(f, weg + QStringLiteral(" ") + b->text().trimmed());
            if (qobject_cast<QCheckBox*>(b) && nutzbar(b)) b->click();
        }
    }

    // Checks every visible control of `f` and notes what is cut.
    void pruefen(Form& f, const QString& schritt)
    {
        for (QWidget* w : f.findChildren<QWidget*>()) {
            if (!w->isVisibleTo(&f)) continue;
            const QString s = schnitt(w);
            if (s.isEmpty()) continue;
            const Textraum t = textraum(w);
            schnitte.insert(name(&f) + QLatin1Char('/') + name(w) + QStringLiteral(" \"") + t.text
                + QStringLiteral("\": ") + s + QStringLiteral(" (") + schritt + QLatin1Char(')'));
        }
        for (ListBox* l : f.findChildren<ListBox*>()) {
            const QString verlust = l->isVisibleTo(&f) ? zeilenmass(l) : QString();
            if (!verlust.isEmpty())
                schnitte.insert(name(&f) + QLatin1Char('/') + name(l) + QStringLiteral(": ") + verlust
                    + QStringLiteral(" (") + schritt + QLatin1Char(')'));
            // Where a name is picked, a class shows whole, up to its list's number of rows.
            const int noetig = namenzeilen().value(l);
            if (noetig == 0 || !l->isVisibleTo(&f) || l->count() == 0) continue;
            const int ganze = l->viewport()->height() / l->visualItemRect(l->item(0)).height();
            gezaehlt.insert(l);
            if (ganze < std::min(noetig, l->count()))
                schnitte.insert(name(&f) + QLatin1Char('/') + name(l)
                    + QStringLiteral(": %1 ganze Zeilen für %2 Namen, wenigstens %3 sollen es sein (")
                          .arg(ganze)
                          .arg(l->count())
                          .arg(noetig)
                    + schritt + QLatin1Char(')'));
        }
    }

    // The lists a pupil or a teacher picks a name in, and how many rows of a class each shows at least.
    static QHash<const ListBox*, int> namenzeilen()
    {
        return { { static_cast<TForm65*>(Form65)->namen, 28 }, { static_cast<TForm37*>(Form37)->namen, 22 },
            { static_cast<TForm31*>(Form31)->namen, 22 }, { static_cast<TForm39*>(Form39)->namen, 22 },
            { static_cast<TForm34*>(Form34)->ListBox2, 15 } };
    }

    QSet<QString> schnitte;
    QSet<Form*> erreicht;
    // The name lists whose rows were counted.
    QSet<const ListBox*> gezaehlt;
    QString weg;
};

TEST_F(TexteTest, EveryTextOfEveryWindowShowsWhole)
{
    // A class of 40, whose names have capital umlauts and descenders, in every list of pupils; such a name typed
    // where a name is typed.
    const QStringList vornamen { "Änne", "Ülrike", "Ömer", "Ädam", "Jörg", "Gülay", "Päivi", "Yusuf" };
    const QStringList nachnamen { "Özdemir", "Ärmel", "Jäger", "Üstün", "Pfeiffer" };
    QByteArray klasse;
    for (int i = 0; i < 40; ++i)
        klasse += (klassenliste::zeile(i + 1, vornamen[i % 8] + u' ' + nachnamen[i % 5]) + "\r\n").toLatin1();
    QDir().mkpath(dataPath("k_liste"));
    writeBytes(dataPath("k_liste/KL4A.TXT"), klasse);
    for (const QString& kl : { programFolder() + QStringLiteral("kl.ina"), dataPath("kl.ina") })
        tavi::klinaSchreiben(kl, datpfad, QStringLiteral("KL4A"));
    aktivliste = "KL4A";
    Form::setModalDriver([this](Form& f) { besuchen(f); });
    Form1->showModal();
    Form::setModalDriver({});
    // The protocol viewers open at the end of a finished session; they are shown as they open then.
    zeigen(Form36, [this](Form& f) { besuchen(f); });
    zeigen(Form65, [this](Form& f) { besuchen(f); });
    // The protocol dialog's names show once the pupil has chosen what to do with the protocol.
    programmcode = 17;
    zeigen(Form65, [this](Form& f) {
        auto& dialog = static_cast<TForm65&>(f);
        dialog.Button5->Click();
        EXPECT_TRUE(dialog.namen->isVisible() && dialog.namen->count() == 40);
        pruefen(f, QStringLiteral(" > Form65 nur speichern"));
        dialog.Button1->Click();
    });
    // The administration's choice of a name to change.
    auto* verwaltung = static_cast<TForm34*>(Form34);
    zeigen(verwaltung, [&](Form& f) {
        if (&f != verwaltung) return;
        verwaltung->Button3->Click();
        verwaltung->ListBox1->setItemIndex(verwaltung->ListBox1->items().indexOf(QStringLiteral("KL4A")));
        verwaltung->ListBox1->OnClick();
        verwaltung->ListBox2->setItemIndex(2);
        verwaltung->ListBox2->OnClick();
        pruefen(f, QStringLiteral(" > Form34 einen Namen ändern"));
        // A name typed by hand that holds what a name may not: the note under it, at its longest.
        verwaltung->Edit1->setText(QStringLiteral("Gülay Jäger @%&#"));
        EXPECT_TRUE(verwaltung->namenhinweis->isVisible());
        pruefen(f, QStringLiteral(" > Form34 Zeichen, die nicht in einen Namen gehören"));
        verwaltung->Button9->Click();
        verwaltung->Button10->Click();
    });
    EXPECT_EQ(gezaehlt.size(), namenzeilen().size());
    QStringList fehlend;
    for (const auto& [f, n] : fenster())
        if (!erreicht.contains(f)) fehlend << n;
    EXPECT_TRUE(fehlend.isEmpty()) << fehlend.join(QLatin1Char(' ')).toStdString();
    QStringList liste = schnitte.values();
    liste.sort();
    EXPECT_TRUE(liste.isEmpty()) << liste.size() << "\n" << liste.join(QLatin1Char('\n')).toStdString();
}

// Messages a class list's lock brings at run time.

namespace {

// The class list KL3A of three pupils, the active list of the data folder.
void sperrKlasse()
{
    QDir().mkpath(datpfad + QStringLiteral("k_liste"));
    writeBytes(datpfad + QStringLiteral("k_liste/KL3A.TXT"), "01 Anna\r\n02 Ben\r\n03 Cem\r\n");
    tavi::klinaSchreiben(datpfad + QStringLiteral("kl.ina"), datpfad, QStringLiteral("KL3A"));
    aktivliste = "KL3A";
}

// Another PC saves the list while `schritt` runs.
void gesperrt(const std::function<void()>& schritt)
{
    const FileLock anderer(datpfad + QStringLiteral("k_liste/KL3A.LCK"));
    schritt();
}

void waehlen(ListBox* liste, int i)
{
    liste->setItemIndex(i);
    if (liste->OnClick) liste->OnClick();
}

} // namespace

TEST_F(TexteTest, TheClassListLocksMessagesShowWholeInTheirWindows)
{
    FileLock::setWaitForTests(30);
    QStringList gesehen;
    const auto gezeigt = [&](Form& f, Label* meldung, const QString& schritt) {
        EXPECT_TRUE(meldung->isVisible()) << schritt.toStdString();
        gesehen << meldung->text();
        pruefen(f, schritt);
    };

    // The administration: a list saved on another PC just now; "k_liste" that may not be written.
    sperrKlasse();
    auto* verwaltung = dynamic_cast<TForm34*>(Form34);
    ASSERT_TRUE(verwaltung);
    zeigen(verwaltung, [&](Form& f) {
        if (&f != verwaltung) return;
        // Files a teacher made under names no list can have are named beside the choice.
        for (const char* datei : { "Klasse_3c.txt", "3c 2024.txt", "Klasse 4a neu.txt", "Übung.TXT" })
            writeBytes(datpfad + QStringLiteral("k_liste/") + QString::fromUtf8(datei), "01 Anna\r\n");
        verwaltung->Button2->Click();
        gezeigt(f, verwaltung->meldung, QStringLiteral("Verwaltung: keine Listen"));
        for (const QString& datei : QDir(datpfad + QStringLiteral("k_liste")).entryList({ QStringLiteral("*.txt") }))
            if (datei != QStringLiteral("KL3A.TXT")) QFile::remove(datpfad + QStringLiteral("k_liste/") + datei);
        waehlen(verwaltung->ListBox1, 0);
        verwaltung->Edit1->setText(QStringLiteral("Dora"));
        gesperrt([&] { verwaltung->Button8->Click(); });
        gezeigt(f, verwaltung->meldung, QStringLiteral("Verwaltung: Liste gesperrt"));
        SmallFileSystem klein;
        if (klein.mounted()) {
            QFile::copy(datpfad + QStringLiteral("k_liste/KL3A.TXT"), klein.path() + QStringLiteral("KL3A.TXT"));
            QDir(datpfad + QStringLiteral("k_liste")).removeRecursively();
            QFile::link(klein.path(), datpfad + QStringLiteral("k_liste"));
            klein.makeReadOnly();
            verwaltung->Button8->Click();
            QFile::remove(datpfad + QStringLiteral("k_liste"));
        } else { // without root no file system can be made read-only here: the window's own words all the same
            verwaltung->meldung->setCaption(klassenliste::nurLesbarMeldung(datpfad));
            verwaltung->meldung->show();
        }
        gezeigt(f, verwaltung->meldung, QStringLiteral("Verwaltung: k_liste schreibgeschützt"));
        verwaltung->Button9->Click();
        verwaltung->Button10->Click();
    });

    // The protocol dialog: the list saved just now, a line changed, the list deleted.
    sperrKlasse();
    programmcode = 17;
    auto* dialog = dynamic_cast<TForm65*>(Form65);
    ASSERT_TRUE(dialog);
    zeigen(dialog, [&](Form& f) {
        if (&f != dialog) return;
        dialog->Button5->Click();
        gesperrt([&] { waehlen(dialog->namen, 1); });
        gezeigt(f, dialog->meldung, QStringLiteral("Protokoll: Liste gesperrt"));
        writeBytes(datpfad + QStringLiteral("k_liste/KL3A.TXT"), "01 Anna\r\n02 Paula\r\n03 Cem\r\n");
        waehlen(dialog->namen, 1);
        writeBytes(datpfad + QStringLiteral("k_liste/KL3A.TXT"), "01 Anna\r\n02 Ben\r\n03 Cem\r\n");
        gezeigt(f, dialog->meldung, QStringLiteral("Protokoll: Zeile geändert"));
        QFile::remove(datpfad + QStringLiteral("k_liste/KL3A.TXT"));
        waehlen(dialog->namen, 1);
        gezeigt(f, dialog->meldung, QStringLiteral("Protokoll: Liste gelöscht"));
        dialog->Button1->Click();
    });

    // The analyses' set-ups: the list saved just now, then deleted.
    struct Einrichtung {
        Form* fenster;
        int code;
        ListBox* namen;
        Button* start;
        Label* meldung;
        Button* zurueck;
    };
    auto* gra = dynamic_cast<TForm37*>(Form37);
    auto* ss = dynamic_cast<TForm31*>(Form31);
    auto* sv = dynamic_cast<TForm39*>(Form39);
    ASSERT_TRUE(gra && ss && sv);
    for (const Einrichtung& e : { Einrichtung { gra, 11, gra->namen, gra->Button2, gra->Label55, gra->Button10 },
             Einrichtung { ss, 1, ss->namen, ss->Button2, ss->Label18, ss->Button1 },
             Einrichtung { sv, 20, sv->namen, sv->Button2, sv->Label18, sv->Button10 } }) {
        sperrKlasse();
        programmcode = e.code;
        zeigen(e.fenster, [&](Form& f) {
            if (&f != e.fenster) {
                f.Close();
                return;
            }
            waehlen(e.namen, 0);
            gesperrt([&] { e.start->Click(); });
            gezeigt(f, e.meldung, name(&f) + QStringLiteral(": Liste gesperrt"));
            QFile::remove(datpfad + QStringLiteral("k_liste/KL3A.TXT"));
            e.start->Click();
            gezeigt(f, e.meldung, name(&f) + QStringLiteral(": Liste gelöscht"));
            // The typed name's box shows with what it may hold.
            const QList<Label*> labels = f.findChildren<Label*>();
            EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](const Label* l) {
                return l->isVisible() && l->text() == QStringLiteral("(max. 8 gültige Zeichen)");
            })) << name(&f).toStdString();
            e.zurueck->Click();
        });
    }
    FileLock::setWaitForTests(-1);
    EXPECT_EQ(gesehen.size(), 12);
    EXPECT_EQ(gesehen.filter(QStringLiteral("„Klasse_3c.txt“")).size(), 1) << gesehen.join('\n').toStdString();
    EXPECT_EQ(gesehen.filter(QStringLiteral("gibt es nicht mehr")).size(), 4) << gesehen.join('\n').toStdString();
    EXPECT_EQ(gesehen.filter(QStringLiteral("Ordner „k_liste“")).size(), 1) << gesehen.join('\n').toStdString();
    QStringList liste = schnitte.values();
    liste.sort();
    EXPECT_TRUE(liste.isEmpty()) << liste.size() << "\n" << liste.join(QLatin1Char('\n')).toStdString();
}
// Where the class lists cannot be read from this PC, each window that offers them says so, whole.
TEST_F(TexteTest, ListsThatCannotBeReadAreSaidWholeInEveryWindowThatOffersThem)
{
    sperrKlasse();
    QStringList gesehen;
    const auto gezeigt = [&](Form& f, Label* meldung, const QString& schritt) {
        EXPECT_TRUE(meldung->isVisible()) << schritt.toStdString();
        EXPECT_TRUE(meldung->text().startsWith(QStringLiteral("Die Klassenlisten können an diesem Rechner nicht")))
            << schritt.toStdString() << ": " << meldung->text().toStdString();
        gesehen << meldung->text();
        pruefen(f, schritt);
    };
    // The rest of the data folder may be written, as the set-ups' settings need.
    QFile::setPermissions(datpfad, QFileDevice::Permissions(0x7777));
    for (const QString& datei : QDir(datpfad).entryList(QDir::Files))
        QFile::setPermissions(datpfad + datei, QFileDevice::Permissions(0x6666));
    UnlesbarerOrdner zu(datpfad + QStringLiteral("k_liste"), testFolder());
    zeigen(Form1, [&](Form& f) {
        if (&f != Form1) return;
        gezeigt(f, f.findChild<Label*>(QStringLiteral("klinameldung")), QStringLiteral("Hauptfenster"));
        Form1->Close();
    });
    auto* verwaltung = dynamic_cast<TForm34*>(Form34);
    ASSERT_TRUE(verwaltung);
    zeigen(verwaltung, [&](Form& f) {
        if (&f != verwaltung) return;
        verwaltung->Button2->Click();
        gezeigt(f, verwaltung->meldung, QStringLiteral("Verwaltung: Liste wählen"));
        verwaltung->Button1->Click();
        verwaltung->Edit1->setText(QStringLiteral("Dora"));
        verwaltung->Button7->Click();
        verwaltung->Button8->Click();
        verwaltung->Edit2->setText(QStringLiteral("NEU"));
        gezeigt(f, verwaltung->meldung, QStringLiteral("Verwaltung: neue Liste"));
        verwaltung->Button13->Click();
        verwaltung->Button10->Click();
    });
    auto* gra = dynamic_cast<TForm37*>(Form37);
    auto* ss = dynamic_cast<TForm31*>(Form31);
    auto* sv = dynamic_cast<TForm39*>(Form39);
    ASSERT_TRUE(gra && ss && sv);
    const QList<std::tuple<Form*, int, Label*, Button*>> einrichtungen { { gra, 11, gra->Label55, gra->Button10 },
        { ss, 1, ss->Label18, ss->Button1 }, { sv, 20, sv->Label18, sv->Button10 } };
    for (const auto& [fenster, code, meldung, zurueck] : einrichtungen) {
        aktivliste = "KL3A";
        programmcode = code;
        zeigen(fenster, [&](Form& f) {
            if (&f != fenster) {
                f.Close();
                return;
            }
            gezeigt(f, meldung, name(&f));
            zurueck->Click();
        });
    }
    EXPECT_EQ(gesehen.size(), 6);
    QStringList liste = schnitte.values();
    liste.sort();
    EXPECT_TRUE(liste.isEmpty()) << liste.size() << "\n" << liste.join(QLatin1Char('\n')).toStdString();
}

// What the main window says of a "kl.ina" that names no data folder, or a path for its active list, of a chosen list
// that is gone and of a data folder that cannot be reached: whole, over no other control, with the longest text it
// shows of what it read.
TEST_F(TexteTest, TheMainWindowsKlInaMessagesShowWhole)
{
    const QString programmkopie = programFolder() + "kl.ina";
    const QByteArray gut = readBytes(programmkopie);
    writeBytes(programmkopie, "W\x01" + QByteArray(200, 'W') + "\r\nohne\r\n");
    zeigen(Form1, [&](Form& f) {
        if (&f != Form1) return;
        auto* meldung = f.findChild<Label*>(QStringLiteral("datpfadmeldung"));
        EXPECT_TRUE(meldung->isVisible() && meldung->text().contains(QStringLiteral("nennt keinen Datenordner")));
        EXPECT_TRUE(showsWhole(meldung));
        pruefen(f, QStringLiteral("kl.ina ohne Datenordner"));
        // A path under a file can be no folder: said in the window, the longest a teacher may type.
        const QString datei = dataPath(QStringLiteral("Datei_") + QString(60, u'x'));
        writeBytes(datei, "");
        f.findChild<Edit*>(QStringLiteral("Edit2"))->setText(datei + QStringLiteral("/") + QString(60, u'y'));
        f.findChild<Button*>(QStringLiteral("datpfad_ok"))->Click();
        EXPECT_TRUE(meldung->isVisible() && meldung->text().contains(QStringLiteral("ist eine Datei, kein Ordner")))
            << meldung->text().toStdString();
        EXPECT_TRUE(showsWhole(meldung));
        pruefen(f, QStringLiteral("Datenordner unter einer Datei"));
        Form1->Close();
    });
    writeBytes(programmkopie, gut);
    writeBytes(dataPath("kl.ina"), (dataFolder() + "\r\n../../x\r\n").toUtf8());
    zeigen(Form1, [&](Form& f) {
        if (&f != Form1) return;
        auto* meldung = f.findChild<Label*>(QStringLiteral("klinameldung"));
        EXPECT_TRUE(meldung->isVisible() && meldung->text().contains(QStringLiteral("das ist keine Liste")));
        EXPECT_TRUE(showsWhole(meldung));
        pruefen(f, QStringLiteral("aktive Liste ein Pfad"));
        Form1->Close();
    });
    // A list chosen after another PC deleted it.
    writeBytes(dataPath("kl.ina"), gut);
    QDir().mkpath(dataPath("k_liste"));
    writeBytes(dataPath("k_liste/KL3A.TXT"), "01 Anna\r\n");
    zeigen(Form1, [&](Form& f) {
        if (&f != Form1) return;
        auto* liste = f.findChild<ListBox*>(QStringLiteral("listenwahl"));
        QFile::remove(dataPath("k_liste/KL3A.TXT"));
        liste->setItemIndex(liste->items().indexOf(QStringLiteral("KL3A")));
        liste->OnClick();
        auto* meldung = f.findChild<Label*>(QStringLiteral("klinameldung"));
        EXPECT_TRUE(meldung->isVisible() && meldung->text().contains(QStringLiteral("gibt es nicht mehr")));
        EXPECT_TRUE(showsWhole(meldung));
        pruefen(f, QStringLiteral("gewählte Liste gelöscht"));
        Form1->Close();
    });
    // A share not mounted yet, deep in a school's shared drive; tried again, then another folder asked for.
    QString tief = testFolder() + QStringLiteral("/mnt/");
    for (int ebene = 1; ebene <= 11; ++ebene)
        tief += QStringLiteral("Gemeinsame_Ablage_Ebene_%1/").arg(ebene);
    writeBytes(programmkopie, (tief + "\r\nohne\r\n").toUtf8());
    zeigen(Form1, [&](Form& f) {
        if (&f != Form1) return;
        auto* text = f.findChild<Label*>(QStringLiteral("unerreichbarText"));
        auto* erneut = f.findChild<Button*>(QStringLiteral("erneutVersuchen"));
        erneut->Click();
        EXPECT_TRUE(text->isVisible() && text->text().contains(QStringLiteral("kann nicht erreicht werden")));
        EXPECT_TRUE(text->text().contains(QStringLiteral("noch nicht da")));
        EXPECT_TRUE(showsWhole(text));
        EXPECT_LT(text->geometry().bottom(), erneut->y());
        pruefen(f, QStringLiteral("Datenordner nicht erreichbar"));
        grabToPng(&f, QStringLiteral("tavi-unerreichbar-%1").arg(qEnvironmentVariable("TAVI_X11_SCREEN")));
        f.findChild<Button*>(QStringLiteral("andererOrdner"))->Click();
        EXPECT_TRUE(f.findChild<Panel*>(QStringLiteral("datpfadpanel"))->isVisible());
        EXPECT_EQ(f.findChild<Memo*>(QStringLiteral("Memo2"))->verticalScrollBar()->maximum(), 0);
        EXPECT_FALSE(f.findChild<Memo*>(QStringLiteral("Memo2"))->lines().join(' ').contains("nach der Installation"));
        pruefen(f, QStringLiteral("anderen Datenordner angeben"));
        grabToPng(&f, QStringLiteral("tavi-anderer-ordner-%1").arg(qEnvironmentVariable("TAVI_X11_SCREEN")));
        Form1->Close();
    });
    writeBytes(programmkopie, gut);
    QStringList liste = schnitte.values();
    liste.sort();
    EXPECT_TRUE(liste.isEmpty()) << liste.size() << "\n" << liste.join(QLatin1Char('\n')).toStdString();
}

// The protocol dialog's messages over a protocol of all its lines: each lies whole in the dialog, over no line of
// the protocol, no name, no button; so do the typed-name box and the place of the full folder's message.
TEST_F(TexteTest, TheProtocolDialogsMessagesCoverNoLineOfAFullProtocol)
{
    FileLock::setWaitForTests(30);
    Surface::setRecordingTexts(true);
    programmcode = 17;
    const QStringList voll { "Programm:              +/-  im Raum 20, Zehnerübergang mit Hilfe",
        "Vorgaben:              15 Minute(n), 30 Aufgabe(n)", "Aufgaben:              Addition und Subtraktion, bis 20",
        "                       mit Zehnerübergang, Platzhalter rechts", "Arbeitszeit:           15 min 59 s",
        "bearbeitete Aufgaben:  30", "Eingaben, gesamt:      128", "davon: richtig/nötig:  97  (75,8 %)",
        "falsch ohne Hilfetasten: 31", "Hilfetasten:           12     Zeigetasten:        4",
        "Bemerkung:             die letzten Aufgaben ohne Hilfe gelöst" };
    auto* d = dynamic_cast<TForm65*>(Form65);
    ASSERT_TRUE(d);
    QStringList gesehen;
    const auto frei = [&](const QString& schritt) {
        const std::string s = schritt.toStdString();
        ASSERT_TRUE(d->meldung->isVisible()) << s;
        gesehen << d->meldung->text();
        const QRect m = d->meldung->geometry();
        EXPECT_TRUE(d->rect().contains(m)) << s;
        int zeilen = 0;
        for (const Surface::PlacedText& t : d->surface().placedTexts()) {
            if (t.text.trimmed().isEmpty()) continue;
            ++zeilen;
            EXPECT_FALSE(t.box.intersects(m)) << s << ": über \"" << t.text.toStdString() << "\"";
            for (QWidget* w : std::initializer_list<QWidget*> { d->Panel1, d->Label18 })
                EXPECT_FALSE(t.box.intersects(w->geometry()))
                    << s << ": " << name(w).toStdString() << " über \"" << t.text.toStdString() << "\"";
        }
        EXPECT_EQ(zeilen, 13) << s;
        for (QWidget* w : std::initializer_list<QWidget*> {
                 d->Namenliste, d->Panel1, d->Label18, d->Button1, d->Button2, d->Button3, d->Button5 })
            if (w->isVisible()) EXPECT_FALSE(w->geometry().intersects(m)) << s << ": über " << name(w).toStdString();
        pruefen(*d, schritt);
        grabToPng(d,
            QStringLiteral("protokollmeldung_%1_%2").arg(qEnvironmentVariable("TAVI_X11_SCREEN")).arg(gesehen.size()));
    };
    const auto oeffnen = [&](const std::function<void()>& schritte) {
        for (int i = 0; i < voll.size(); ++i)
            protzeilen[2 + i] = voll[i];
        zeigen(d, [&](Form& f) {
            if (&f == d) schritte();
        });
    };

    // With the class list: a lock held elsewhere, a line changed meanwhile, a protocol that cannot be saved.
    sperrKlasse();
    oeffnen([&] {
        d->Button5->Click();
        gesperrt([&] { waehlen(d->namen, 1); });
        frei(QStringLiteral("Protokoll: Liste gesperrt"));
        writeBytes(datpfad + QStringLiteral("k_liste/KL3A.TXT"), "01 Anna\r\n02 Paula\r\n03 Cem\r\n");
        waehlen(d->namen, 1);
        frei(QStringLiteral("Protokoll: Zeile geändert"));
        files::setWriteFailureForTests([](const QString& pfad) { return pfad.endsWith(QLatin1String(".txt")); });
        waehlen(d->namen, 0);
        files::setWriteFailureForTests({});
        frei(QStringLiteral("Protokoll: nicht gespeichert"));
        d->Button1->Click();
    });
    // The list deleted while its names were shown; then a typed name's protocol that cannot be saved.
    sperrKlasse();
    oeffnen([&] {
        d->Button5->Click();
        QFile::remove(datpfad + QStringLiteral("k_liste/KL3A.TXT"));
        waehlen(d->namen, 1);
        frei(QStringLiteral("Protokoll: Liste gelöscht"));
        d->Edit2->setText(QStringLiteral("Annabell"));
        files::setWriteFailureForTests([](const QString& pfad) { return pfad.endsWith(QLatin1String(".txt")); });
        d->Button4->Click();
        files::setWriteFailureForTests({});
        frei(QStringLiteral("Protokoll: getippter Name nicht gespeichert"));
        d->Button1->Click();
    });
    // No list by now, as where it went on another PC, and "kl.ina" naming a list that is gone: the typed-name box
    // asks for the name in the same words both times.
    for (const QString& liste : { QStringLiteral("ohne"), QStringLiteral("WEG") }) {
        sperrKlasse();
        tavi::klinaSchreiben(datpfad + QStringLiteral("kl.ina"), datpfad, liste);
        oeffnen([&] {
            d->Button5->Click();
            EXPECT_TRUE(d->Panel1->isVisible());
            frei(QStringLiteral("Protokoll: Name tippen, Liste ") + liste);
            d->Button1->Click();
        });
    }
    EXPECT_TRUE(gesehen.size() == 7 && gesehen[6].endsWith(gesehen[5])) << gesehen.join('\n').toStdString();
    Surface::setRecordingTexts(false);
    FileLock::setWaitForTests(-1);
    QStringList liste = schnitte.values();
    liste.sort();
    EXPECT_TRUE(liste.isEmpty()) << liste.size() << "\n" << liste.join(QLatin1Char('\n')).toStdString();
}

namespace {

// The result of a three-task "kleines 1 x 1" analysis, 53 lines, as the analysis writes it.
QByteArray einmaleinsErgebnis(const QString& pfad)
{
    QStringList z { "Anna                                 07.12.2026  kleines  1 x 1 (ohne T-Ag)",
        "gespeichert unter: " + pfad, "Arbeitszeit: 0:00 min",
        "Aufgaben: maximal (nach Vorgabe durch die Zahlenauswahl): 3 (???)", "          davon bearbeitet: 3  ",
        "          richtig:  0  Tabelle: richtige Lösung, ++", "                                Zeitangabe",
        "          falsch:   3  Tabelle: richtige Lösung, _ , falsche Lösung",
        "                                Zeitangabe, Fehlerkennung(en)",
        "richtige Lösungen/Minute: ~0     Erfolgsquote: ~0%     Fehlerquote: ~100%", "",
        " x    0     1     2     3     4     5     6     7     8     9    10      F", "" };
    for (int zeile = 0; zeile <= 10; ++zeile)
        z << QString::number(zeile).rightJustified(2) + QString(71, ' ') + (zeile == 2 || zeile == 3 ? "1" : "0")
          << QString(71, ' ') << QString();
    z << "F     0     0     2     1     0     0     0     0     0     0     0      3"
      << ""
      << "F e h l e r a n a l y s e :"
      << "Anzahl  Kennung  möglicher Fehlertyp"
      << "  1        A     Reihen-Aufsage-Fehler, Fehler der Nähe+"
      << "  1        B     Reihen-Aufsage-Fehler, Fehler der Nähe-"
      << "  1        ud    ? (undefinierter Fehler)";
    QByteArray b;
    for (const QString& zeile : z)
        b += zeile.toLatin1() + "\r\n";
    return b;
}

// What a window's canvases drew where no one can read it: outside the window or the screen, unless it lies on
// a scroll view's drawing, which scrolls to every part of it.
QStringList unerreichbareTexte(Form& f, const QString& fenstername)
{
    QStringList liste;
    const QRect schirm = f.screen()->geometry();
    auto melden = [&](const Surface::PlacedText& t, const QString& wo) {
        liste << fenstername + QStringLiteral(": \"") + t.text + QStringLiteral("\" ") + wo;
    };
    for (const Surface::PlacedText& t : f.surface().placedTexts())
        if (!f.rect().contains(t.box) || !schirm.contains(QRect(f.mapToGlobal(t.box.topLeft()), t.box.size())))
            melden(t, QStringLiteral("liegt außerhalb des Fensters"));
    for (ScrollView* v : f.findChildren<ScrollView*>()) {
        if (!v->isVisible()) continue;
        const QRect sicht(v->viewport()->mapTo(&f, QPoint(0, 0)), v->viewport()->size());
        if (!f.rect().contains(sicht) || !schirm.contains(QRect(f.mapToGlobal(sicht.topLeft()), sicht.size())))
            liste << fenstername + QStringLiteral(": der Rollbereich reicht über das Fenster");
        // The scroll bars reach the whole drawing (they show once the window has handled its events).
        const QWidget* blatt = v->widget();
        const auto reicht = [](const QScrollBar* balken, Qt::ScrollBarPolicy regel, int noetig) {
            return noetig <= 0 || (regel != Qt::ScrollBarAlwaysOff && balken->maximum() >= noetig);
        };
        const bool hoch
            = reicht(v->verticalScrollBar(), v->verticalScrollBarPolicy(), blatt->height() - sicht.height());
        const bool breit
            = reicht(v->horizontalScrollBar(), v->horizontalScrollBarPolicy(), blatt->width() - sicht.width());
        for (const Surface::PlacedText& t : v->surface().placedTexts()) {
            if (!blatt->rect().contains(t.box))
                melden(t, QStringLiteral("liegt außerhalb der Zeichnung"));
            else if (!(hoch && breit))
                melden(t, QStringLiteral("ist ohne Rollbalken nicht zu erreichen"));
        }
    }
    return liste;
}

} // namespace

// Text drawn on a canvas can be read: it lies in its window and on the screen, or the window scrolls to it;
// every window as a user opens it, with the long result of an analysis shown.
TEST_F(TexteTest, EveryTextDrawnOnACanvasCanBeReachedAndRead)
{
    Surface::setRecordingTexts(true);
    QSet<QString> fehler;
    const auto besuchenUndPruefen = [&](Form& f) {
        besuchen(f);
        if (f.isVisible())
            for (const QString& s : unerreichbareTexte(f, name(&f)))
                fehler.insert(s);
    };
    Form::setModalDriver(besuchenUndPruefen);
    Form1->showModal();
    Form::setModalDriver({});

    // Under a data folder on a share, whose path line is longer than the record's other lines.
    const QString ordner = dataPath(
        "run/user/1000/gvfs/smb-share:server=schulserver.example,share=lehrer/Tirmosak_Daten/OHNELIST/Anna/");
    protdatei = ordner + QStringLiteral("1x1___01.txt");
    QDir().mkpath(ordner);
    writeBytes(protdatei, einmaleinsErgebnis(protdatei));
    programmcode = 16;
    bool lang = false;
    zeigen(Form36, [&](Form& f) {
        besuchenUndPruefen(f);
        auto& ergebnis = static_cast<TForm36&>(f);
        lang = protzeilenzahl == 53 && !ergebnis.blatt->surface().placedTexts().isEmpty();
        grabToPng(&f, QStringLiteral("ergebnis_lang_%1").arg(qEnvironmentVariable("TAVI_X11_SCREEN")));
    });
    // An aid writes its lines 2 to 12 before its dialog opens: the result's lines stand in for them, but its path
    // line is none of an aid's.
    protzeilen[2] = QString();
    zeigen(Form65, besuchenUndPruefen);
    Surface::setRecordingTexts(false);
    EXPECT_TRUE(lang);
    QStringList liste = fehler.values();
    liste.sort();
    EXPECT_TRUE(liste.isEmpty()) << liste.size() << "\n" << liste.join(QLatin1Char('\n')).toStdString();
}
