#include "platform/controls.h"

#include "platform/colors.h"
#include "platform/errors.h"
#include "platform/form.h"

#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QVariant>
#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace {

enum class KeypadRole : quint8 { none, key, enter };

// What the layer keeps of each control beside Qt's own state. A side table rather than dynamic properties:
// setting a property looks its name up among every property of the class, and the program sets these on
// thousands of controls while its windows are created at start.
struct Steuerdaten {
    QPointer<QObject> wache; // an entry whose control is gone (and whose address is used again) is stale
    QString fontName;
    bool hatSchrift = false;
    FontStyles styles = 0;
    int height = 0;
    qint64 tabIndex = 0; // 0: none yet
    bool keinPfeilziel = false;
    KeypadRole keypad = KeypadRole::none;
    bool keypadBox = false;
};

std::unordered_map<const QObject*, Steuerdaten>& steuertabelle()
{
    static std::unordered_map<const QObject*, Steuerdaten> t;
    return t;
}

const Steuerdaten* finden(const QObject* o)
{
    auto& t = steuertabelle();
    const auto it = t.find(o);
    if (it == t.end()) return nullptr;
    if (it->second.wache.data() != o) {
        t.erase(it);
        return nullptr;
    }
    return &it->second;
}

Steuerdaten& daten(QObject* o)
{
    if (const Steuerdaten* d = finden(o)) return const_cast<Steuerdaten&>(*d);
    Steuerdaten& neu = steuertabelle()[o];
    neu = Steuerdaten {};
    neu.wache = o;
    return neu;
}

qint64 tabIndexOf(const QObject* o)
{
    const Steuerdaten* d = finden(o);
    return d && d->tabIndex ? d->tabIndex : LLONG_MAX;
}

qint64 nextTabIndex()
{
    static qint64 counter = 0;
    return ++counter;
}

void setPaletteColor(QWidget* w, QPalette::ColorRole role, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::All, role, c);
    w->setPalette(p);
}

} // namespace

void assignTabIndex(QWidget* control)
{
    if (!control) return;
    Steuerdaten& d = daten(control);
    if (!d.tabIndex) d.tabIndex = nextTabIndex();
}

// ---- Properties every control has ----

void place(QWidget* control, int left, int top, int width, int height)
{
    control->setGeometry(left, top, std::max(0, width), std::max(0, height));
}

void applyFont(QWidget* control, const QString& name, int height, FontStyles styles)
{
    Steuerdaten& d = daten(control);
    d.fontName = name;
    d.hatSchrift = true;
    d.styles = styles;
    d.height = height;
    control->setFont(makeFont(name, height, styles));
}

void applyFontSize(QWidget* control, const QString& name, int points, FontStyles styles)
{
    applyFont(control, name, heightOfSize(points), styles);
}

void setFontHeight(QWidget* control, int height)
{
    const Steuerdaten* d = finden(control);
    applyFont(control, fontNameOf(control), height, d && d->hatSchrift ? d->styles : FontStyles(0));
}

void setFontSize(QWidget* control, int points)
{
    setFontHeight(control, heightOfSize(points));
}

QString fontNameOf(const QWidget* control)
{
    for (const QWidget* w = control; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        const Steuerdaten* d = finden(w);
        if (d && d->hatSchrift) return d->fontName;
    }
    return QStringLiteral("MS Sans Serif");
}

int fontHeightOf(const QWidget* control)
{
    const Steuerdaten* d = finden(control);
    return d && d->hatSchrift ? d->height : 0;
}

void setFontColor(QWidget* control, const QColor& color)
{
    QPalette p = control->palette();
    for (auto role : { QPalette::WindowText, QPalette::ButtonText, QPalette::Text })
        p.setColor(QPalette::All, role, color);
    control->setPalette(p);
}

void setColor(QWidget* control, const QColor& color)
{
    if (auto* form = qobject_cast<Form*>(control)) {
        form->setColor(color);
        return;
    }
    if (qobject_cast<QPushButton*>(control)) return; // buttons keep the button face, whatever colour they are given
    if (qobject_cast<QLineEdit*>(control) || qobject_cast<QAbstractScrollArea*>(control)) {
        setPaletteColor(control, QPalette::Base, color);
        return;
    }
    setPaletteColor(control, QPalette::Window, color);
    // A transparent label stays transparent.
    if (!qobject_cast<Label*>(control)) control->setAutoFillBackground(true);
}

void setHint(QWidget* control, const QString& hint)
{
    control->setProperty("taviHint", hint);
}

