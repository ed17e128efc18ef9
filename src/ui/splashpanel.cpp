#include "ui/splashpanel.h"

#include "document/edits.h"
#include "document/tproject.h"
#include "ui/draghandler.h"
#include "ui/screenview.h"

#include <QLabel>
#include <QTimer>
#include <memory>

namespace {

// The animation preview's look: pixels of the colour of the picture's bottom-left pixel are left out,
// so that the splash screen shows through them.
QPixmap KeyedPixmap(const QImage& picture)
{
    QPixmap pixmap = QPixmap::fromImage(picture);
    if (picture.isNull())
        return pixmap;
    const QColor key = picture.pixelColor(0, picture.height() - 1);
    pixmap.setMask(pixmap.createMaskFromColor(key, Qt::MaskInColor));
    return pixmap;
}

} // namespace

TSplashPanel::TSplashPanel(TProject& project, QWidget* parent) : QFrame(parent), project_(project)
{
    setObjectName(QStringLiteral("SplashPanel"));
    ImgSplash = new QLabel(this);
    ImgSplash->setObjectName(QStringLiteral("ImgSplash"));
    ITM1 = new QLabel(this);
    ITM1->setObjectName(QStringLiteral("ITM1"));
    ITM1->setProperty(TScreenView::KindProperty, 20);
    ITM2 = new QLabel(this);
    ITM2->setObjectName(QStringLiteral("ITM2"));
    ITM2->setProperty(TScreenView::KindProperty, 21);
    Anime = new QLabel(this);
    Anime->setObjectName(QStringLiteral("Anime"));
    // The animation preview stands in front of the clock fields: the panel draws it over them too.
    Anime->raise();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, [this] {
        if (project_.Animation().Tick() >= 0)
            Anime->setPixmap(KeyedPixmap(TScreenView::AsShown(project_.Animation().PreviewPicture())));
    });

    // The clock fields and the preview share one way of moving.
    // A drag is one undo step, from the state at the press.
    auto since = std::make_shared<TSplashState>();
    auto field = [this, since](QLabel* label, ClockField which) {
        auto press = std::make_shared<QPoint>();
        new TDragHandler(label, {[this, press, since](QPoint p) {
                                     *press = p;
                                     *since = TSplashState::Of(project_);
                                 },
                                 [this, press, which](QPoint p) {
                                     project_.Splash().DragField(which, *press, p);
                                     emit ClockMoved();
                                 },
                                 [this, which, since](QPoint) {
                                     ChangeSplash(project_, *since, QT_TRANSLATE_NOOP("TProject", "Move clock field"),
                                                  [&] { project_.Splash().EndFieldDrag(which); });
                                     emit ClockMoved();
                                 }});
    };
    field(ITM1, ClockField::Hours);
    field(ITM2, ClockField::Minutes);
    auto press = std::make_shared<QPoint>();
    new TDragHandler(Anime, {[this, press, since](QPoint p) {
                                 *press = p;
                                 *since = TSplashState::Of(project_);
                             },
                             [this, press](QPoint p) {
                                 project_.Animation().Drag(*press, p, project_.Splash().ScreenSize());
                                 Anime->move(project_.Animation().Position());
                             },
                             [this, since](QPoint) {
                                 ChangeSplash(project_, *since, QT_TRANSLATE_NOOP("TProject", "Move animation"),
                                              [&] { project_.Animation().EndDrag(); });
                             }});
}

void TSplashPanel::Show()
{
    const TSplash& splash = project_.Splash();
    const TAnimation& animation = project_.Animation();
    ImgSplash->setGeometry(rect());
    ImgSplash->setPixmap(QPixmap::fromImage(TScreenView::AsShown(splash.DisplayedPicture())));
    const std::pair<QLabel*, ClockField> fields[] = {{ITM1, ClockField::Hours}, {ITM2, ClockField::Minutes}};
    for (const auto& [label, field] : fields) {
        label->setGeometry(splash.FieldRect(field));
        label->setPixmap(QPixmap::fromImage(TScreenView::AsShown(splash.FieldPicture(field))));
        label->setScaledContents(true);
        label->setVisible(splash.ClockShown());
    }
    Anime->setPixmap(KeyedPixmap(TScreenView::AsShown(animation.PreviewPicture())));
    Anime->setGeometry(QRect(animation.Position(), animation.PreviewSize()));
    Anime->setVisible(animation.PreviewVisible());
    Anime->raise();
    if (animation.TimerActive()) {
        Timer1->setInterval(animation.Speed());
        if (!Timer1->isActive())
            Timer1->start();
    } else {
        Timer1->stop();
    }
}

void TSplashPanel::StopPreview()
{
    Timer1->stop();
}
