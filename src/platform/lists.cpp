#include "platform/controls.h"

#include "platform/errors.h"
#include "platform/form.h"

#include <QFocusEvent>
#include <QHash>
#include <QKeyEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <algorithm>

// ---- ListBox ----

namespace {

// An item drawn by the style with its text alone: no fill, chosen or not.
void textOnly(QStyleOptionViewItem& option)
{
    for (const auto role :
        { QPalette::Base, QPalette::AlternateBase, QPalette::Window, QPalette::Highlight, QPalette::Button })
        option.palette.setColor(role, Qt::transparent);
    option.backgroundBrush = QBrush();
}

// Where the list's style puts the baseline of a line of text it centres in a row of `height`, from the row's
// top: measured once a font and height by drawing a letter as the list draws its rows (in a row three times as
// high with the same middle, where nothing is cut), so that it is the style's own placing.
int centredBaseline(const QListWidget* list, int height)
{
    static QHash<QString, int> known;
    const QString key = list->font().key() + QLatin1Char('/') + QString::number(height);
    const auto it = known.constFind(key);
    if (it != known.constEnd()) return *it;
    QStyleOptionViewItem o;
    o.initFrom(list->viewport());
    o.state = QStyle::State_Enabled;
    textOnly(o);
    o.widget = list;
    o.font = list->font();
    o.text = QStringLiteral("H");
    o.features = QStyleOptionViewItem::HasDisplay;
    o.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    o.textElideMode = Qt::ElideNone;
    const QFontMetrics fm(o.font);
    o.rect = QRect(0, 0, fm.horizontalAdvance(o.text) + 16, 3 * height);
    const QRect ink = inkOf(
        list->viewport(), [&](QPainter& p) { list->style()->drawControl(QStyle::CE_ItemViewItem, &o, &p, list); },
        o.rect, 1);
    const int baseline
        = ink.isEmpty() ? height - fm.descent() : ink.top() - height - fm.tightBoundingRect(o.text).top();
    known.insert(key, baseline);
    return baseline;
}

// Above and below a row's letters: a free pixel, then the line of the focus frame. A dotted line on the dots of
// "Ä", or right beside them, reads as "A".
constexpr int kFrameRoom = 2;

bool choosable(const QListWidgetItem* it)
{
    return it && (it->flags() & Qt::ItemIsEnabled) && (it->flags() & Qt::ItemIsSelectable);
}

// Only chosen items are filled. The style tints the item with the focus (and keeps the tint after the mouse
// has left it), which in a list of several choices reads as half chosen; the dotted frame shows the focus.
// A row of the measured height has its text moved as measured.
class Eintragsmaler : public QStyledItemDelegate {
public:
    explicit Eintragsmaler(ListBox* list)
        : QStyledItemDelegate(list)
        , m_list(list)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem ohneToenung = option;
        ohneToenung.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
        const int shift = m_list->textShiftOf(option.rect);
        if (shift == 0) {
            QStyledItemDelegate::paint(painter, ohneToenung, index);
            return;
        }
        QStyleOptionViewItem grund = ohneToenung;
        initStyleOption(&grund, index);
        QStyleOptionViewItem text = grund;
        grund.text.clear();
        grund.features &= ~QStyleOptionViewItem::HasDisplay;
        QStyle* style = m_list->style();
        style->drawControl(QStyle::CE_ItemViewItem, &grund, painter, m_list);
        // The text alone, over the background, cut to its row.
        textOnly(text);
        text.rect = textRoom(option.rect, shift);
        painter->save();
        painter->setClipRect(option.rect, Qt::IntersectClip);
        style->drawControl(QStyle::CE_ItemViewItem, &text, painter, m_list);
        painter->restore();
    }

    // Three times the row's height with the row's middle moved by `shift`: the style cuts the text to the room
    // it is given, and centres it there.
    static QRect textRoom(const QRect& row, int shift)
    {
        return row.adjusted(0, shift - row.height(), 0, shift + row.height());
    }

private:
    ListBox* m_list;
};

} // namespace

ListBox::ListBox(QWidget* parent, int left, int top, int width, int height)
    : QListWidget(parent)
{
    initControl(this, left, top, width, height);
    setFocusPolicy(Qt::StrongFocus);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAcceptDrops(false);
    setItemDelegate(new Eintragsmaler(this));
    // Rows emptied by a plain clear() fit the texts that come next, not those that went.
    connect(model(), &QAbstractItemModel::modelReset, this, [this] {
        m_inkTop = m_inkBottom = m_rowHeight = 0;
        // A list grown for rows that went is as high again as it was given, until rows come.
        if (m_growRows > 0) fitHeight();
    });
    connect(this, &QAbstractItemView::clicked, this, [this] {
        runGuarded([this] {
            if (OnClick) OnClick();
        });
    });
}

