#include "ui/mainactions.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QToolBar>

namespace {

// A tool-bar picture: a short sign on a coloured tile.
QIcon ToolIcon(const QString& sign, QColor tile)
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(tile);
    p.setPen(tile.darker(150));
    p.drawRoundedRect(QRectF(1.5, 1.5, 21, 21), 4, 4);
    QFont font = p.font();
    font.setPixelSize(sign.size() > 2 ? 9 : 12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 24, 24), Qt::AlignCenter, sign);
    return QIcon(pixmap);
}

} // namespace

void TMainActions::CreateActions(QMainWindow* window)
{
    auto make = [this, window](QAction*& action, const char* name, const char* caption, const char* hint,
                       const QString& sign, QColor tile) {
        action = new QAction(ToolIcon(sign, tile), QString(), window);
        action->setObjectName(QString::fromLatin1(name));
        actionTexts_.push_back({action, caption, hint});
    };
    const QColor file(0x35, 0x6A, 0xB0), screen(0x2E, 0x8B, 0x57), element(0xB0, 0x60, 0x20),
        view(0x60, 0x60, 0x90), splash(0x90, 0x30, 0x90), power(0xB0, 0x30, 0x30), tools(0x50, 0x50, 0x50);
    make(acNew, "acNew", QT_TRANSLATE_NOOP("TMForm", "New project"), QT_TRANSLATE_NOOP("TMForm", "New"), QStringLiteral("N"), file);
    make(acOpen, "acOpen", QT_TRANSLATE_NOOP("TMForm", "Open project"), QT_TRANSLATE_NOOP("TMForm", "Open"), QStringLiteral("O"), file);
    make(acSave, "acSave", QT_TRANSLATE_NOOP("TMForm", "Save project"), QT_TRANSLATE_NOOP("TMForm", "Save"), QStringLiteral("S"), file);
    make(acGenerate, "acGenerate", QT_TRANSLATE_NOOP("TMForm", "Generate"), nullptr, QStringLiteral("G"), file);
    make(acDownload, "acDownload", QT_TRANSLATE_NOOP("TMForm", "Download to MCU"), nullptr, QStringLiteral("D"), file);
    make(acAddScreen, "acAddScreen", QT_TRANSLATE_NOOP("TMForm", "Add screen"), nullptr, QStringLiteral("+"), screen);
    make(acDelScreen, "acDelScreen", QT_TRANSLATE_NOOP("TMForm", "Delete screen"), nullptr, QStringLiteral("-"), screen);
    make(acSCRleft, "acSCRleft", QT_TRANSLATE_NOOP("TMForm", "Move left"), QT_TRANSLATE_NOOP("TMForm", "Move screen left"), QStringLiteral("<"),
         screen);
    make(acSCRright, "acSCRright", QT_TRANSLATE_NOOP("TMForm", "Move right"), QT_TRANSLATE_NOOP("TMForm", "Move screen right"),
         QStringLiteral(">"), screen);
    make(acLoadBkg, "acLoadBkg", QT_TRANSLATE_NOOP("TMForm", "Load background"), nullptr, QStringLiteral("B"), screen);
    make(acUnLoadBkg, "acUnLoadBkg", QT_TRANSLATE_NOOP("TMForm", "Clear background"), nullptr, QStringLiteral("xB"), screen);
    make(acDelElement, "acDelElement", QT_TRANSLATE_NOOP("TMForm", "Delete element"), nullptr, QStringLiteral("X"), element);
    make(acToBack, "acToBack", QT_TRANSLATE_NOOP("TMForm", "To back"), nullptr, QStringLiteral("Bk"), element);
    make(acToFront, "acToFront", QT_TRANSLATE_NOOP("TMForm", "To front"), nullptr, QStringLiteral("Fr"), element);
    make(acShProp, "acShProp", QT_TRANSLATE_NOOP("TMForm", "Element properties"), nullptr, QStringLiteral("P"), element);
    make(acCopyProp, "acCopyProp", QT_TRANSLATE_NOOP("TMForm", "Copy properties"), nullptr, QStringLiteral("C"), element);
    make(acGetBkgColor, "acGetBkgColor", QT_TRANSLATE_NOOP("TMForm", "Get background color"), nullptr, QStringLiteral("cB"),
         element);
    make(acGetFgColor, "acGetFgColor", QT_TRANSLATE_NOOP("TMForm", "Get foreground color"), nullptr, QStringLiteral("cF"),
         element);
    make(acZoomIn, "acZoomIn", QT_TRANSLATE_NOOP("TMForm", "Zoom in"), nullptr, QStringLiteral("Z+"), view);
    make(acZoomOut, "acZoomOut", QT_TRANSLATE_NOOP("TMForm", "Zoom out"), nullptr, QStringLiteral("Z-"), view);
    make(acZoomOne, "acZoomOne", QT_TRANSLATE_NOOP("TMForm", "100%"), nullptr, QStringLiteral("1:1"), view);
    make(acShowOrder, "acShowOrder", QT_TRANSLATE_NOOP("TMForm", "Show elements order"), nullptr, QStringLiteral("#"), view);
    make(acGrid, "acGrid", QT_TRANSLATE_NOOP("TMForm", "Grid"), nullptr, QStringLiteral("::"), view);
    make(acLoadLCDbkg, "acLoadLCDbkg", QT_TRANSLATE_NOOP("TMForm", "Load splash image"), nullptr, QStringLiteral("Sp"),
         splash);
    make(acLoadGIF, "acLoadGIF", QT_TRANSLATE_NOOP("TMForm", "Load animated GIF"), nullptr, QStringLiteral("GIF"), splash);
    make(acUnLoadGIF, "acUnLoadGIF", QT_TRANSLATE_NOOP("TMForm", "Clear animated GIF"), nullptr, QStringLiteral("xG"), splash);
    make(acLoadPWR, "acLoadPWR", QT_TRANSLATE_NOOP("TMForm", "Load power screen image"), nullptr, QStringLiteral("Pw"), power);
    make(acDelPWRelement, "acDelPWRelement", QT_TRANSLATE_NOOP("TMForm", "Delete Power fail DRO"), nullptr,
         QStringLiteral("xP"), power);
    make(acSettings, "acSettings", QT_TRANSLATE_NOOP("TMForm", "Settings"), nullptr, QStringLiteral("St"), tools);
    make(acCalc, "acCalc", QT_TRANSLATE_NOOP("TMForm", "RGB calculator"), nullptr, QStringLiteral("RGB"), tools);
    make(acPanelColors, "acPanelColors", QT_TRANSLATE_NOOP("TMForm", "Panel colours"), nullptr, QStringLiteral("565"), view);
    make(acPreviewSet, "acPreviewSet", QT_TRANSLATE_NOOP("TMForm", "Preview SD-card set..."), nullptr, QStringLiteral("Pv"),
         tools);
    acExit = new QAction(window);
    acExit->setObjectName(QStringLiteral("acExit"));
    actionTexts_.push_back({acExit, QT_TRANSLATE_NOOP("TMForm", "Exit"), nullptr});
    acAbout = new QAction(window);
    acAbout->setObjectName(QStringLiteral("acAbout"));
    actionTexts_.push_back({acAbout, QT_TRANSLATE_NOOP("TMForm", "About"), nullptr});

    for (QAction* a : {acCopyProp, acGetBkgColor, acGetFgColor, acShowOrder, acGrid, acPanelColors})
        a->setCheckable(true);
    pickGroup_ = new QActionGroup(window);
    pickGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction* a : {acCopyProp, acGetBkgColor, acGetFgColor})
        pickGroup_->addAction(a);

    ppElement = new QMenu(window);
    ppElement->setObjectName(QStringLiteral("ppElement"));
    ppProperties_ = ppElement->addAction(QString(), acShProp, &QAction::trigger);
    ppElement->addSeparator();
    ppToBack_ = ppElement->addAction(QString(), acToBack, &QAction::trigger);
    ppToFront_ = ppElement->addAction(QString(), acToFront, &QAction::trigger);

    CreateMenus(window);
    CreateToolBar(window);
}

