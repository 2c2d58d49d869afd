#pragma once
#include "platform/flag.h"
#include "platform/fonts.h"
#include "platform/keyboard.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>

class QPainter;

// The controls of the windows: plain Qt widgets placed at their design positions, with the captions, fonts,
// colours and events the windows are described with. Event handlers run guarded: an error in one shows the
// standard message and the program goes on.

// ---- Properties every control has ----

void place(QWidget* control, int left, int top, int width, int height);
void applyFont(QWidget* control, const QString& name, int height, FontStyles styles = 0);
void applyFontSize(QWidget* control, const QString& name, int points, FontStyles styles = 0);
// A new height or size in the control's font name and styles (design-grid scaling).
void setFontHeight(QWidget* control, int height);
void setFontSize(QWidget* control, int points);
// The font name the control (or the nearest parent that has one) was given.
QString fontNameOf(const QWidget* control);
// The font height the control itself was given; 0 when none.
int fontHeightOf(const QWidget* control);
void setFontColor(QWidget* control, const QColor& color);
// Background colour of labels, panels, group boxes, edits, memos and list boxes.
void setColor(QWidget* control, const QColor& color);
void setHint(QWidget* control, const QString& hint);
// Hints show while ShowHint is on: the control's own setting, else its parent's, up to the window's.
void setShowHint(QWidget* control, bool on);
// A control without tab stop is skipped by Tab; it still takes the focus when clicked or asked to.
void setTabStop(QWidget* control, bool on);
bool hasTabStop(const QWidget* control);
// A control that is no arrow stop is passed over when the arrow keys move the focus: a button that ends a
// game or a turn, which a pupil's arrow key must never put under Enter.
void setArrowStop(QWidget* control, bool on);
bool isArrowStop(const QWidget* control);
// A key of an on-screen keypad: the mouse presses it without taking the focus from where the typing goes, and
// Space never presses it (nor types anything) when the program has given it the focus. A click on a key other
// than Enter, or the key typed for it, takes the focus from a button that is no keypad key back to the window,
// so that the next Enter is the keypad's (Form::keypadKeyClicked). The keypad's Enter (`enter`) carries the
// default-button look while the window's key preview is on and Enter would otherwise press no button: the preview's
// Enter presses it then.
void setKeypadKey(QWidget* key, bool enter = false);
bool isKeypadKey(const QWidget* control);
bool isKeypadEnter(const QWidget* control);
// The box of a keypad whose keys stand in the cells of a table drawn under them: the frame that shows the keys
// have the keyboard runs along the box's edges, around the table, never through it.
void setKeypadBox(QWidget* box);
bool isKeypadBox(const QWidget* box);
// Moves a control to place index (from 0) in its parent's tab order.
void setTabOrderIndex(QWidget* control, int index);
// The children of parent in tab order (creation order unless changed by setTabOrderIndex).
QList<QWidget*> tabOrderedChildren(const QWidget* parent);
void BringToFront(QWidget* control);
void setHandCursor(QWidget* control);

// ---- Buttons ----

class Button;

// A button's Default flag: setting or clearing it moves the default-button look in its window.
void defaultFlagChanged(Button* button);
using DefaultFlag = NotifyingFlag<Button, defaultFlagChanged>;

class Button : public QPushButton {
    Q_OBJECT
public:
    Button(QWidget* parent, const QString& caption, int left, int top, int width, int height);

    std::function<void()> OnClick;
    // Enter clicks the focused button, else the first visible and enabled Default button; Esc clicks the
    // first visible and enabled Cancel button. The button Enter clicks carries the default-button look.
    DefaultFlag Default { this };
    bool Cancel = false;

    // Runs OnClick, also when the button is disabled or hidden (as code that clicks a button expects).
    void Click();
    // Runs OnClick only when the button is visible and enabled (key routing of keypads); true when it did.
    bool clickIfVisibleAndEnabled();

