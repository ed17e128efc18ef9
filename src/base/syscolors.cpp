#include "base/syscolors.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <array>

namespace {

// A system colour and the palette entry that stands for it on this desktop. The indexes are those of
// the desktop colour table that project files store; 25 has never been assigned and is left out.
struct TSystemColorRole
{
    TSystemColor Color;
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
};

using G = QPalette::ColorGroup;
using R = QPalette::ColorRole;

// The titles are marked for translation; the colour box shows them in the interface language.
constexpr std::array<TSystemColorRole, 30> Table{{
    {{0, "clScrollBar", QT_TRANSLATE_NOOP("TColorBox", "Scroll bar")}, G::Active, R::Midlight},
    {{1, "clBackground", QT_TRANSLATE_NOOP("TColorBox", "Desktop background")}, G::Active, R::Dark},
    {{2, "clActiveCaption", QT_TRANSLATE_NOOP("TColorBox", "Active window caption")},
     G::Active,
     R::Highlight},
    {{3, "clInactiveCaption", QT_TRANSLATE_NOOP("TColorBox", "Inactive window caption")},
     G::Inactive,
     R::Highlight},
    {{4, "clMenu", QT_TRANSLATE_NOOP("TColorBox", "Menu background")}, G::Active, R::Window},
    {{5, "clWindow", QT_TRANSLATE_NOOP("TColorBox", "Window background")}, G::Active, R::Base},
    {{6, "clWindowFrame", QT_TRANSLATE_NOOP("TColorBox", "Window frame")}, G::Active, R::Shadow},
    {{7, "clMenuText", QT_TRANSLATE_NOOP("TColorBox", "Menu text")}, G::Active, R::WindowText},
    {{8, "clWindowText", QT_TRANSLATE_NOOP("TColorBox", "Window text")}, G::Active, R::Text},
    {{9, "clCaptionText", QT_TRANSLATE_NOOP("TColorBox", "Active caption text")},
     G::Active,
     R::HighlightedText},
    {{10, "clActiveBorder", QT_TRANSLATE_NOOP("TColorBox", "Active window border")}, G::Active, R::Window},
    {{11, "clInactiveBorder", QT_TRANSLATE_NOOP("TColorBox", "Inactive window border")},
     G::Inactive,
     R::Window},
    {{12, "clAppWorkSpace", QT_TRANSLATE_NOOP("TColorBox", "Application workspace")}, G::Active, R::Mid},
    {{13, "clHighlight", QT_TRANSLATE_NOOP("TColorBox", "Highlight background")}, G::Active, R::Highlight},
    {{14, "clHighlightText", QT_TRANSLATE_NOOP("TColorBox", "Highlight text")},
     G::Active,
     R::HighlightedText},
    {{15, "clBtnFace", QT_TRANSLATE_NOOP("TColorBox", "Button face")}, G::Active, R::Button},
    {{16, "clBtnShadow", QT_TRANSLATE_NOOP("TColorBox", "Button shadow")}, G::Active, R::Dark},
    {{17, "clGrayText", QT_TRANSLATE_NOOP("TColorBox", "Gray text")}, G::Disabled, R::Text},
    {{18, "clBtnText", QT_TRANSLATE_NOOP("TColorBox", "Button text")}, G::Active, R::ButtonText},
    {{19, "clInactiveCaptionText", QT_TRANSLATE_NOOP("TColorBox", "Inactive caption text")},
     G::Inactive,
     R::HighlightedText},
    {{20, "clBtnHighlight", QT_TRANSLATE_NOOP("TColorBox", "Button highlight")}, G::Active, R::Light},
    {{21, "cl3DDkShadow", QT_TRANSLATE_NOOP("TColorBox", "3D dark shadow")}, G::Active, R::Shadow},
    {{22, "cl3DLight", QT_TRANSLATE_NOOP("TColorBox", "3D light")}, G::Active, R::Midlight},
    {{23, "clInfoText", QT_TRANSLATE_NOOP("TColorBox", "Tooltip text")}, G::Active, R::ToolTipText},
    {{24, "clInfoBk", QT_TRANSLATE_NOOP("TColorBox", "Tooltip background")}, G::Active, R::ToolTipBase},
    {{26, "clHotLight", QT_TRANSLATE_NOOP("TColorBox", "Hot-tracked item")}, G::Active, R::Link},
    {{27, "clGradientActiveCaption", QT_TRANSLATE_NOOP("TColorBox", "Active caption gradient")},
     G::Active,
     R::Highlight},
    {{28, "clGradientInactiveCaption", QT_TRANSLATE_NOOP("TColorBox", "Inactive caption gradient")},
     G::Inactive,
     R::Highlight},
    {{29, "clMenuHighlight", QT_TRANSLATE_NOOP("TColorBox", "Menu highlight")}, G::Active, R::Highlight},
    {{30, "clMenuBar", QT_TRANSLATE_NOOP("TColorBox", "Menu bar")}, G::Active, R::Window},
}};

constexpr bool TableInIndexOrder()
{
    for (size_t i = 1; i < Table.size(); ++i)
        if (Table[i].Color.Index <= Table[i - 1].Color.Index)
            return false;
    return true;
}
static_assert(TableInIndexOrder(), "system colours must be listed in index order");

constexpr std::array<TSystemColor, Table.size()> MakeColors()
{
    std::array<TSystemColor, Table.size()> colors{};
    for (size_t i = 0; i < Table.size(); ++i)
        colors[i] = Table[i].Color;
    return colors;
}

constexpr std::array<TSystemColor, Table.size()> Colors = MakeColors();

TColor FromQColor(const QColor& c)
{
    return TColor(c.red()) | (TColor(c.green()) << 8) | (TColor(c.blue()) << 16);
}

} // namespace

std::span<const TSystemColor> SystemColors()
{
    return Colors;
}

TColor ResolveColor(TColor color)
{
    if (!IsSystemColor(color))
        return color & 0x00FFFFFFu;
    const quint8 index = quint8(color & 0xFFu);
    for (const TSystemColorRole& entry : Table)
        if (entry.Color.Index == index)
            return FromQColor(QGuiApplication::palette().color(entry.Group, entry.Role));
    return 0; // an index the desktop does not define: black
}
