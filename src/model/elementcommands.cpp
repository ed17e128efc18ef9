#include "model/elementcommands.h"

#include <bit>

bool CopyProperties(TElement& target, const TElement& source, int listZoom)
{
    if (target.Kind != source.Kind)
        return false;
    target.FontName = source.FontName;
    target.FontSize = source.FontSize;
    target.FontBold = source.FontBold;
    target.FontItalic = source.FontItalic;
    target.TextColor = source.TextColor;
    target.BackColor = source.BackColor;
    target.PenColor = source.PenColor;
    target.Value = source.Value;
    target.Format = source.Format;
    target.SetScaleW(source.ScaleW);
    target.SetScaleH(source.ScaleH);
    target.ShowAsAxis = source.ShowAsAxis;
    target.AxisColor = source.AxisColor;
    target.Width = source.Width;
    target.Height = source.Height;
    const int z = qMax(1, listZoom);
    target.PanelW = target.Width / z;
    target.PanelH = target.Height / z;
    target.MarkModified();
    target.Invalidate();
    return true;
}

namespace {

bool Same(float a, float b)
{
    return std::bit_cast<quint32>(a) == std::bit_cast<quint32>(b);
}
template <typename T> bool Same(const T& a, const T& b)
{
    return a == b;
}

} // namespace

void ApplyChangedFields(TElement& target, const TElementData& before, const TElementData& after)
{
    if (target.Kind != after.Kind || before.Kind != after.Kind)
        return;
#define TAKE_CHANGED(field)                                                                                  \
    if (!Same(before.field, after.field))                                                                    \
        target.field = after.field;
    TAKE_CHANGED(Text)
    TAKE_CHANGED(TypedText)
    TAKE_CHANGED(Format)
    TAKE_CHANGED(Value)
    TAKE_CHANGED(MaxVal)
    TAKE_CHANGED(YellowPct)
    TAKE_CHANGED(RedPct)
    TAKE_CHANGED(ScaleW)
    TAKE_CHANGED(ScaleH)
    TAKE_CHANGED(TextColor)
    TAKE_CHANGED(BackColor)
    TAKE_CHANGED(PenColor)
    TAKE_CHANGED(ShapeType)
    TAKE_CHANGED(FontName)
    TAKE_CHANGED(FontSize)
    TAKE_CHANGED(FontBold)
    TAKE_CHANGED(FontItalic)
    TAKE_CHANGED(OnColor)
    TAKE_CHANGED(OffColor)
    TAKE_CHANGED(LedMode)
    TAKE_CHANGED(BlinkInterval)
    TAKE_CHANGED(ShowAsAxis)
    TAKE_CHANGED(AxisColor)
    TAKE_CHANGED(AxisNum)
    TAKE_CHANGED(Picture)
    TAKE_CHANGED(GreenPic)
    TAKE_CHANGED(YellowPic)
    TAKE_CHANGED(RedPic)
    TAKE_CHANGED(BkgPic)
    TAKE_CHANGED(GreenPicFile)
    TAKE_CHANGED(YellowPicFile)
    TAKE_CHANGED(RedPicFile)
    TAKE_CHANGED(BkgPicFile)
    TAKE_CHANGED(Hint)
    TAKE_CHANGED(Reserved)
    // A typed text belongs to the text it was typed for.
    if (!Same(before.Text, after.Text) && Same(before.TypedText, after.TypedText))
        target.TypedText = after.TypedText;
    if (IsCellText(target.Kind) || target.Kind == ekText) {
        target.UpdateSize();
    } else {
        TAKE_CHANGED(PanelW)
        TAKE_CHANGED(PanelH)
        if (target.Kind == ekImage && !target.Picture.isNull()) {
            // A picture is shown at its own size, whatever size the other picture had.
            target.PanelW = target.Picture.width();
            target.PanelH = target.Picture.height();
        }
        const int z = target.Zoom();
        target.Width = z * target.PanelW;
        target.Height = z * target.PanelH;
    }
#undef TAKE_CHANGED
    target.MarkModified();
    target.Invalidate();
}

void ApplyPickedColor(TElement& target, TColor color, bool background)
{
    if (background) {
        target.BackColor = color;
        target.PenColor = color;
    } else {
        target.TextColor = color;
    }
    target.MarkModified();
    target.Invalidate();
}

QString ElementStatusText(const TElement* e)
{
    if (!e)
        return QStringLiteral("--");
    return QString::asprintf("X:%d Y:%d W:%d H:%d", e->Left, e->Top, e->Width, e->Height);
}
