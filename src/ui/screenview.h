#pragma once

#include "base/urgb.h"

#include <QColor>
#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QWidget>
#include <memory>

class TArrowMoves;
class TElement;
class TLCD;
class TProject;

// The window of one screen. It paints the core's rendering of the screen at the screen's zoom
// (rendered once per change and cached, so repaints never flicker), hit-tests elements in stacking
// order, and turns the user's gestures into the screen's events and editing rules. It holds no
// state of the design: the screen is the model.
class TScreenView : public QWidget
{
    Q_OBJECT

  public:
    // The screen outlives the view, or is destroyed with it; the view never owns it.
    explicit TScreenView(TLCD* screen, QWidget* parent = nullptr);
    ~TScreenView() override;

    TLCD* Screen() const { return screen_; }

    // The context menu of the elements (work screens only); none when null.
    void SetElementMenu(QMenu* menu) { elementMenu_ = menu; }
    QMenu* ElementMenu() const { return elementMenu_; }

    // The project the screen belongs to: with one, each press's moves and resizes are one undo step
    // on its stack; without, they change the screen alone. With one, the arrow keys move the
    // selection while the view has the focus (a click gives it): one panel pixel, with Shift one
    // grid step; a run of presses is one step.
    void SetProject(TProject* project);

    // Takes the screen's displayed size and redraws; called after the size was changed directly.
    void SyncSize();

    // The rendering as last painted (renders first when it is out of date), in the design's colours.
    const QImage& Image();
    // What the view shows: Image(), or Image() through the RGB565 round trip while panel colours are
    // shown.
    const QImage& ShownImage();

    // "Panel colours": every screen view shows its screen as the LCD will, each pixel through the
    // RGB565 round trip. One switch for all views of the program; off at start-up. Picking a colour
    // from a screen still takes the design's colour.
    static void SetPanelColours(bool on);
    static bool PanelColoursShown();
    // A picture as the views show pictures now: through the round trip while panel colours are shown.
    static QImage AsShown(const QImage& picture);

    // The outline of an element that reaches past the screen's edge.
    static constexpr QColor PastEdgeColor{0xE0, 0x30, 0x1E};

    // The property of drag sources that carries the element kind.
    static const char* KindProperty;
    // The MIME type under which a drag carries the element kind (one decimal number).
    static const char* KindMimeType;

  signals:
    // The pointer over the view, in panel pixels; PointerLeft when it left the view.
    void PointerMoved(QPoint panelPoint);
    void PointerLeft();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void Press(QMouseEvent* event, bool doubleClick);
    void ScreenChanged();
    TColor ColorAt(QPoint point);
    // The answer of the screen for a drag at `pos`; false for a drag that carries no kind.
    bool AcceptDrag(const class QMimeData* mime, QPoint pos);

    TLCD* screen_;
    QImage image_;
    QImage panelImage_; // image_ in panel colours, null when stale
    bool stale_ = true;
    TElement* pressed_ = nullptr;
    TProject* project_ = nullptr;
    int gesture_ = 0;
    std::unique_ptr<TArrowMoves> arrows_;
    QPointer<QMenu> elementMenu_;
};
