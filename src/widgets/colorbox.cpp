#include "widgets/colorbox.h"

#include "model/render.h"
#include "base/syscolors.h"

#include <QColorDialog>
#include <QEvent>
#include <QPainter>
#include <QPixmap>
#include <QSet>
#include <QStandardItemModel>

namespace {
constexpr int RoleColor = Qt::UserRole;
constexpr int RolePicker = Qt::UserRole + 1;
// Marks the "Custom" entry, whatever language its text is in.
constexpr int RoleCustom = Qt::UserRole + 2;

bool PanelColoursOn = false;

QSet<TColorBox*>& Boxes()
{
    static QSet<TColorBox*> boxes;
    return boxes;
}

QIcon Swatch(TColor color)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(PanelColoursOn ? QColor::fromRgb(Rgb565ToRgb(ColorTo16bit(color))) : ToQColor(color));
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}
} // namespace

TColor FromQColor(const QColor& color)
{
    return TColor(color.red()) | (TColor(color.green()) << 8) | (TColor(color.blue()) << 16);
}

const std::vector<TColorBox::TNamedColor>& TColorBox::NamedColors()
{
    static const std::vector<TNamedColor> colors = {
        {QT_TR_NOOP("Black"), 0x000000},       {QT_TR_NOOP("Maroon"), 0x000080},
        {QT_TR_NOOP("Green"), 0x008000},       {QT_TR_NOOP("Olive green"), 0x008080},
        {QT_TR_NOOP("Navy blue"), 0x800000},   {QT_TR_NOOP("Purple"), 0x800080},
        {QT_TR_NOOP("Teal"), 0x808000},        {QT_TR_NOOP("Gray"), 0x808080},
        {QT_TR_NOOP("Silver"), 0xC0C0C0},      {QT_TR_NOOP("Red"), 0x0000FF},
        {QT_TR_NOOP("Lime"), 0x00FF00},        {QT_TR_NOOP("Yellow"), 0x00FFFF},
        {QT_TR_NOOP("Blue"), 0xFF0000},        {QT_TR_NOOP("Fuchsia"), 0xFF00FF},
        {QT_TR_NOOP("Aqua"), 0xFFFF00},        {QT_TR_NOOP("White"), 0xFFFFFF},
        {QT_TR_NOOP("Money green"), 0xC0DCC0}, {QT_TR_NOOP("Sky blue"), 0xF0CAA6},
        {QT_TR_NOOP("Cream"), 0xF0FBFF},       {QT_TR_NOOP("Medium gray"), 0xA4A0A0},
    };
    return colors;
}

TColorBox::TColorBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    for (const auto& c : NamedColors())
        addItem(Swatch(c.Value), QString(), QVariant::fromValue<quint32>(c.Value));
    // The desktop's colours follow under a heading of their own, after the named ones the panel
    // shows the same on every PC.
    insertSeparator(count());
    addItem(QString());
    if (auto* items = qobject_cast<QStandardItemModel*>(model())) {
        QStandardItem* heading = items->item(count() - 1);
        heading->setFlags(Qt::NoItemFlags);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
    }
    // Long enough for the named colours and the heading: the system colours scroll below them.
    setMaxVisibleItems(int(NamedColors().size()) + 2);
    for (const auto& s : SystemColors()) {
        const TColor value = SystemColorValue(s.Index);
        addItem(Swatch(value), QString(), QVariant::fromValue<quint32>(value));
    }
    addItem(QString());
    setItemData(count() - 1, true, RolePicker);
    Retranslate();

    PickCustom = [this](TColor& color) {
        const QColor picked = QColorDialog::getColor(ToQColor(color), this);
        if (!picked.isValid())
            return false;
        color = FromQColor(picked);
        return true;
    };
    connect(this, &QComboBox::activated, this, &TColorBox::Activated);
    SetColor(0);
    Boxes().insert(this);
    if (PanelColoursOn)
        RefreshSwatches();
}

TColorBox::~TColorBox()
{
    Boxes().remove(this);
}

void TColorBox::SetPanelColours(bool on)
{
    if (PanelColoursOn == on)
        return;
    PanelColoursOn = on;
    for (TColorBox* box : std::as_const(Boxes())) {
        box->RefreshSwatches();
        box->Retranslate();
    }
}

bool TColorBox::PanelColoursShown()
{
    return PanelColoursOn;
}

void TColorBox::RefreshSwatches()
{
    for (int i = 0; i < PickerIndex(); ++i)
        if (itemData(i, RoleColor).isValid())
            setItemIcon(i, Swatch(itemData(i, RoleColor).value<quint32>()));
}

void TColorBox::Retranslate()
{
    // The 16-bit value the panel takes, beside the name, while panel colours are shown.
    auto text = [this](int index, const QString& name) {
        if (!PanelColoursOn) {
            setItemText(index, name);
            return;
        }
        const quint16 value = ColorTo16bit(itemData(index, RoleColor).value<quint32>());
        setItemText(index, QStringLiteral("%1 %2").arg(name, QString::number(value, 16).rightJustified(4, '0').toUpper()));
    };
    int i = 0;
    for (const auto& c : NamedColors()) {
        text(i, tr(c.Name));
        ++i;
    }
    i += 1; // the separator
    setItemText(i++, tr("System colours"));
    for (const auto& s : SystemColors()) {
        text(i, tr(s.Title));
        ++i;
    }
    if (const int custom = CustomIndex(); custom >= 0)
        text(custom, tr("Custom"));
    setItemText(PickerIndex(), tr("Custom..."));
}

void TColorBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QComboBox::changeEvent(event);
}

int TColorBox::CustomIndex() const
{
    for (int i = 0; i < count(); ++i)
        if (itemData(i, RoleCustom).toBool())
            return i;
    return -1;
}

int TColorBox::PickerIndex() const
{
    return count() - 1;
}

void TColorBox::Select(int index)
{
    shown_ = index;
    setCurrentIndex(index);
}

void TColorBox::SetColor(TColor color)
{
    color_ = color;
    for (int i = 0; i < PickerIndex(); ++i) {
        if (!itemData(i, RoleCustom).toBool() && itemData(i, RoleColor).isValid() &&
            itemData(i, RoleColor).value<quint32>() == color) {
            Select(i);
            return;
        }
    }
    ShowCustom(color);
}

void TColorBox::ShowCustom(TColor color)
{
    int custom = CustomIndex();
    if (custom < 0) {
        custom = PickerIndex();
        insertItem(custom, tr("Custom"));
        setItemData(custom, true, RoleCustom);
    }
    setItemIcon(custom, Swatch(color));
    setItemData(custom, QVariant::fromValue<quint32>(color), RoleColor);
    if (PanelColoursOn)
        Retranslate(); // the custom entry's value changed
    Select(custom);
}

void TColorBox::Activated(int index)
{
    if (index != PickerIndex() && !itemData(index, RoleColor).isValid()) {
        Select(shown_); // the heading or the separator: no colour
        return;
    }
    if (index == PickerIndex()) {
        TColor picked = color_;
        if (PickCustom && PickCustom(picked)) {
            SetColor(picked);
            // A picked colour that equals a named one still shows as "Custom", as the user asked.
            if (!itemData(currentIndex(), RoleCustom).toBool())
                ShowCustom(picked);
            emit ColorChanged(color_);
        } else {
            Select(shown_);
        }
        return;
    }
    color_ = itemData(index, RoleColor).value<quint32>();
    shown_ = index;
    emit ColorChanged(color_);
}