    void setCaption(const QString& caption);
    QString caption() const { return m_caption; }
    void setGlyph(const QPixmap& glyph);
    // The caption at the left, `indent` pixels in (a list of choices that reads down its left edge); centred
    // otherwise.
    void setCaptionLeft(int indent);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void initStyleOption(QStyleOptionButton* option) const override;

private:
    void showCaption();
    void enterMarkMayMove();
    QString m_caption;
    int m_leftIndent = -1;
};

// A button with a picture (and usually no caption).
class PictureButton : public Button {
    Q_OBJECT
public:
    PictureButton(QWidget* parent, const QPixmap& glyph, int left, int top, int width, int height);
};

// ---- Labels ----

// A label sizes itself to its caption (AutoSize) unless told otherwise; it paints its background in its
// colour (its parent's unless set) unless it is transparent.
class Label : public QLabel {
    Q_OBJECT
public:
    Label(QWidget* parent, const QString& caption, int left, int top);

    void setCaption(const QString& caption);
    QString caption() const { return m_caption; }
    void setAutoSize(bool on);
    void setTransparent(bool on);
    void setWordWrap(bool on);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showCaption();
    void fit();
    void measure();
    QString m_caption;
    bool m_autoSize = true;
    bool m_fitPending = false;
};

// ---- Edits and memos ----

// A one-line edit. Its OnKeyPress filters typed characters and pasted text alike; characters that
// Windows-1252 cannot hold are refused, unless the edit is made to take them. OnChange runs whenever the text changes,
// also by code. The focus given by the program (SetFocus), Tab, an arrow or an accelerator selects the whole text; a
// click places the cursor.
class Edit : public QLineEdit, public KeyEvents {
    Q_OBJECT
public:
    Edit(QWidget* parent, int left, int top, int width, int height, const QString& text = QString());

    std::function<void()> OnChange;
    // 0 is no limit.
    void setMaxLength(int length);
    // Inserts text at the cursor as if typed: each character through the refusal and OnKeyPress.
    void pasteFiltered(const QString& text);
    bool wantsSpecialKey(quint16 key) override;
    // A character Windows-1252 has no byte for is refused, since the data files are written in it; an edit whose
    // text goes where a line may stand in UTF-8 (a class list's) takes it.
    void setWindows1252Only(bool only) { m_windows1252Only = only; }
    bool windows1252Only() const { return m_windows1252Only; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool m_fontPending = false;
    bool m_windows1252Only = true;
};

// A memo: lines of text, read-only unless set otherwise.
class Memo : public QPlainTextEdit, public KeyEvents {
    Q_OBJECT
public:
    Memo(QWidget* parent, int left, int top, int width, int height);

    void setLines(const QStringList& lines);
    QStringList lines() const;
    void addLine(const QString& line);
    bool wantsSpecialKey(quint16 key) override;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QStringList m_pendingLines;
    bool m_linesPending = false;
    bool m_fontPending = false;
};

// ---- Lists and choices ----

class ListBox : public QListWidget, public KeyEvents {
    Q_OBJECT
public:
    ListBox(QWidget* parent, int left, int top, int width, int height);
    ~ListBox() override;

    // OnClick runs when the user chooses (mouse or keys), not when code sets the choice.
    std::function<void()> OnClick;