void TMainActions::CreateMenus(QMainWindow* window)
{
    mnFile_ = window->menuBar()->addMenu(QString());
    mnFile_->addActions({acNew, acOpen, acSave, acGenerate});
    mnFile_->addSeparator();
    mnFile_->addAction(acExit);
    mnWork_ = window->menuBar()->addMenu(QString());
    mnWork_->addActions({acLoadBkg, acUnLoadBkg});
    mnWork_->addSeparator();
    mnWork_->addActions({acDelElement, acShProp, acCopyProp, acToFront, acToBack});
    mnSplash_ = window->menuBar()->addMenu(QString());
    mnSplash_->addActions({acLoadLCDbkg, acLoadGIF, acUnLoadGIF});
    mnPower_ = window->menuBar()->addMenu(QString());
    mnPower_->addAction(acLoadPWR);
    mnView_ = window->menuBar()->addMenu(QString());
    mnView_->addActions({acZoomIn, acZoomOut, acZoomOne});
    mnView_->addSeparator();
    mnView_->addActions({acShowOrder, acGrid, acPanelColors});
    window->menuBar()->addAction(QStringLiteral("|"))->setEnabled(false);
    mnTools_ = window->menuBar()->addMenu(QString());
    mnTools_->addActions({acSettings, acCalc});
    mnTools_->addSeparator();
    mnTools_->addActions({acPreviewSet, acDownload});
    window->menuBar()->addAction(acAbout);
}