ListBox::~ListBox()
{
    // The model goes with the list's QWidget part and says it was reset as it goes, when this list is no ListBox any
    // more.
    disconnect(model(), nullptr, this, nullptr);
}

QRect ListBox::textRoomOf(const QRect& row) const
{
    return Eintragsmaler::textRoom(row, textShiftOf(row));
}

QRect ListBox::focusFrameOf(const QRect& row) const
{
    return row.adjusted(0, 0, -1, -1);
}

int ListBox::textShiftOf(const QRect& row) const
{
    return m_itemHeight <= 0 && row.height() == m_rowHeight ? m_textShift : 0;
}

void ListBox::measureRows(const QStringList& texts)
{
    // Only the texts' ink counts: a row grows past the font's cell only for letters that reach out of it (the
    // accent of a capital, in some fonts and sizes), so that a list of names with umlauts keeps its rows.
    const QFontMetrics fm(font());
    int top = m_inkTop, bottom = m_inkBottom;
    for (const QString& t : texts) {
        if (t.isEmpty()) continue;
        const QRect ink = fm.tightBoundingRect(t);
        if (ink.isEmpty()) continue;
        top = std::min(top, ink.top());
        bottom = std::max(bottom, ink.bottom());
    }
    if (m_rowHeight > 0 && top == m_inkTop && bottom == m_inkBottom) return;
    m_inkTop = top;
    m_inkBottom = bottom;
    const int cell = fm.height();
    m_rowHeight = std::max(cell, bottom - top + 1 + 2 * kFrameRoom);
    const int baseline = centredBaseline(this, m_rowHeight);
    const int inkTop = baseline + top, inkBottom = baseline + bottom;
    const int lowest = m_rowHeight - 1 - kFrameRoom;
    m_textShift = inkTop < kFrameRoom ? kFrameRoom - inkTop : inkBottom > lowest ? lowest - inkBottom : 0;
    for (int i = 0; i < count(); ++i)
        item(i)->setSizeHint(QSize(1, m_rowHeight));
    fitHeight();
}

int ListBox::rowPitch() const
{
    if (m_itemHeight > 0) return m_itemHeight;
    return m_rowHeight > 0 ? m_rowHeight : QFontMetrics(font()).height();
}

void ListBox::fitHeight()
{
    if (m_askedHeight < 0) return;
    const int frame = 2 * frameWidth();
    const int room = m_askedHeight - frame;
    const int row = rowPitch();
    int fitted = row > 0 && room >= row ? frame + room / row * row : m_askedHeight;
    // Rows measured on names not yet shown would be the font's cell, not the rows the names get.
    const bool measured = m_itemHeight > 0 || m_rowHeight > 0;
    if (m_growRows > 0 && row > 0 && measured) {
        const int wanted = frame + std::min(count(), m_growRows) * row;
        const int most = m_askedHeight + std::max(0, m_growRoom ? m_growRoom() : 0);
        if (wanted > fitted) fitted = std::max(fitted, std::min(wanted, frame + (most - frame) / row * row));
    }
    m_fittedHeight = fitted;
    if (fitted != height()) resize(width(), fitted);
    const int by = std::max(0, fitted - m_askedHeight);
    if (by != m_grownBy) {
        m_grownBy = by;
        if (m_grown) m_grown(by);
    }
}

void ListBox::growForRows(int rows, std::function<int()> room, const QList<QWidget*>& below)
{
    QWidget* panel = parentWidget();
    const int panelHeight = panel->height();
    QList<QPoint> at;
    for (const QWidget* w : below)
        at << w->pos();
    m_growRows = rows;
    m_growRoom = std::move(room);
    m_grown = [panel, panelHeight, below, at](int by) {
        panel->resize(panel->width(), panelHeight + by);
        for (int i = 0; i < below.size(); ++i)
            below[i]->move(at[i] + QPoint(0, by));
    };
    fitHeight();
}

void ListBox::resizeEvent(QResizeEvent* event)
{
    QListWidget::resizeEvent(event);
    // The height a window gives the list is what its rows are fitted into; the height it was fitted to is the
    // list's own doing, also where the event for it comes only once the list is shown.
    if (height() != m_fittedHeight) {
        m_askedHeight = height();
        fitHeight();
    }
}

void ListBox::setItems(const QStringList& items)
{
    clear();
    for (const QString& s : items)
        add(s);
}

QStringList ListBox::items() const
{
    QStringList list;
    for (int i = 0; i < count(); ++i)
        list << item(i)->text();
    return list;
}