    void setItems(const QStringList& items);
    QStringList items() const;
    void add(const QString& text);
    QString itemText(int index) const;
    // The chosen item (multi-select: the item with the focus frame); -1 for none.
    int ItemIndex() const;
    void setItemIndex(int index);
    bool Selected(int index) const;
    void setSelected(int index, bool selected);
    // Sorted lists keep their items in alphabetical order (without regard to case).
    void setSorted(bool sorted);
    // 0: as high as the font's cell, or as the ink of the texts shown with room for the focus frame where that
    // needs more.
    void setItemHeight(int height);
    int itemHeight() const { return m_itemHeight; }
    // Multi-select: a click, or Space on the item with the focus frame, toggles an item; no other key chooses.
    void setMultiSelect(bool on);
    // A list whose choice acts at once (deletes, prints, saves): the keys that move only move the focus frame,
    // and Space or Enter chooses the framed item, as a click does. Other lists choose as the arrows move.
    void setChoiceActs(bool on) { m_choiceActs = on; }
    // Gives the list the focus with its frame on the first item and nothing chosen: where the keys go on. The frame
    // shows while the list keeps the focus, also where the window was used with the mouse alone.
    void focusFirstItem();
    // Where the text of a row (in the viewport's coordinates) is laid out, centred, before the row cuts it: a row
    // is as high as its font's cell unless the letters' ink needs more, and its text moves so that the ink fits.
    QRect textRoomOf(const QRect& row) const;
    // How far the text of `row` moves down from the row's middle (up where negative) so that its ink fits.
    int textShiftOf(const QRect& row) const;
    // The line the focus frame of `row` is drawn on (as drawFocusFrame takes it).
    QRect focusFrameOf(const QRect& row) const;
    // A list that is to show up to `rows` whole rows where it holds them: it grows down past the height its window
    // gave it, by whole rows and as far as `room()` (the most it may grow by, in pixels) allows. The panel it stands
    // in grows with it, and `below` (what stands under the list, in that panel or beside it) moves down as far, from
    // where each stands now.
    void growForRows(int rows, std::function<int()> room, const QList<QWidget*>& below = {});
    int grownBy() const { return m_grownBy; }
    bool wantsSpecialKey(quint16 key) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Rows as high as the font's cell, or as the ink of the texts shown with room for the focus frame above and
    // below it where that needs more; `texts` are new ones, added to what was measured before.
    void measureRows(const QStringList& texts);
    int rowPitch() const;
    // A list shows whole rows only: its height comes down from the height it was given to a whole number of rows,
    // or grows as growForRows asks.
    void fitHeight();
    void multiChoiceKey(QKeyEvent* event);
    void actingChoiceKey(QKeyEvent* event);
    // Lets Qt's list handle a key that may move the focus frame, and keeps the choice as it was.
    void moveFrameOnly(QKeyEvent* event);
    bool m_sorted = false;
    bool m_choiceActs = false;
    bool m_framedByProgram = false;
    int m_itemHeight = 0;
    bool m_heightsPending = false;
    // The texts' ink above and below the baseline, the rows' height and their texts' shift, while the list
    // measures its rows itself.
    int m_inkTop = 0;
    int m_inkBottom = 0;
    int m_rowHeight = 0;
    int m_textShift = 0;
    // The height the list was given, and the one it took to show whole rows (-1: none yet).
    int m_askedHeight = -1;
    int m_fittedHeight = -1;
    // Growing past the given height (see growForRows).
    int m_growRows = 0;
    std::function<int()> m_growRoom;
    std::function<void(int)> m_grown; // makes room for the list grown by its argument
    int m_grownBy = 0;
};

class RadioButton : public QRadioButton {
    Q_OBJECT
public:
    RadioButton(QWidget* parent, const QString& caption, int left, int top, int width, int height);

    // Runs when the user switches the button on (not when it was on already, not when code sets it).
    std::function<void()> OnClick;
    bool Checked() const { return isChecked(); }
    // Switching on switches the other buttons of the same parent off; no OnClick.
    void setChecked(bool on);

protected:
    bool hitButton(const QPoint& pos) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_wasChecked = false;
};

class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    CheckBox(QWidget* parent, const QString& caption, int left, int top, int width, int height);

    // Runs when the user toggles the box (not when code sets it).
    std::function<void()> OnClick;
    bool Checked() const { return isChecked(); }

protected:
    bool hitButton(const QPoint& pos) const override;
    void paintEvent(QPaintEvent* event) override;
};

// ---- Containers ----

