#pragma once
#include "platform/flag.h"
#include "platform/fonts.h"
#include "platform/keyboard.h"
#include "platform/surface.h"

#include <QDialog>
#include <QPointer>
#include <functional>

class Button;
class QEventLoop;
class QPushButton;

enum class FormPosition { Designed, ScreenCenter };

class Form;

// A form's KeyPreview switch: switching it may move the default-button look (see Form::markedButton).
void previewFlagChanged(Form* form);
using PreviewFlag = NotifyingFlag<Form, previewFlagChanged>;

// A window of the program: a top-level window with its caption, design-pixel geometry, colour, default font
// and drawing surface. Every window is created once and lives until the program ends; it is shown with
// showModal(), which returns only when the window has closed itself, and closing only hides it.
class Form : public QDialog, public KeyEvents, public SurfaceOwner {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    // Form description.
    void setCaption(const QString& caption);
    QString caption() const { return windowTitle(); }
    // Position of the window and size of its client area, in pixels.
    void setDesignGeometry(int left, int top, int clientWidth, int clientHeight);
    void setClientSize(int clientWidth, int clientHeight);
    void setPosition(FormPosition position) { m_position = position; }
    void setMaximized(bool maximized) { m_maximized = maximized; }
    void setColor(const QColor& color);
    QColor color() const { return m_color; }
    // The free functions of the same name, for the controls (a member would hide them in a window's code).
    static void setColor(QWidget* control, const QColor& color);
    static void setShowHint(QWidget* control, bool on);
    void setDefaultFont(const QString& name, int height, FontStyles styles = 0);
    void setDefaultFontSize(const QString& name, int points, FontStyles styles = 0);
    // Hints of controls that follow their window are shown while this is on.
    void setShowHint(bool on);
    // The control that has the focus when the window is first shown (else the first tab stop). A window shown
    // again starts on the control it was left on if Tab reaches it, else where its first showing started, else
    // on its first usable control.
    void setActiveControl(QWidget* control) { m_activeControl = control; }

    Surface& surface() override { return m_surface; }
    // The window's canvas: drawings on it stay and show under the controls until the window closes.
    Canvas& canvas() { return m_surface.canvas(); }
    // Outer size of the window in pixels, frame included.
    QSize outerSize() const;

    // OnActivate: the window's set-up. It runs when showModal() shows the window and, while
    // ActivateOnReturn is on, again when a modal window it opened has closed.
    std::function<void()> OnActivate;
    bool ActivateOnReturn = true;
    // OnClose: runs when the window closes, before it hides.
    std::function<void()> OnClose;
    // While on, the form's OnKeyDown, OnKeyPress and OnKeyUp see each key before the focused control.
    PreviewFlag KeyPreview { this };
    // While on, a plain key clicks the control whose caption marks it with "&", as Alt with it does,
    // unless the focused control takes typed characters.
    bool PlainKeyAccelerators = false;
    // An activity window (a game, an aid, a worksheet, a pupil's diagnostic run, the group games' set-up): its
    // Cancel button ends what is being done there: the arrow keys pass over it and no showing starts on it, so
    // that neither a stray arrow nor a new run puts it under Enter. Hubs and menus keep their "zurück" within
    // the arrows' reach.
    bool ActivityWindow = false;

    // Shows the window modally; returns when it has closed (by Close(), its Cancel button or its close box).
    void showModal();
    // Closes the window: OnClose, then it hides and what was drawn on it goes; a showModal() on it returns.
    void Close();
    bool isShownModally() const { return m_showing; }
    // True while a modal window opened from this one is open.
    bool isBehindModal() const;

    // The window on top of the modal windows now open, or null.
    static Form* topModal();

    // The test seam: while a driver is installed, showModal() shows the window, runs its OnActivate and hands
    // it to the driver instead of waiting in an event loop; a window the driver leaves open is closed.
    using ModalDriver = std::function<void(Form& shown)>;
    static void setModalDriver(ModalDriver driver);

