#include "ui/colorbox.h"

#include "model/render.h"
#include "output/syscolors.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

namespace {
constexpr int RoleColor = Qt::UserRole;
constexpr int RolePicker = Qt::UserRole + 1;
const QString CustomText = QStringLiteral("Custom");

QIcon Swatch(TColor color)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(ToQColor(color));
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
        {"Black", 0x000000},       {"Maroon", 0x000080},   {"Green", 0x008000}, {"Olive green", 0x008080},
        {"Navy blue", 0x800000},   {"Purple", 0x800080},   {"Teal", 0x808000},  {"Gray", 0x808080},
        {"Silver", 0xC0C0C0},      {"Red", 0x0000FF},      {"Lime", 0x00FF00},  {"Yellow", 0x00FFFF},
        {"Blue", 0xFF0000},        {"Fuchsia", 0xFF00FF},  {"Aqua", 0xFFFF00},  {"White", 0xFFFFFF},
        {"Money green", 0xC0DCC0}, {"Sky blue", 0xF0CAA6}, {"Cream", 0xF0FBFF}, {"Medium gray", 0xA4A0A0},
    };
    return colors;
}

TColorBox::TColorBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    for (const auto& c : NamedColors())
        addItem(Swatch(c.Value), QString::fromLatin1(c.Name), QVariant::fromValue<quint32>(c.Value));
    for (const auto& s : SystemColors()) {
        const TColor value = SystemColorValue(s.Index);
        addItem(Swatch(value), QString::fromLatin1(s.Title), QVariant::fromValue<quint32>(value));
    }
    addItem(QStringLiteral("Custom..."));
    setItemData(count() - 1, true, RolePicker);

    PickCustom = [this](TColor& color) {
        const QColor picked = QColorDialog::getColor(ToQColor(color), this);
        if (!picked.isValid())
            return false;
        color = FromQColor(picked);
        return true;
    };
    connect(this, &QComboBox::activated, this, &TColorBox::Activated);
    SetColor(0);
}

int TColorBox::CustomIndex() const
{
    for (int i = 0; i < count(); ++i)
        if (itemText(i) == CustomText && !itemData(i, RolePicker).toBool())
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
        if (itemText(i) != CustomText && itemData(i, RoleColor).value<quint32>() == color) {
            Select(i);
            return;
        }
    }
    int custom = CustomIndex();
    if (custom < 0) {
        custom = PickerIndex();
        insertItem(custom, CustomText);
    }
    setItemIcon(custom, Swatch(color));
    setItemData(custom, QVariant::fromValue<quint32>(color), RoleColor);
    Select(custom);
}

void TColorBox::Activated(int index)
{
    if (index == PickerIndex()) {
        TColor picked = color_;
        if (PickCustom && PickCustom(picked)) {
            SetColor(picked);
            // A picked colour that equals a named one still shows as "Custom", as the user asked.
            if (itemText(currentIndex()) != CustomText) {
                int custom = CustomIndex();
                if (custom < 0) {
                    custom = PickerIndex();
                    insertItem(custom, CustomText);
                }
                setItemIcon(custom, Swatch(picked));
                setItemData(custom, QVariant::fromValue<quint32>(picked), RoleColor);
                Select(custom);
            }
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
