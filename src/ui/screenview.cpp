#include "ui/screenview.h"

#include "document/edits.h"
#include "model/align.h"
#include "model/editing.h"
#include "model/placement.h"
#include "model/render.h"
#include "model/tlcd.h"
#include "base/syscolors.h"
#include "widgets/colorbox.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QSet>
#include <QToolTip>

#include <cmath>

const char* TScreenView::KindProperty = "Tag";

namespace {
bool PanelColoursOn = false;
QSet<TScreenView*>& Views()
{
    static QSet<TScreenView*> views;
    return views;
}
} // namespace

void TScreenView::SetPanelColours(bool on)
{
    if (PanelColoursOn == on)
        return;
    PanelColoursOn = on;
    for (TScreenView* v : std::as_const(Views()))
        v->update();
}

bool TScreenView::PanelColoursShown()
{
    return PanelColoursOn;
}

QImage TScreenView::AsShown(const QImage& picture)
{
    return PanelColoursOn ? PanelColours(picture) : picture;
}
const char* TScreenView::KindMimeType = "application/x-tarvolt-element-kind";

namespace {
// Stands for the dragged palette item when the screen's handlers are asked: it carries the kind read
// from the drag's data, so drops from another window of the program work alike.
class TDragSource : public QObject
{
  public:
    explicit TDragSource(int kind) { setProperty(TScreenView::KindProperty, kind); }
};

// The kind a drag carries, or -1.
int KindOf(const QMimeData* mime)
{
    if (!mime || !mime->hasFormat(QString::fromLatin1(TScreenView::KindMimeType)))
        return -1;
    bool ok = false;
    const int kind =
        QString::fromLatin1(mime->data(QString::fromLatin1(TScreenView::KindMimeType))).toInt(&ok);
    return ok && kind >= 0 && kind <= 255 ? kind : -1;
}
} // namespace

TScreenView::TScreenView(TLCD* screen, QWidget* parent) : QWidget(parent), screen_(screen)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAcceptDrops(true);
    setMouseTracking(true);
    // A click gives the view the focus: the window edits the screen whose view has it, and the arrow
    // keys reach it only then. Tab passes it by as before.
    setFocusPolicy(Qt::ClickFocus);
    connect(screen_, &TLCD::Changed, this, &TScreenView::ScreenChanged);
    connect(screen_, &TLCD::CursorChanged, this, [this] { setCursor(screen_->Cursor); });
    connect(screen_, &TLCD::ElementDestroying, this, [this](TElement* e) {
        if (pressed_ == e)
            pressed_ = nullptr;
    });
    SyncSize();
    Views().insert(this);
}

TScreenView::~TScreenView()
{
    Views().remove(this);
}

void TScreenView::SetProject(TProject* project)
{
    project_ = project;
    arrows_ = project ? std::make_unique<TArrowMoves>(*project) : nullptr;
}

void TScreenView::SyncSize()
{
    setFixedSize(qMax(1, screen_->DisplayWidth), qMax(1, screen_->DisplayHeight));
    stale_ = true;
    update();
}

void TScreenView::ScreenChanged()
{
    if (width() != screen_->DisplayWidth || height() != screen_->DisplayHeight)
        setFixedSize(qMax(1, screen_->DisplayWidth), qMax(1, screen_->DisplayHeight));
    stale_ = true;
    update();
}

const QImage& TScreenView::Image()
{
    if (stale_) {
        image_ = RenderScreen(*screen_);
        panelImage_ = QImage();
        stale_ = false;
    }
    return image_;
}

const QImage& TScreenView::ShownImage()
{
    const QImage& image = Image();
    if (!PanelColoursOn)
        return image;
    if (panelImage_.isNull())
        panelImage_ = PanelColours(image);
    return panelImage_;
}

void TScreenView::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const QImage& image = ShownImage();
    p.fillRect(event->rect(), palette().window());
    p.drawImage(0, 0, image);
    // Elements the panel would cut off are outlined where they meet the edge, whatever the colours.
    for (const auto& e : screen_->Elements()) {
        if (!PastEdge(*e))
            continue;
        const QRect shown = QRect(e->Left, e->Top, e->Width, e->Height).intersected(rect());
        if (shown.isEmpty())
            continue;
        p.setPen(QPen(PastEdgeColor, 2, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(shown.adjusted(1, 1, -1, -1));
    }
    const QRect band = BandRect(*screen_);
    if (!band.isEmpty()) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(band);
    }
}

TColor TScreenView::ColorAt(QPoint point)
{
    const QImage& image = Image();
    if (!image.rect().contains(point))
        return ResolveColor(screen_->BackgroundColor);
    return FromQColor(image.pixelColor(point));
}

