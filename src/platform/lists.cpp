#include "platform/controls.h"

#include "platform/errors.h"
#include "platform/form.h"

#include <QHash>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <algorithm>

// ---- ListBox ----

namespace {

// The height of a row that holds every letter a list shows: the dots and accents of capitals reach above the
// font's ascent in some fonts and sizes, and the row clips them. The text stands in the middle of its row, so
// what reaches out on either side is added on both.
int rowHeightFor(const QFont& font)
{
    // Measured once a font: lists of words are filled item by item.
    static QHash<QString, int> known;
    const QString key = font.key();
    const auto it = known.constFind(key);
    if (it != known.constEnd()) return *it;
    static const QString letters = QStringLiteral(
        "\u00C0\u00C1\u00C2\u00C3\u00C4\u00C5\u00C7\u00C8\u00C9\u00CA\u00CB\u00CC\u00CD\u00CE\u00CF\u00D1"
        "\u00D2\u00D3\u00D4\u00D5\u00D6\u00D9\u00DA\u00DB\u00DC\u00DD\u0160\u017D\u0178\u00C6\u00D8"
        "bdfhklgjpqy\u00DF\u00E7\u00FF0123456789");
    const QFontMetrics fm(font);
    const QMargins past = inkPastCell(fm, letters);
    const int height = fm.height() + 2 * std::max(past.top(), past.bottom());
    known.insert(key, height);
    return height;
}

bool choosable(const QListWidgetItem* it)
{
    return it && (it->flags() & Qt::ItemIsEnabled) && (it->flags() & Qt::ItemIsSelectable);
}

// Only chosen items are filled. The style tints the item with the focus (and keeps the tint after the mouse
// has left it), which in a list of several choices reads as half chosen; the dotted frame shows the focus.
class Eintragsmaler : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem ohneToenung = option;
        ohneToenung.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
        QStyledItemDelegate::paint(painter, ohneToenung, index);
    }
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
    connect(this, &QAbstractItemView::clicked, this, [this] {
        runGuarded([this] {
            if (OnClick) OnClick();
        });
    });
}

void ListBox::applyItemHeight(QListWidgetItem* item) const
{
    // The font's height needs the font loaded: a list not on the screen takes it when it is first shown.
    if (m_itemHeight <= 0 && !isVisible()) {
        m_heightsPending = true;
        return;
    }
    const int h = m_itemHeight > 0 ? m_itemHeight : rowHeightFor(font());
    item->setSizeHint(QSize(1, h));
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
    applyItemHeight(it);
    insertItem(at, it);
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
    for (int i = 0; i < count(); ++i)
        applyItemHeight(item(i));
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
    SetFocus(this);
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
    if (!showsFocusFrame(this)) return;
    QPainter p(viewport());
    const QListWidgetItem* it = currentItem();
    const QRect r = it ? visualItemRect(it) : viewport()->rect();
    drawFocusFrame(p, r.adjusted(0, 0, -1, -1));
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