void TMainActions::CreateToolBar(QMainWindow* window)
{
    QToolBar* bar = toolBar_ = window->addToolBar(QString());
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setIconSize(QSize(24, 24));
    auto gap = [bar] {
        auto* spacer = new QWidget(bar);
        spacer->setFixedWidth(8);
        bar->addWidget(spacer);
    };
    bar->addActions(
        {acNew, acOpen, acSave, acAddScreen, acDelScreen, acSCRleft, acSCRright, acGenerate, acDownload});
    gap();
    bar->addActions({acLoadBkg, acUnLoadBkg, acDelElement, acToBack, acToFront, acShProp, acCopyProp,
                     acGetBkgColor, acGetFgColor});
    gap();
    bar->addActions({acZoomIn, acZoomOut, acZoomOne, acShowOrder, acGrid});
    bar->addSeparator();
    bar->addActions({acLoadLCDbkg, acLoadGIF, acUnLoadGIF});
    gap();
    bar->addActions({acLoadPWR, acDelPWRelement});
    Panel2 = new QPushButton(bar);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setAutoFillBackground(true);
    bar->addWidget(Panel2);
    const std::pair<QAction*, const char*> named[] = {{acCopyProp, "btCopyProp"},
                                                      {acGetBkgColor, "btGetBkg"},
                                                      {acGetFgColor, "btGetFg"},
                                                      {acShowOrder, "btOrder"},
                                                      {acGrid, "btGrid"}};
    for (const auto& [action, name] : named)
        if (QWidget* button = bar->widgetForAction(action))
            button->setObjectName(QString::fromLatin1(name));
}

void TMainActions::RetranslateActions()
{
    const auto tr = [](const char* text) { return QCoreApplication::translate("TMForm", text); };
    for (const TActionText& t : actionTexts_) {
        const QString caption = tr(t.Caption);
        const QString hint = t.Hint ? tr(t.Hint) : caption;
        t.Action->setText(caption);
        t.Action->setToolTip(hint);
        t.Action->setStatusTip(hint);
    }
    mnFile_->setTitle(tr("File"));
    mnWork_->setTitle(tr("Work screen"));
    mnSplash_->setTitle(tr("Splash screen"));
    mnPower_->setTitle(tr("Power screen"));
    mnView_->setTitle(tr("View"));
    mnTools_->setTitle(tr("Tools"));
    toolBar_->setWindowTitle(tr("Tools"));
    ppProperties_->setText(tr("Properties"));
    ppToBack_->setText(tr("To back"));
    ppToFront_->setText(tr("To front"));
    Panel2->setText(tr("Time colors"));
    Panel2->setToolTip(tr("Time colors"));
}