void TScreenView::Press(QMouseEvent* event, bool doubleClick)
{
    const QPoint point = event->position().toPoint();
    setFocus(Qt::MouseFocusReason);
    // A press ends a run of arrow keys even when it records no step.
    if (arrows_)
        arrows_->End();
    const TColor picked = ColorAt(point);
    TElement* e = ElementAt(*screen_, point);
    if (!e) {
        PressScreen(*screen_, event->button(), event->modifiers(), doubleClick, point, picked);
        if (doubleClick && screen_->OnDblClick)
            screen_->OnDblClick(nullptr);
        update();
        return;
    }
    const QPoint local = point - QPoint(e->Left, e->Top);
    if (event->button() == Qt::RightButton) {
        // The element is selected as by any press, then offers its menu; no drag follows.
        PressElement(*e, local, false, picked);
        e->Dragging = false;
        if (elementMenu_)
            elementMenu_->popup(event->globalPosition().toPoint());
        return;
    }
    if (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ControlModifier) && !doubleClick) {
        // Ctrl+click picks elements one by one; it never starts a move.
        ToggleSelected(*screen_, *e);
        return;
    }
    pressed_ = e;
    gesture_ = NextGesture();
    PressElement(*e, local, doubleClick, picked);
}

void TScreenView::mousePressEvent(QMouseEvent* event)
{
    Press(event, false);
}

void TScreenView::mouseDoubleClickEvent(QMouseEvent* event)
{
    Press(event, true);
}

void TScreenView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    const int z = qMax(1, int(screen_->Zoom));
    // Rounded down, also left of and above the screen while a press drags out of it.
    emit PointerMoved(QPoint(int(std::floor(double(point.x()) / z)), int(std::floor(double(point.y()) / z))));
    if (pressed_ && (event->buttons() & Qt::LeftButton)) {
        const QPoint local = point - QPoint(pressed_->Left, pressed_->Top);
        if (project_)
            DragElementStep(*project_, *pressed_, local, gesture_);
        else
            DragElement(*pressed_, local);
        return;
    }
    if (MoveBand(*screen_, point))
        update();
    if (TElement* e = ElementAt(*screen_, point)) {
        if (const auto shape = HoverCursor(*e, point - QPoint(e->Left, e->Top)))
            setCursor(*shape);
    } else {
        setCursor(screen_->Cursor);
    }
    if (screen_->OnMouseMove)
        screen_->OnMouseMove(event->modifiers(), point);
}

void TScreenView::leaveEvent(QEvent* event)
{
    emit PointerLeft();
    QWidget::leaveEvent(event);
}

void TScreenView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (pressed_) {
        TElement* e = pressed_;
        pressed_ = nullptr;
        if (project_)
            ReleaseElementStep(*project_, *e, gesture_);
        else
            ReleaseElement(*e);
        return;
    }
    if (screen_->Banding) {
        ReleaseScreen(*screen_, point);
        update();
    }
    if (screen_->OnMouseUp)
        screen_->OnMouseUp(event->button(), event->modifiers(), point);
}

bool TScreenView::AcceptDrag(const QMimeData* mime, QPoint pos)
{
    const int kind = KindOf(mime);
    if (kind < 0)
        return false;
    TDragSource source(kind);
    TElement* over = ElementAt(*screen_, pos);
    const QPoint point = over ? pos - QPoint(over->Left, over->Top) : pos;
    return screen_->DragOver(over, &source, point);
}

void TScreenView::dragEnterEvent(QDragEnterEvent* event)
{
    // Entering is always allowed so that the moves that follow are asked one by one; a refused move
    // shows the platform's no-drop pointer.
    if (KindOf(event->mimeData()) < 0) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
}

void TScreenView::dragMoveEvent(QDragMoveEvent* event)
{
    if (AcceptDrag(event->mimeData(), event->position().toPoint()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TScreenView::dropEvent(QDropEvent* event)
{
    const QPoint pos = event->position().toPoint();
    // A drop is checked again: the screen may have changed since the last move was answered.
    if (!AcceptDrag(event->mimeData(), pos)) {
        event->ignore();
        return;
    }
    TDragSource source(KindOf(event->mimeData()));
    TElement* over = ElementAt(*screen_, pos);
    const QPoint point = over ? pos - QPoint(over->Left, over->Top) : pos;
    screen_->DragDrop(over, &source, point);
    event->acceptProposedAction();
    // The drop selects what it placed: the arrow keys move it next.
    setFocus(Qt::OtherFocusReason);
}

void TScreenView::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    int dx = 0, dy = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        dx = -1;
        break;
    case Qt::Key_Right:
        dx = 1;
        break;
    case Qt::Key_Up:
        dy = -1;
        break;
    case Qt::Key_Down:
        dy = 1;
        break;
    default:
        break;
    }
    // Not while a press drags: the pointer has the elements then.
    if ((dx || dy) && arrows_ && !pressed_ && (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)) {
        const int step = ArrowStep(*screen_, modifiers == Qt::ShiftModifier);
        if (arrows_->Press(*screen_, dx * step, dy * step)) {
            event->accept();
            return;
        }
    }
    // Nothing selected: the key goes on to the scrolled canvas.
    QWidget::keyPressEvent(event);
}

bool TScreenView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        TElement* e = ElementAt(*screen_, help->pos());
        if (e && !e->Hint.isEmpty())
            QToolTip::showText(help->globalPos(), tr(e->Hint.toUtf8().constData()), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}