    // Key routing (used by the keyboard layer): the Tab, arrow, Enter and Esc handling of the window, and the
    // click of the control marked with a character.
    bool dialogKey(quint16 key, ShiftState shift, QWidget* focused);
    bool dialogChar(QChar c);
    // The button Enter presses now: the focused button, else the first usable Default button (none while the
    // focused control takes Enter itself). It carries the default-button look.
    QPushButton* enterButton() const;
    // The button that carries the default-button look: the one Enter presses, else, while the key preview is
    // on, the keypad's Enter, which the preview's Enter presses.
    QPushButton* markedButton() const;
    // Redraws the buttons whose look changes when the button Enter presses does; called where that may change
    // (the focus moved, a Default button changed, came or went).
    void updateEnterMark();
    void defaultButtonsChanged();
    // Once the user's last input was a key, the window shows where Space and Enter act: the focus frame.
    void showKeyboardCues();
    // Focus request for a control of this window (see SetFocus).
    void requestFocus(QWidget* control);
    // A key of an on-screen keypad (not its Enter) was clicked, or a key typed as an answer acted as one: where a
    // button that is no keypad key holds the focus because the user framed or clicked it, or where that button
    // ends the run, the window takes the focus, so that the next Enter is the keypad's again. Tab and the arrows
    // go on from that button. A focus the window gave a button by its own step stays.
    void keypadKeyClicked();
    // A key of an on-screen keypad (not its Enter) did what it stands for, by a click or by the key typed for it;
    // the key routing counts these to tell a typed answer from a key the window let pass.
    void keypadKeyActed() { ++m_keypadActs; }
    unsigned keypadActs() const { return m_keypadActs; }
    // The user put the focus on `control` (Tab, an arrow, a click of the mouse, an accelerator).
    void focusByUser(QWidget* control);
    // The focus has moved to `to`, a control of this window or the window itself.
    void focusMovedTo(const QWidget* to);

protected:
    // The two activation hooks: showModal() has shown the window; a modal window opened from it has closed.
    virtual void shown();
    virtual void childClosed();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    bool focusNextPrevChild(bool next) override;

private:
    void prepareFocus();
    // Shows or hides the frame around the keypad (see the definition).
    void updateKeypadFrame();
    QRect keypadArea(QWidget*& box) const;
    // Moves the focus to a control of this window as the program or a key does (see the definition).
    void giveFocus(QWidget* control, Qt::FocusReason reason);
    void keepFocusUsable();
    void returnFromChild();
    void centre();
    // Moves the focus to the next stop after `current`; `current` itself counts too, as the last one tried,
    // where it no longer holds the focus.
    bool selectNext(QWidget* current, bool forward, bool tabStopsOnly, bool currentCounts = false);
    bool isArrowStopHere(const QWidget* control) const;
    // The Cancel button of an activity window: no arrow reaches it and no showing starts on it.
    bool endsActivity(const QWidget* control) const;
    // The Default buttons and the keypads' Enter keys, each in tab order; found once until one changes.
    void findEnterButtons() const;
    const QList<QPointer<QWidget>>& defaultButtons() const;
    const QList<QPointer<QWidget>>& keypadEnters() const;

    Surface m_surface { this };
    QColor m_color;
    FormPosition m_position = FormPosition::Designed;
    bool m_maximized = false;
    bool m_showing = false;
    bool m_closed = false;
    bool m_closing = false;
    QEventLoop* m_loop = nullptr;
    QPointer<QWidget> m_activeControl;
    // The control the first showing with a usable control started on; null until then.
    QPointer<QWidget> m_start;
    QPointer<QWidget> m_focusBeforeChild;
    QPointer<QWidget> m_pendingFocus;
    // The button a keypad click took the focus from, while the window itself holds it.
    QPointer<QWidget> m_keysFrom;
    // The control the user last put the focus on; a focus the window gives forgets it.
    QPointer<QWidget> m_userFocus;
    // Buttons are held as widgets and cast only while alive: a button being destroyed hands its focus on
    // from QWidget's destructor, when it is no button any more.
    QPointer<QWidget> m_enterMark;
    QPointer<QWidget> m_keypadFrame;
    // The Default buttons in tab order, found again after a Default flag changed or a new showing.
    mutable QList<QPointer<QWidget>> m_defaults;
    mutable QList<QPointer<QWidget>> m_keypadEnters;
    mutable bool m_defaultsKnown = false;
    unsigned m_keypadActs = 0;
};

// Gives the keyboard focus to a control. A request on a hidden or disabled control is ignored; a request on a
// window behind a modal one is kept until that window is on top again.
void SetFocus(QWidget* control);

// The form a widget belongs to, or null.
Form* formOf(const QWidget* widget);