enum class Bevel { None, Lowered, Raised };

// A panel: a coloured area with a bevel and a centred caption that holds other controls.
class Panel : public QFrame {
    Q_OBJECT
public:
    Panel(QWidget* parent, int left, int top, int width, int height, const QString& caption = QString());

    void setCaption(const QString& caption);
    QString caption() const { return m_caption; }
    void setBevelOuter(Bevel bevel);
    void setBevelInner(Bevel bevel);
    void setBevelWidth(int width);
    void setCaptionAlignment(Qt::Alignment alignment);
    // The area inside the bevels.
    QRect innerRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    Bevel m_outer = Bevel::Raised;
    Bevel m_inner = Bevel::None;
    int m_bevelWidth = 1;
    Qt::Alignment m_alignment = Qt::AlignCenter;
};

// A group box: an etched frame with a caption at its top left that holds other controls.
class GroupBox : public QFrame {
    Q_OBJECT
public:
    GroupBox(QWidget* parent, const QString& caption, int left, int top, int width, int height);

    void setCaption(const QString& caption);
    QString caption() const { return m_caption; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
};

// A radio group: a group box whose items are radio buttons arranged in columns.
class RadioGroup : public GroupBox {
    Q_OBJECT
public:
    RadioGroup(QWidget* parent, const QString& caption, int left, int top, int width, int height);

    // Runs when the user chooses another item; setting ItemIndex in code does not run it.
    std::function<void()> OnClick;

    void setItems(const QStringList& items);
    QStringList items() const { return m_items; }
    int ItemIndex() const { return m_itemIndex; }
    // A value outside the items chooses no item.
    void setItemIndex(int index);
    void setColumns(int columns);
    QRadioButton* button(int index) const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void arrange();
    void arrangeNow() const;
    QStringList m_items;
    mutable bool m_arrangePending = false;
    QList<QRadioButton*> m_buttons;
    int m_itemIndex = -1;
    int m_columns = 1;
};

// ---- Timer ----

class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* owner, int interval = 1000, bool enabled = true);

    std::function<void()> OnTimer;
    int Interval() const { return m_interval; }
    // Setting a new interval or switching the timer on starts the interval anew.
    void setInterval(int milliseconds);
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool on);
    // One tick at once (tests).
    void trigger();

private:
    void update();
    QTimer m_timer;
    int m_interval = 1000;
    bool m_enabled = true;
};

// Layer internals: a widget's place in its parent's tab order (creation order; the layer numbers every
// widget), and the set-up every control gets (number, position, visible).
void assignTabIndex(QWidget* control);
void initControl(QWidget* control, int left, int top, int width, int height);
// True when the control has the focus in a window that shows its focus frame (one reached by the keyboard).
bool showsFocusFrame(const QWidget* control);
// The focus frame along the rectangle's edge: dots that show on any colour under them. Whatever of it would
// touch the caption's ink is left out.
void drawFocusFrame(QPainter& painter, const QRect& line, const QRect& ink = QRect());
// The frame's rectangle moved clear of the caption's ink: each side that would lie on the ink or next to it
// goes out until a pixel is between them, but not beyond `bounds`. Rectangles as drawFocusFrame takes them.
QRect focusFrameClearOf(const QRect& line, const QRect& ink, const QRect& bounds);
// How far the letters of `text` reach above the font's ascent (top) and below its descent (bottom), with the
// pixel their smoothing tints beside their outline: the dots of capital umlauts, the underscore.
QMargins inkPastCell(const QFontMetrics& metrics, const QString& text);

// Where `draw` puts ink in a picture of the control's size, or of `area` in the control's coordinates (to see
// what reaches beyond the control); a pixel counts where `draw` covers at least `leastAlpha` of it. A null
// rectangle where it puts none.
QRect inkOf(const QWidget* control, const std::function<void(QPainter&)>& draw, const QRect& area = QRect(),
    int leastAlpha = 1);