void setShowHint(QWidget* control, bool on)
{
    control->setProperty("taviShowHint", on);
}

void setTabStop(QWidget* control, bool on)
{
    // A keypad key with a tab stop is reached by Tab, but a click still leaves the focus where it was.
    if (isKeypadKey(control)) {
        control->setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus);
        return;
    }
    if (control->focusPolicy() == Qt::NoFocus && !on) return;
    control->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

bool hasTabStop(const QWidget* control)
{
    return control->focusPolicy() & Qt::TabFocus;
}

void setArrowStop(QWidget* control, bool on)
{
    daten(control).keinPfeilziel = !on;
}

bool isArrowStop(const QWidget* control)
{
    const Steuerdaten* d = finden(control);
    return !d || !d->keinPfeilziel;
}

void setKeypadKey(QWidget* key, bool enter)
{
    // The keys of an on-screen keypad stand for keys the keyboard has: a click on one takes no focus, so that
    // the next typed key goes where the typing goes (a button that held the focus gives it up to the window).
    key->setFocusPolicy(Qt::NoFocus);
    daten(key).keypad = enter ? KeypadRole::enter : KeypadRole::key;
    if (Form* form = formOf(key); form && enter) form->defaultButtonsChanged();
}

bool isKeypadKey(const QWidget* control)
{
    const Steuerdaten* d = control ? finden(control) : nullptr;
    return d && d->keypad != KeypadRole::none;
}

bool isKeypadEnter(const QWidget* control)
{
    const Steuerdaten* d = control ? finden(control) : nullptr;
    return d && d->keypad == KeypadRole::enter;
}

void setKeypadBox(QWidget* box)
{
    daten(box).keypadBox = true;
}

bool isKeypadBox(const QWidget* box)
{
    const Steuerdaten* d = box ? finden(box) : nullptr;
    return d && d->keypadBox;
}

QList<QWidget*> tabOrderedChildren(const QWidget* parent)
{
    QList<QWidget*> list;
    for (QObject* o : parent->children())
        if (auto* w = qobject_cast<QWidget*>(o); w && !w->isWindow()) list << w;
    // Widgets that never got a number keep their place after the numbered ones.
    std::stable_sort(list.begin(), list.end(), [](QWidget* a, QWidget* b) { return tabIndexOf(a) < tabIndexOf(b); });
    return list;
}

void setTabOrderIndex(QWidget* control, int index)
{
    QWidget* parent = control->parentWidget();
    if (!parent) return;
    QList<QWidget*> order = tabOrderedChildren(parent);
    order.removeOne(control);
    order.insert(std::clamp(index, 0, int(order.size())), control);
    for (QWidget* w : order)
        daten(w).tabIndex = nextTabIndex();
    // Of two Default buttons, Enter presses the first in tab order.
    if (Form* form = formOf(control)) form->defaultButtonsChanged();
}

void BringToFront(QWidget* control)
{
    control->raise();
}

void setHandCursor(QWidget* control)
{
    control->setCursor(Qt::PointingHandCursor);
}

void initControl(QWidget* control, int left, int top, int width, int height)
{
    assignTabIndex(control);
    place(control, left, top, width, height);
    // Controls are visible unless hidden, also those added to a window already on the screen.
    if (control->parentWidget() && control->parentWidget()->isVisible()) control->show();
}

// ---- Buttons ----

void defaultFlagChanged(Button* button)
{
    if (Form* form = formOf(button)) form->defaultButtonsChanged();
}

Button::Button(QWidget* parent, const QString& caption, int left, int top, int width, int height)
    : QPushButton(parent)
{
    initControl(this, left, top, width, height);
    // Enter and Esc are the window's business (Default, Cancel), not Qt's.
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    setCaption(caption);
    connect(this, &QAbstractButton::clicked, this, [this] {
        runGuarded([this] {
            // Before OnClick, so that a focus the key's own handler gives stays.
            if (isKeypadKey(this) && !isKeypadEnter(this))
                if (Form* form = formOf(this)) form->keypadKeyClicked();
            Click();
        });
    });
}

void Button::Click()
{
    if (isKeypadKey(this) && !isKeypadEnter(this))
        if (Form* form = formOf(this)) form->keypadKeyActed();
    if (OnClick) OnClick();
}

bool Button::clickIfVisibleAndEnabled()
{
    if (!isUsable(this)) return false;
    Click();
    return true;
}

void Button::setCaption(const QString& caption)
{
    m_caption = caption;
    showCaption();
}

