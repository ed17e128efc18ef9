#include "model/elementcommands.h"

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
