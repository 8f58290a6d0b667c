// Creating the controls of a dialog template with Qt widgets.
#include "ui/DialogBuilder.h"

#include "ui/ListBox.h"
#include "ui/ScreenReader.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTableView>

#include <algorithm>
#include <cmath>

namespace vak {

namespace {

constexpr const char* TEMPLATE_PROPERTY = "dialogTemplate";

int MulDiv(int value, int numerator, int denominator)
{
    return (value * numerator + denominator / 2) / denominator;
}

QLabel* CreateStatic(QWidget* parent, const DialogControl& control)
{
    auto* label = new QLabel(QString::fromUtf8(control.text), parent);
    label->setTextFormat(Qt::PlainText);
    // Like a Windows static text, it lets the mouse through to what lies below: the credit label
    // reaches over the end of the month button.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (control.style & STYLE_CENTRED) {
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    } else {
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
    }
    return label;
}

QLabel* CreateIcon(QWidget* parent)
{
    auto* label = new QLabel(parent);
    const QIcon icon = parent->windowIcon().isNull() ? QApplication::windowIcon() : parent->windowIcon();
    label->setPixmap(icon.pixmap(32, 32));
    return label;
}

// A check box whose text may stand left of the box and wrap onto several centred lines, as
// the participation box of the report entry shows "Účast na službě" on two lines.
class CWrappingCheckBox : public QCheckBox {
public:
    CWrappingCheckBox(const QString& text, unsigned style, QWidget* parent)
        : QCheckBox(text, parent), m_style(style)
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QRect box = IndicatorRect();
        option.rect = box;
        painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, option);

        const int spacing = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this);
        QRect textRect = rect();
        if (m_style & STYLE_LEFT_TEXT)
            textRect.setRight(box.left() - spacing);
        else
            textRect.setLeft(box.right() + spacing);
        const int alignment = ((m_style & STYLE_CENTRED) ? Qt::AlignCenter : Qt::AlignVCenter | Qt::AlignLeft) |
                              ((m_style & STYLE_MULTILINE) ? Qt::TextWordWrap : 0) | Qt::TextShowMnemonic;
        painter.drawItemText(textRect, alignment, palette(), isEnabled(), text(), QPalette::WindowText);
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = painter.boundingRect(textRect, alignment, text()).adjusted(-1, 0, 1, 0);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }
    // The whole control answers the mouse, as the text beside the box does on Windows.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

private:
    QRect IndicatorRect() const
    {
        const int w = style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this);
        const int h = style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this);
        const int x = (m_style & STYLE_LEFT_TEXT) ? width() - w : 0;
        return QRect(x, (height() - h) / 2, w, h);
    }

    unsigned m_style;
};

QCheckBox* CreateCheckBox(QWidget* parent, const DialogControl& control)
{
    const QString text = QString::fromUtf8(control.text);
    if (control.style & (STYLE_LEFT_TEXT | STYLE_MULTILINE))
        return new CWrappingCheckBox(text, control.style, parent);
    return new QCheckBox(text, parent);
}

QLineEdit* CreateEdit(QWidget* parent, const DialogControl& control)
{
    auto* edit = new QLineEdit(QString::fromUtf8(control.text), parent);
    edit->setFrame((control.style & STYLE_BORDER) != 0);
    return edit;
}

// Group boxes and frames only draw; like their Windows counterparts they let the mouse through
// to the controls they frame (which lie below them in creation order).
template <class Frame>
Frame* TransparentForMouse(Frame* frame)
{
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    return frame;
}

QPushButton* CreateButton(QWidget* parent, const DialogControl& control)
{
    auto* button = new QPushButton(QString::fromUtf8(control.text), parent);
    button->setDefault(control.kind == ControlKind::DefPushButton);
    return button;
}