void Button::showCaption()
{
    setText(textForFont(fontNameOf(this), m_caption));
    // The "&" mark is handled with the window's keys, which click at once and only usable buttons.
    setShortcut(QKeySequence());
}

void Button::setGlyph(const QPixmap& glyph)
{
    setIcon(QIcon(glyph));
    setIconSize(glyph.size());
}

void Button::setCaptionLeft(int indent)
{
    m_leftIndent = indent;
    update();
}

void Button::changeEvent(QEvent* event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::FontChange) showCaption();
    if (event->type() == QEvent::EnabledChange) enterMarkMayMove();
}

void Button::showEvent(QShowEvent* event)
{
    QPushButton::showEvent(event);
    enterMarkMayMove();
}

void Button::hideEvent(QHideEvent* event)
{
    QPushButton::hideEvent(event);
    enterMarkMayMove();
}

void Button::enterMarkMayMove()
{
    // Only a Default button or a keypad's key coming or going moves the mark (or the keypad's frame) by itself;
    // the focused one moves it with the focus.
    if (!Default && !isKeypadKey(this)) return;
    if (Form* form = formOf(this)) form->updateEnterMark();
}

void Button::initStyleOption(QStyleOptionButton* option) const
{
    QPushButton::initStyleOption(option);
    const Form* form = formOf(this);
    if (form && form->markedButton() == this)
        option->features |= QStyleOptionButton::DefaultButton;
    else
        option->features &= ~QStyleOptionButton::DefaultButton;
}

void Button::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const bool frame = showsFocusFrame(this);
    if (m_leftIndent < 0 && !frame) {
        p.drawControl(QStyle::CE_PushButton, option);
        return;
    }
    // The style's own drawing of the whole button, taken apart: a caption at the left, or a frame of our own.
    p.drawControl(QStyle::CE_PushButtonBevel, option);
    QStyleOptionButton label = option;
    label.rect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const auto beschriftung = [&](QPainter& q) {
        if (m_leftIndent < 0)
            style()->drawControl(QStyle::CE_PushButtonLabel, &label, &q, this);
        else
            style()->drawItemText(&q, label.rect.adjusted(m_leftIndent, 0, 0, 0),
                Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, option.palette, isEnabled(), option.text,
                QPalette::ButtonText);
    };
    beschriftung(p);
    if (!frame) return;
    // The style's own focus mark is a tint of the face, lost on a coloured picture that fills the button; this
    // frame shows on any face, and a light line outside it keeps it off a face that reaches the edge. It never
    // crosses a caption: on a small button it goes out towards the border, and where even there it would touch
    // the caption, it leaves a gap beside it. A picture or symbol that fills the button leaves no room beside
    // it: there the frame shows on it as on any face.
    QRect ink = inkOf(this, beschriftung);
    if (ink.adjusted(-1, -1, 1, 1).contains(rect().adjusted(1, 1, -1, -1))) ink = QRect();
    const QRect linie = focusFrameClearOf(rect().adjusted(3, 3, -4, -4), ink, rect().adjusted(1, 1, -2, -2));
    p.save();
    QRegion innen(rect().adjusted(1, 1, -1, -1)); // the border stays
    if (!ink.isNull()) innen -= QRegion(ink.adjusted(-1, -1, 1, 1));
    p.setClipRegion(innen);
    p.setPen(option.palette.color(QPalette::Button));
    p.setBrush(Qt::NoBrush);
    p.drawRect(linie.adjusted(-1, -1, 1, 1));
    p.restore();
    drawFocusFrame(p, linie, ink);
}

bool showsFocusFrame(const QWidget* control)
{
    return control->hasFocus() && control->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void drawFocusFrame(QPainter& painter, const QRect& line, const QRect& ink)
{
    if (line.width() < 2 || line.height() < 2) return;
    painter.save();
    if (!ink.isNull()) painter.setClipRegion(QRegion(line.adjusted(0, 0, 1, 1)) - QRegion(ink.adjusted(-1, -1, 1, 1)));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(clBtnHighlight, 1));
    painter.drawRect(line);
    QPen dots(clWindowText, 1);
    dots.setDashPattern({ 1, 1 });
    painter.setPen(dots);
    painter.drawRect(line);
    painter.restore();
}