void ListBox::add(const QString& text)
{
    int at = count();
    if (m_sorted) {
        // After its equals, before the first item that sorts behind it.
        at = 0;
        while (at < count() && QString::compare(item(at)->text(), text, Qt::CaseInsensitive) <= 0)
            ++at;
    }
    auto* it = new QListWidgetItem(text);
    insertItem(at, it);
    if (m_itemHeight > 0) {
        it->setSizeHint(QSize(1, m_itemHeight));
        return;
    }
    // Measuring needs the font loaded: a list not on the screen measures its rows when it is first shown.
    if (!isVisible()) {
        m_heightsPending = true;
        return;
    }
    if (m_rowHeight > 0) it->setSizeHint(QSize(1, m_rowHeight));
    measureRows({ text });
    // A list that grows for its rows grows with each one up to those it is to show.
    if (m_growRows > 0) fitHeight();
}

QString ListBox::itemText(int index) const
{
    const QListWidgetItem* it = item(index);
    return it ? it->text() : QString();
}

int ListBox::ItemIndex() const
{
    if (selectionMode() == QAbstractItemView::MultiSelection) return currentRow();
    for (int i = 0; i < count(); ++i)
        if (item(i)->isSelected()) return i;
    return -1;
}

void ListBox::setItemIndex(int index)
{
    if (selectionMode() == QAbstractItemView::MultiSelection) {
        if (index >= 0 && index < count()) setCurrentRow(index, QItemSelectionModel::NoUpdate);
        return;
    }
    if (index < 0 || index >= count()) {
        clearSelection();
        setCurrentRow(-1);
        return;
    }
    setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
}

bool ListBox::Selected(int index) const
{
    const QListWidgetItem* it = item(index);
    return it && it->isSelected();
}

void ListBox::setSelected(int index, bool selected)
{
    if (QListWidgetItem* it = item(index)) it->setSelected(selected);
}