QFrame* CreateEtchedFrame(QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

CListBox* CreateListBox(QWidget* parent, const DialogControl& control)
{
    auto* list = new CListBox(parent);
    list->setVerticalScrollBarPolicy((control.style & STYLE_VSCROLL) ? Qt::ScrollBarAsNeeded
                                                                      : Qt::ScrollBarAlwaysOff);
    list->setFrameShape((control.style & STYLE_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
    return list;
}

// A table the user reads and moves through by cell with the arrows; Tab leaves it, as it leaves
// any control of a dialog.
QTableView* CreateTable(QWidget* parent, const DialogControl& control)
{
    auto* table = new QTableView(parent);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectItems);
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    table->setFrameShape((control.style & STYLE_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
    return table;
}

} // namespace

DialogBaseUnits BaseUnitsOf(const QFont& font)
{
    const QFontMetrics metrics(font);
    const QFontMetricsF exact(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    // The average letter width rounded up, where Windows rounds it to the nearest pixel: with
    // Tahoma (6.35 pixels at 8 points) Windows' 6 leaves a button's text that fills its width,
    // "Nastavení tiskárny", wider than the button's inside.
    const int width = (letters + 51) / 52;
    // Qt lays lines of text out a line spacing apart (the font's height and leading, with
    // fractions), and the glyphs of a line reach whole pixels above and below its baseline (the
    // ascent and the descent each rounded up, as under a scaling of 125 %); either can exceed
    // QFontMetrics::height() by a pixel or two. The unit height is the largest, so that a static
    // text 8 units high holds a line, one 16 units high two lines, and a push button 13 units
    // high a line inside its frame, at any font size and scaling.
    const int lineSpacing = static_cast<int>(std::ceil(exact.lineSpacing()));
    const int glyphHeight = static_cast<int>(std::ceil(exact.ascent()) + std::ceil(exact.descent()));
    return {width, std::max({metrics.height(), lineSpacing, glyphHeight})};
}

QRect DialogUnitsToPixels(const DialogBaseUnits& units, int x, int y, int w, int h)
{
    return QRect(MulDiv(x, units.x, 4), MulDiv(y, units.y, 8), MulDiv(w, units.x, 4),
                 MulDiv(h, units.y, 8));
}

int TemplateOf(const QWidget& window)
{
    return window.property(TEMPLATE_PROPERTY).toInt();
}

bool CDialogControls::Build(QDialog& dialog, int templateId)
{
    m_template = FindDialogTemplate(templateId);
    if (!m_template)
        return false;
    const DialogBaseUnits units = BaseUnitsOf(dialog.font());
    dialog.setWindowTitle(QString::fromUtf8(m_template->title));
    dialog.setFixedSize(DialogUnitsToPixels(units, 0, 0, m_template->w, m_template->h).size());
    dialog.setProperty(TEMPLATE_PROPERTY, templateId);

    for (const DialogControl& control : m_template->controls) {
        QWidget* widget = Create(dialog, control);
        widget->setGeometry(DialogUnitsToPixels(units, control.x, control.y, control.w, control.h));
        if (control.style & STYLE_HIDDEN)
            widget->setVisible(false);
        if (control.style & STYLE_NO_TABSTOP)
            widget->setFocusPolicy(Qt::NoFocus);
        if (control.id != IDC_STATIC) {
            widget->setObjectName(QString::number(control.id));
            m_items.insert(control.id, widget);
        }
        m_order.append(widget);
    }
    NameControls();
    return true;
}

// What a screen reader says comes from the template too: a name kept in the table, or the
// static text that labels a control (read live, so a heading set later names its field).
void CDialogControls::NameControls() const
{
    for (QWidget* widget : m_order) {
        const DialogControl& control = *ControlOf(widget);
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            NameWhileUncaptioned(button, button->text());
        else if (*control.accessibleName != '\0')
            widget->setAccessibleName(QString::fromUtf8(control.accessibleName));
        if (control.labelFor != 0)
            if (auto* label = qobject_cast<QLabel*>(widget))
                label->setBuddy(GetDlgItem(control.labelFor));
    }
}

// A button is called by its caption; the table's name stands in while the caption is empty, as
// the e-mail button's is until a publisher with an address is selected.
void CDialogControls::NameWhileUncaptioned(QWidget* widget, const QString& caption) const
{
    const DialogControl* control = ControlOf(widget);
    if (control && *control->accessibleName != '\0')
        widget->setAccessibleName(caption.isEmpty() ? QString::fromUtf8(control->accessibleName) : QString());
}

const DialogControl* CDialogControls::ControlOf(QWidget* widget) const
{
    const qsizetype index = m_order.indexOf(widget);
    return index < 0 ? nullptr : &m_template->controls[static_cast<std::size_t>(index)];
}

QWidget* CDialogControls::Create(QDialog& dialog, const DialogControl& control) const
{
    switch (control.kind) {
    case ControlKind::Icon: return CreateIcon(&dialog);
    case ControlKind::Static: return CreateStatic(&dialog, control);
    case ControlKind::GroupBox: return TransparentForMouse(new QGroupBox(QString::fromUtf8(control.text), &dialog));
    case ControlKind::EtchedFrame: return TransparentForMouse(CreateEtchedFrame(&dialog));
    case ControlKind::ListBox: return CreateListBox(&dialog, control);
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: return CreateButton(&dialog, control);
    case ControlKind::OwnerDrawButton: return new QPushButton(&dialog);
    case ControlKind::CheckBox: return CreateCheckBox(&dialog, control);
    case ControlKind::Edit: return CreateEdit(&dialog, control);
    case ControlKind::Table: return CreateTable(&dialog, control);
    }
    return new QWidget(&dialog);
}

void CDialogControls::OnClicked(int id, std::function<void()> handler) const
{
    if (auto* button = Item<QAbstractButton>(id))
        QObject::connect(button, &QAbstractButton::clicked, button, [handler = std::move(handler)] { handler(); });
}

QWidget* CDialogControls::NextTabItem(QWidget* from, bool forward) const
{
    const auto count = m_order.size();
    const auto start = m_order.indexOf(from);
    if (count == 0 || start < 0)
        return from;
    for (qsizetype step = 1; step < count; ++step) {
        const qsizetype index = (start + (forward ? step : count - step)) % count;
        QWidget* candidate = m_order[index];
        if (!candidate->isHidden() && candidate->isEnabled() && (candidate->focusPolicy() & Qt::TabFocus))
            return candidate;
    }
    return from;
}

void CDialogControls::Show(int id, bool visible) const
{
    if (QWidget* widget = GetDlgItem(id))
        widget->setVisible(visible);
}

void CDialogControls::SetText(int id, const QString& text) const
{
    QWidget* widget = GetDlgItem(id);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const bool changed = label->text() != text;
        label->setText(text);
        if (changed && label->isVisible() && (ControlOf(label)->style & STYLE_ANNOUNCED))
            Announce(*label->window(), text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
        NameWhileUncaptioned(button, text);
    } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        box->setTitle(text);
    }
}

QString CDialogControls::Text(int id) const
{
    QWidget* widget = GetDlgItem(id);
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* box = qobject_cast<QGroupBox*>(widget))
        return box->title();
    return {};
}

} // namespace vak