QRect focusFrameClearOf(const QRect& line, const QRect& ink, const QRect& bounds)
{
    if (ink.isNull()) return line;
    // A rectangle drawn with a pen of one pixel lies on its left and top and one pixel right of and below its
    // right and bottom.
    QRect r = line;
    r.setLeft(std::max(bounds.left(), std::min(line.left(), ink.left() - 2)));
    r.setTop(std::max(bounds.top(), std::min(line.top(), ink.top() - 2)));
    r.setRight(std::min(bounds.right(), std::max(line.right(), ink.right() + 1)));
    r.setBottom(std::min(bounds.bottom(), std::max(line.bottom(), ink.bottom() + 1)));
    return r;
}

QMargins inkPastCell(const QFontMetrics& metrics, const QString& text)
{
    if (text.isEmpty()) return {};
    const QRect ink = metrics.tightBoundingRect(text);
    constexpr int smoothing = 1;
    return QMargins(0, std::max(0, -ink.top() + smoothing - metrics.ascent()), 0,
        std::max(0, ink.bottom() + 1 + smoothing - metrics.descent()));
}

QRect inkOf(const QWidget* control, const std::function<void(QPainter&)>& draw, const QRect& area, int leastAlpha)
{
    const QRect flaeche = area.isNull() ? control->rect() : area;
    QImage bild(flaeche.size(), QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    {
        QPainter q(&bild);
        q.translate(-flaeche.topLeft());
        q.setFont(control->font());
        draw(q);
    }
    int links = bild.width(), oben = bild.height(), rechts = -1, unten = -1;
    for (int y = 0; y < bild.height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(bild.constScanLine(y));
        for (int x = 0; x < bild.width(); ++x)
            if (qAlpha(zeile[x]) >= leastAlpha) {
                links = std::min(links, x);
                rechts = std::max(rechts, x);
                oben = std::min(oben, y);
                unten = y;
            }
    }
    return rechts < 0 ? QRect() : QRect(QPoint(links, oben), QPoint(rechts, unten)).translated(flaeche.topLeft());
}

PictureButton::PictureButton(QWidget* parent, const QPixmap& glyph, int left, int top, int width, int height)
    : Button(parent, QString(), left, top, width, height)
{
    setGlyph(glyph);
}

// ---- Labels ----

Label::Label(QWidget* parent, const QString& caption, int left, int top)
    : QLabel(parent)
{
    initControl(this, left, top, 0, 0);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMargin(0);
    setIndent(0);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    setCaption(caption);
}

void Label::setCaption(const QString& caption)
{
    m_caption = caption;
    showCaption();
}

void Label::showCaption()
{
    setText(textForFont(fontNameOf(this), withoutMnemonics(m_caption)));
    fit();
}

void Label::setAutoSize(bool on)
{
    m_autoSize = on;
    fit();
}

void Label::setTransparent(bool on)
{
    setAutoFillBackground(!on);
    update();
}

void Label::setWordWrap(bool on)
{
    QLabel::setWordWrap(on);
    fit();
}

void Label::fit()
{
    // Measuring shapes the text and loads the font: done at once only for a label that can be seen, else
    // when it is first shown. Most labels of the program's many windows are never shown in a session.
    m_fitPending = true;
    if (isVisible()) measure();
}

void Label::showEvent(QShowEvent* event)
{
    if (m_fitPending) measure();
    QLabel::showEvent(event);
}

void Label::measure()
{
    m_fitPending = false;
    // The dots of a capital umlaut and the underscore reach past the font's ascent and descent in some sizes:
    // the label keeps room for them above its first line and below its last, so that they are not cut.
    // So do the left ends of "_", "W" or "T" past the start of a line.
    const QFontMetrics fm(font());
    const QString t = text();
    int above = 0, below = 0, left = 0;
    if (!t.isEmpty()) {
        const QMargins past = inkPastCell(fm, QString(t).replace(QLatin1Char('\n'), QLatin1Char(' ')));
        above = past.top();
        below = past.bottom();
        const QFontMetricsF exact(font());
        for (int i = 0; i < t.size(); ++i) {
            const bool lineStart = i == 0 || t.at(i - 1) == u'\n' || (wordWrap() && t.at(i - 1) == u' ');
            if (lineStart && !t.at(i).isSpace()) left = std::max(left, int(std::ceil(-exact.leftBearing(t.at(i)))));
        }
    }
    setContentsMargins(left, above, 0, below);
    // A label without auto-size keeps the size it is given.
    if (!m_autoSize) return;
    // As the text measures: lines of the font's cell height, as wide as the widest.
    if (wordWrap()) {
        const QRect lines = fm.boundingRect(QRect(0, 0, std::max(1, width() - left), 100000), Qt::TextWordWrap, t);
        resize(width(), above + lines.height() + below);
        return;
    }
    // The width as the text is laid out to be drawn: a last character whose ink reaches past its advance
    // ("_", italics) is not clipped.
    const int lines = int(t.count(QLatin1Char('\n'))) + 1;
    resize(left + fm.boundingRect(QRect(), Qt::AlignLeft | Qt::AlignTop, t).width(),
        above + fm.height() + fm.lineSpacing() * (lines - 1) + below);
}

void Label::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) showCaption();
}