void ListBox::setSorted(bool sorted)
{
    m_sorted = sorted;
    if (!sorted) return;
    QStringList list = items();
    std::stable_sort(list.begin(), list.end(),
        [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    setItems(list);
}

void ListBox::setItemHeight(int height)
{
    m_itemHeight = height;
    if (height > 0) {
        for (int i = 0; i < count(); ++i)
            item(i)->setSizeHint(QSize(1, height));
        fitHeight();
        return;
    }
    if (!isVisible()) {
        m_heightsPending = true;
        return;
    }
    m_inkTop = m_inkBottom = m_rowHeight = 0;
    measureRows(items());
}

void ListBox::setMultiSelect(bool on)
{
    setSelectionMode(on ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
}

bool ListBox::wantsSpecialKey(quint16 key)
{
    return (key >= vk::Left && key <= vk::Down) || (m_choiceActs && key == vk::Return);
}

void ListBox::keyPressEvent(QKeyEvent* event)
{
    if (selectionMode() == QAbstractItemView::MultiSelection) {
        multiChoiceKey(event);
        return;
    }
    if (m_choiceActs) {
        actingChoiceKey(event);
        return;
    }
    // A choice made with the keys counts as a click, as with the mouse.
    const auto selectedBefore = selectedItems();
    const int currentBefore = currentRow();
    QListWidget::keyPressEvent(event);
    if (selectedItems() != selectedBefore
        || (selectionMode() == QAbstractItemView::SingleSelection && currentRow() != currentBefore)) {
        if (OnClick) OnClick();
    }
}

void ListBox::multiChoiceKey(QKeyEvent* event)
{
    // Space toggles the item with the focus frame and nothing else. Qt's list would go on to search for the
    // typed blank, and the item that search lands on would be toggled too while Space is being handled.
    if (event->key() == Qt::Key_Space) {
        event->accept();
        QListWidgetItem* it = currentItem();
        if (!choosable(it)) return;
        it->setSelected(!it->isSelected());
        if (OnClick) OnClick(); // a choice made with the keys counts as a click, as with the mouse
        return;
    }
    // Any other key may move the focus frame (arrows, type-ahead to a matching item) but never changes a choice.
    moveFrameOnly(event);
}

void ListBox::actingChoiceKey(QKeyEvent* event)
{
    // A choice here deletes, prints or saves at once, so only the keys a user presses to choose choose; the
    // keys that move (arrows, Home, End, the page keys, type-ahead) leave the choice where it was.
    const int k = event->key();
    if (k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter) {
        event->accept();
        // A key held down must not choose again and again (a deletion each time).
        if (event->isAutoRepeat() || (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier))) return;
        QListWidgetItem* it = currentItem();
        if (!choosable(it)) return;
        setCurrentItem(it, QItemSelectionModel::ClearAndSelect);
        if (OnClick) OnClick();
        return;
    }
    moveFrameOnly(event);
}

void ListBox::focusFirstItem()
{
    if (count() > 0) setCurrentRow(0, QItemSelectionModel::NoUpdate);
    // A list that comes up after a click on a button takes the keys at once: Space or Enter would act on its first
    // item before the user pressed any other key, so the frame shows that from the start.
    m_framedByProgram = true;
    SetFocus(this);
    viewport()->update();
}

void ListBox::moveFrameOnly(QKeyEvent* event)
{
    const QItemSelection chosen = selectionModel()->selection();
    QListWidget::keyPressEvent(event);
    if (selectionModel()->selection() != chosen) selectionModel()->select(chosen, QItemSelectionModel::ClearAndSelect);
}

void ListBox::showEvent(QShowEvent* event)
{
    if (m_heightsPending) {
        m_heightsPending = false;
        setItemHeight(m_itemHeight);
    }
    QListWidget::showEvent(event);
}

void ListBox::paintEvent(QPaintEvent* event)
{
    QListWidget::paintEvent(event);
    // The style marks the item with the focus by a tint, which does not show on a chosen item, and an empty
    // list not at all: Space acts on what this frame shows.
    if (!showsFocusFrame(this) && !(m_framedByProgram && hasFocus())) return;
    QPainter p(viewport());
    const QListWidgetItem* it = currentItem();
    drawFocusFrame(p, it ? focusFrameOf(visualItemRect(it)) : viewport()->rect().adjusted(0, 0, -1, -1));
}

void ListBox::focusOutEvent(QFocusEvent* event)
{
    // Another window coming up in front (a message, another program) leaves the list where it was.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        m_framedByProgram = false;
    QListWidget::focusOutEvent(event);
}

void ListBox::changeEvent(QEvent* event)
{
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange && m_itemHeight <= 0) setItemHeight(0);
}

// ---- RadioButton, CheckBox ----

// A click anywhere on a radio button or check box counts, not only on its circle and caption.
bool RadioButton::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

bool CheckBox::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

namespace {

// A radio item or check box with the focus shows the frame buttons show: around its caption, or around its
// indicator where it has none, never across either. The style's own mark (a tint, a ring round the circle)
// is left out: it is too faint to find.
void paintWithFocusFrame(QWidget* control, QStyleOptionButton option, bool radio)
{
    option.state &= ~QStyle::State_HasFocus;
    const QStyle* style = control->style();
    const auto ganz = radio ? QStyle::CE_RadioButton : QStyle::CE_CheckBox;
    QStylePainter p(control);
    p.drawControl(ganz, option);
    QRect linie;
    QRect ink;
    if (option.text.isEmpty()) {
        ink = inkOf(control, [&](QPainter& q) { style->drawControl(ganz, &option, &q, control); });
        linie = ink.adjusted(-2, -2, 1, 1);
    } else {
        QStyleOptionButton label = option;
        label.rect = style->subElementRect(
            radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, control);
        ink = inkOf(control, [&](QPainter& q) {
            style->drawControl(radio ? QStyle::CE_RadioButtonLabel : QStyle::CE_CheckBoxLabel, &label, &q, control);
        });
        linie = style
                    ->subElementRect(
                        radio ? QStyle::SE_RadioButtonFocusRect : QStyle::SE_CheckBoxFocusRect, &option, control)
                    .adjusted(0, 0, -1, -1);
    }
    drawFocusFrame(p, focusFrameClearOf(linie, ink, control->rect().adjusted(0, 0, -1, -1)), ink);
}

class GroupButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void paintEvent(QPaintEvent* event) override
    {
        if (!showsFocusFrame(this)) return QRadioButton::paintEvent(event);
        QStyleOptionButton option;
        initStyleOption(&option);
        paintWithFocusFrame(this, option, true);
    }
};

} // namespace

void RadioButton::paintEvent(QPaintEvent* event)
{
    if (!showsFocusFrame(this)) return QRadioButton::paintEvent(event);
    QStyleOptionButton option;
    initStyleOption(&option);
    paintWithFocusFrame(this, option, true);
}

void CheckBox::paintEvent(QPaintEvent* event)
{
    if (!showsFocusFrame(this)) return QCheckBox::paintEvent(event);
    QStyleOptionButton option;
    initStyleOption(&option);
    paintWithFocusFrame(this, option, false);
}

