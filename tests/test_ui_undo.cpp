#include "document/tproject.h"
#include "model/elementkind.h"
#include "model/placement.h"
#include "ui/screenview.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

void Send(QWidget& view, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), view.mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&view, &event);
}

// A press, a few pointer moves and the release on a screen view: what the stack records.
TEST(UndoView, ADragInTheViewIsOneStep)
{
    struct Case
    {
        const char* What;
        QPoint Press;
        QString Text;
        int RightEdge; // where the shape ends after the drag
    };
    // The shape is 65 x 20 at (40, 50): its middle moves it, its right edge resizes it.
    const Case cases[] = {
        {"move", {70, 60}, QStringLiteral("Move 1 element"), 40 + 65 + 20},
        {"resize", {40 + 63, 60}, QStringLiteral("Resize element"), 40 + 63 + 20},
    };
    for (const Case& c : cases) {
        TProject project;
        TLCD* screen = project.Screens().AddScreen(240, 320);
        screen->SetZoom(1);
        TElement* shape = Drop(*screen, TScreenRole::Work, ekShape, {40, 50});
        ASSERT_NE(shape, nullptr);
        project.SetModified(false);
        const struct
        {
            int Left, Width;
        } before{shape->Left, shape->Width};

        TScreenView view(screen);
        view.SetProject(&project);
        view.resize(240, 320);
        Send(view, QEvent::MouseButtonPress, c.Press, Qt::LeftButton);
        for (int step = 1; step <= 5; ++step)
            Send(view, QEvent::MouseMove, c.Press + QPoint(4 * step, 0), Qt::LeftButton);
        Send(view, QEvent::MouseButtonRelease, c.Press + QPoint(20, 0), Qt::NoButton);

        ASSERT_EQ(project.UndoStack().count(), 1) << c.What;
        EXPECT_EQ(project.UndoStack().undoText(), c.Text) << c.What;
        EXPECT_EQ(shape->Left + shape->Width, c.RightEdge) << c.What;
        EXPECT_TRUE(project.Modified()) << c.What;

        project.UndoStack().undo();
        EXPECT_EQ(shape->Left, before.Left) << c.What;
        EXPECT_EQ(shape->Width, before.Width) << c.What;
        EXPECT_FALSE(project.Modified()) << c.What;
    }
}

} // namespace