// ---- Containers ----

namespace {

// The old three-dimensional frame: top and left lines in one colour, bottom and right in the other, width
// times, each inside the last; the rectangle shrinks by the frame.
void frame3D(QPainter& p, QRect& r, const QColor& top, const QColor& bottom, int width)
{
    for (int i = 0; i < width; ++i) {
        p.setPen(top);
        p.drawLine(r.left(), r.bottom(), r.left(), r.top());
        p.drawLine(r.left(), r.top(), r.right(), r.top());
        p.setPen(bottom);
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        p.drawLine(r.right(), r.bottom(), r.left(), r.bottom());
        r.adjust(1, 1, -1, -1);
    }
}

void bevel(QPainter& p, QRect& r, Bevel b, int width)
{
    if (b == Bevel::Raised)
        frame3D(p, r, clBtnHighlight, clBtnShadow, width);
    else if (b == Bevel::Lowered)
        frame3D(p, r, clBtnShadow, clBtnHighlight, width);
}

} // namespace

Panel::Panel(QWidget* parent, int left, int top, int width, int height, const QString& caption)
    : QFrame(parent)
{
    initControl(this, left, top, width, height);
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    m_caption = caption;
}

void Panel::setCaption(const QString& caption)
{
    m_caption = caption;
    update();
}

void Panel::setBevelOuter(Bevel bevel)
{
    m_outer = bevel;
    update();
}

void Panel::setBevelInner(Bevel bevel)
{
    m_inner = bevel;
    update();
}

void Panel::setBevelWidth(int width)
{
    m_bevelWidth = std::max(1, width);
    update();
}

void Panel::setCaptionAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

QRect Panel::innerRect() const
{
    const int edge = ((m_outer != Bevel::None) + (m_inner != Bevel::None)) * m_bevelWidth;
    return rect().adjusted(edge, edge, -edge, -edge);
}

void Panel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QRect r = rect();
    bevel(p, r, m_outer, m_bevelWidth);
    bevel(p, r, m_inner, m_bevelWidth);
    if (!m_caption.isEmpty()) {
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        p.setFont(font());
        p.drawText(r, int(m_alignment | Qt::AlignVCenter) | Qt::TextSingleLine,
            textForFont(fontNameOf(this), withoutMnemonics(m_caption)));
    }
}

GroupBox::GroupBox(QWidget* parent, const QString& caption, int left, int top, int width, int height)
    : QFrame(parent)
{
    initControl(this, left, top, width, height);
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    m_caption = caption;
}

void GroupBox::setCaption(const QString& caption)
{
    m_caption = caption;
    update();
}

void GroupBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setFont(font());
    const QFontMetrics fm(font());
    const int h = fm.height();
    // An etched frame: a light rectangle under a dark one, one pixel up and left.
    QRect r(0, h / 2 - 1, width(), height() - (h / 2 - 1));
    r.adjust(1, 1, 0, 0);
    p.setPen(clBtnHighlight);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    r.translate(-1, -1);
    p.setPen(clBtnShadow);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const QString text = textForFont(fontNameOf(this), withoutMnemonics(m_caption));
    if (!text.isEmpty()) {
        const QRect t(8, 0, fm.horizontalAdvance(text), h);
        p.fillRect(t, palette().color(QPalette::Window));
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        p.drawText(t, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    }
}

// ---- Timer ----

Timer::Timer(QObject* owner, int interval, bool enabled)
    : QObject(owner)
    , m_interval(interval)
    , m_enabled(enabled)
{
    connect(&m_timer, &QTimer::timeout, this, [this] { trigger(); });
    update();
}

void Timer::setInterval(int milliseconds)
{
    if (milliseconds == m_interval) return;
    m_interval = milliseconds;
    update();
}

void Timer::setEnabled(bool on)
{
    if (on == m_enabled) return;
    m_enabled = on;
    update();
}

void Timer::trigger()
{
    runGuarded([this] {
        if (OnTimer) OnTimer();
    });
}

void Timer::update()
{
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval);
    else
        m_timer.stop();
}