RadioButton::RadioButton(QWidget* parent, const QString& caption, int left, int top, int width, int height)
    : QRadioButton(caption, parent)
{
    initControl(this, left, top, width, height);
    setFocusPolicy(Qt::StrongFocus);
    setShortcut(QKeySequence());
    connect(this, &QAbstractButton::pressed, this, [this] { m_wasChecked = isChecked(); });
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (m_wasChecked || !isChecked()) return;
        runGuarded([this] {
            if (OnClick) OnClick();
        });
    });
}

void RadioButton::setChecked(bool on)
{
    if (!on && isChecked()) {
        // An exclusive radio button does not let itself be switched off directly.
        const bool exclusive = autoExclusive();
        setAutoExclusive(false);
        QRadioButton::setChecked(false);
        setAutoExclusive(exclusive);
        return;
    }
    QRadioButton::setChecked(on);
}

CheckBox::CheckBox(QWidget* parent, const QString& caption, int left, int top, int width, int height)
    : QCheckBox(caption, parent)
{
    initControl(this, left, top, width, height);
    setFocusPolicy(Qt::StrongFocus);
    setShortcut(QKeySequence());
    connect(this, &QAbstractButton::clicked, this, [this] {
        runGuarded([this] {
            if (OnClick) OnClick();
        });
    });
}

// ---- RadioGroup ----

RadioGroup::RadioGroup(QWidget* parent, const QString& caption, int left, int top, int width, int height)
    : GroupBox(parent, caption, left, top, width, height)
{
}

void RadioGroup::setItems(const QStringList& items)
{
    qDeleteAll(m_buttons);
    m_buttons.clear();
    m_items = items;
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new GroupButton(items.at(i), this);
        assignTabIndex(b);
        b->setFocusPolicy(Qt::StrongFocus);
        b->setShortcut(QKeySequence());
        connect(b, &QAbstractButton::clicked, this, [this, i] {
            if (i == m_itemIndex || !m_buttons.at(i)->isChecked()) return;
            m_itemIndex = i;
            runGuarded([this] {
                if (OnClick) OnClick();
            });
        });
        m_buttons << b;
        // Sized first, so that showing it does not measure its caption; in a group not on the screen it
        // shows with the group.
        b->resize(1, 1);
        if (isVisible()) b->show();
    }
    if (m_itemIndex >= items.size()) m_itemIndex = -1;
    setItemIndex(m_itemIndex);
    arrange();
}

void RadioGroup::setItemIndex(int index)
{
    if (index < 0 || index >= m_buttons.size()) index = -1;
    m_itemIndex = index;
    for (int i = 0; i < m_buttons.size(); ++i) {
        QRadioButton* b = m_buttons.at(i);
        if (i == index) {
            b->setChecked(true);
        } else if (b->isChecked()) {
            b->setAutoExclusive(false);
            b->setChecked(false);
            b->setAutoExclusive(true);
        }
    }
}

void RadioGroup::setColumns(int columns)
{
    m_columns = std::clamp(columns, 1, 16);
    arrange();
}

QRadioButton* RadioGroup::button(int index) const
{
    if (m_arrangePending) arrangeNow(); // whoever asks for an item sees it in its place
    return index >= 0 && index < m_buttons.size() ? m_buttons.at(index) : nullptr;
}

void RadioGroup::resizeEvent(QResizeEvent* event)
{
    GroupBox::resizeEvent(event);
    arrange();
}

void RadioGroup::changeEvent(QEvent* event)
{
    GroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange) arrange();
}

void RadioGroup::showEvent(QShowEvent* event)
{
    if (m_arrangePending) arrangeNow();
    GroupBox::showEvent(event);
}

void RadioGroup::arrange()
{
    // Arranging measures the font, which loads it: a group not on the screen does it when it is first shown
    // or an item is asked for.
    m_arrangePending = true;
    if (isVisible()) arrangeNow();
}

void RadioGroup::arrangeNow() const
{
    m_arrangePending = false;
    if (m_buttons.isEmpty()) return;
    // Items fill the columns top to bottom; the rows share the height below the caption.
    const int n = int(m_buttons.size());
    const int perColumn = (n + m_columns - 1) / m_columns;
    const int textHeight = QFontMetrics(font()).height();
    const int buttonWidth = (width() - 10) / m_columns;
    const int free = height() - textHeight - 5;
    const int buttonHeight = free / perColumn;
    const int topMargin = textHeight + 1 + (free % perColumn) / 2;
    for (int i = 0; i < n; ++i)
        m_buttons.at(i)->setGeometry(
            (i / perColumn) * buttonWidth + 8, (i % perColumn) * buttonHeight + topMargin, buttonWidth, buttonHeight);
}
