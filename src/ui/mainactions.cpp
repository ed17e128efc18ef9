#include "ui/mainactions.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QIcon>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>

namespace {

// The desktop's icon where its theme has one by this name, ours otherwise; ours are drawn for the
// commands no theme names.
QIcon ActionIcon(const char* icon, const char* theme)
{
    if (!icon)
        return {};
    const QIcon own(QStringLiteral(":/icons/actions/%1.svg").arg(QLatin1String(icon)));
    return theme ? QIcon::fromTheme(QLatin1String(theme), own) : own;
}

} // namespace

void TMainActions::CreateActions(QMainWindow* window)
{
    auto make = [this, window](QAction*& action, const char* name, const char* caption, const char* hint,
                               const char* icon, const char* theme) {
        action = new QAction(ActionIcon(icon, theme), QString(), window);
        action->setObjectName(QString::fromLatin1(name));
        actionTexts_.push_back({action, caption, hint});
    };
    make(acNew, "acNew", QT_TRANSLATE_NOOP("TMForm", "New project"), QT_TRANSLATE_NOOP("TMForm", "New"),
         "new", "document-new");
    make(acOpen, "acOpen", QT_TRANSLATE_NOOP("TMForm", "Open project"), QT_TRANSLATE_NOOP("TMForm", "Open"),
         "open", "document-open");
    make(acSave, "acSave", QT_TRANSLATE_NOOP("TMForm", "Save project"), QT_TRANSLATE_NOOP("TMForm", "Save"),
         "save", "document-save");
    make(acSaveAs, "acSaveAs", QT_TRANSLATE_NOOP("TMForm", "Save project as..."), nullptr, "saveas",
         "document-save-as");
    make(acGenerate, "acGenerate", QT_TRANSLATE_NOOP("TMForm", "Generate"), nullptr, "generate", nullptr);
    make(acDownload, "acDownload", QT_TRANSLATE_NOOP("TMForm", "Download to MCU"), nullptr, "download",
         nullptr);
    make(acAddScreen, "acAddScreen", QT_TRANSLATE_NOOP("TMForm", "Add screen"), nullptr, "addscreen",
         nullptr);
    make(acDelScreen, "acDelScreen", QT_TRANSLATE_NOOP("TMForm", "Delete screen"), nullptr, "delscreen",
         nullptr);
    make(acSCRleft, "acSCRleft", QT_TRANSLATE_NOOP("TMForm", "Move left"),
         QT_TRANSLATE_NOOP("TMForm", "Move screen left"), "left", nullptr);
    make(acSCRright, "acSCRright", QT_TRANSLATE_NOOP("TMForm", "Move right"),
         QT_TRANSLATE_NOOP("TMForm", "Move screen right"), "right", nullptr);
    make(acLoadBkg, "acLoadBkg", QT_TRANSLATE_NOOP("TMForm", "Load background"), nullptr, "loadbkg", nullptr);
    make(acUnLoadBkg, "acUnLoadBkg", QT_TRANSLATE_NOOP("TMForm", "Clear background"), nullptr, "clearbkg",
         nullptr);
    make(acDelElement, "acDelElement", QT_TRANSLATE_NOOP("TMForm", "Delete element"), nullptr, "delete",
         "edit-delete");
    make(acToBack, "acToBack", QT_TRANSLATE_NOOP("TMForm", "To back"), nullptr, "toback", nullptr);
    make(acToFront, "acToFront", QT_TRANSLATE_NOOP("TMForm", "To front"), nullptr, "tofront", nullptr);
    make(acShProp, "acShProp", QT_TRANSLATE_NOOP("TMForm", "Element properties"), nullptr, "properties",
         "document-properties");
    make(acCopyProp, "acCopyProp", QT_TRANSLATE_NOOP("TMForm", "Copy properties"), nullptr, "copyprop",
         nullptr);
    make(acGetBkgColor, "acGetBkgColor", QT_TRANSLATE_NOOP("TMForm", "Get background color"), nullptr,
         "pickbkg", nullptr);
    make(acGetFgColor, "acGetFgColor", QT_TRANSLATE_NOOP("TMForm", "Get foreground color"), nullptr, "pickfg",
         nullptr);
    make(acZoomIn, "acZoomIn", QT_TRANSLATE_NOOP("TMForm", "Zoom in"), nullptr, "zoomin", "zoom-in");
    make(acZoomOut, "acZoomOut", QT_TRANSLATE_NOOP("TMForm", "Zoom out"), nullptr, "zoomout", "zoom-out");
    make(acZoomOne, "acZoomOne", QT_TRANSLATE_NOOP("TMForm", "100%"), nullptr, "zoomone", "zoom-original");
    make(acShowOrder, "acShowOrder", QT_TRANSLATE_NOOP("TMForm", "Show elements order"), nullptr, "order",
         nullptr);
    make(acGrid, "acGrid", QT_TRANSLATE_NOOP("TMForm", "Grid"), nullptr, "grid", nullptr);
    make(acLoadLCDbkg, "acLoadLCDbkg", QT_TRANSLATE_NOOP("TMForm", "Load splash image"), nullptr, "splash",
         nullptr);
    make(acLoadGIF, "acLoadGIF", QT_TRANSLATE_NOOP("TMForm", "Load animated GIF"), nullptr, "gif", nullptr);
    make(acUnLoadGIF, "acUnLoadGIF", QT_TRANSLATE_NOOP("TMForm", "Clear animated GIF"), nullptr, "cleargif",
         nullptr);
    make(acLoadPWR, "acLoadPWR", QT_TRANSLATE_NOOP("TMForm", "Load power screen image"), nullptr,
         "powerscreen", nullptr);
    make(acDelPWRelement, "acDelPWRelement", QT_TRANSLATE_NOOP("TMForm", "Delete Power fail DRO"), nullptr,
         "delpower", nullptr);
    make(acSettings, "acSettings", QT_TRANSLATE_NOOP("TMForm", "Settings"), nullptr, "settings",
         "preferences-system");
    make(acCalc, "acCalc", QT_TRANSLATE_NOOP("TMForm", "RGB calculator"), nullptr, "calc",
         "accessories-calculator");
    make(acPanelColors, "acPanelColors", QT_TRANSLATE_NOOP("TMForm", "Panel colours"), nullptr, "panelcolors",
         nullptr);
    make(acPreviewSet, "acPreviewSet", QT_TRANSLATE_NOOP("TMForm", "Preview SD-card set..."), nullptr,
         "preview", nullptr);
    make(acNextPage, "acNextPage", QT_TRANSLATE_NOOP("TMForm", "Next screen"), nullptr, "right", "go-next");
    make(acPrevPage, "acPrevPage", QT_TRANSLATE_NOOP("TMForm", "Previous screen"), nullptr, "left",
         "go-previous");
    make(acSelectAll, "acSelectAll", QT_TRANSLATE_NOOP("TMForm", "Select all"),
         QT_TRANSLATE_NOOP("TMForm", "Select every element of the screen"), nullptr, nullptr);
    make(acDeselect, "acDeselect", QT_TRANSLATE_NOOP("TMForm", "Deselect"),
         QT_TRANSLATE_NOOP("TMForm", "Clear the selection"), nullptr, nullptr);
    make(acExit, "acExit", QT_TRANSLATE_NOOP("TMForm", "Exit"), nullptr, "exit", "application-exit");
    make(acCut, "acCut", QT_TRANSLATE_NOOP("TMForm", "Cut"),
         QT_TRANSLATE_NOOP("TMForm", "Cut the selected elements"), "cut", "edit-cut");
    make(acCopy, "acCopy", QT_TRANSLATE_NOOP("TMForm", "Copy"),
         QT_TRANSLATE_NOOP("TMForm", "Copy the selected elements"), "copy", "edit-copy");
    make(acPaste, "acPaste", QT_TRANSLATE_NOOP("TMForm", "Paste"),
         QT_TRANSLATE_NOOP("TMForm", "Paste elements on the screen"), "paste", "edit-paste");
    make(acDuplicate, "acDuplicate", QT_TRANSLATE_NOOP("TMForm", "Duplicate"),
         QT_TRANSLATE_NOOP("TMForm", "Duplicate the selected elements"), "duplicate", nullptr);
    // The menu bar shows About by its name.
    make(acAbout, "acAbout", QT_TRANSLATE_NOOP("TMForm", "About"), nullptr, nullptr, nullptr);

    // Standard keys where the desktop has one, so that they are the ones the user knows.
    acNew->setShortcut(QKeySequence::New);
    acOpen->setShortcut(QKeySequence::Open);
    acSave->setShortcut(QKeySequence::Save);
    acSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    acExit->setShortcut(QKeySequence::Quit);
    acDelElement->setShortcut(QKeySequence::Delete);
    acZoomIn->setShortcuts({QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    acZoomOut->setShortcut(QKeySequence::ZoomOut);
    acZoomOne->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    acGenerate->setShortcut(QKeySequence(Qt::Key_F9));
    acDownload->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F9));
    acShProp->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Return), QKeySequence(Qt::ALT | Qt::Key_Enter)});
    acNextPage->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    acPrevPage->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    acGrid->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    acSelectAll->setShortcut(QKeySequence::SelectAll);
    acDeselect->setShortcut(QKeySequence(Qt::Key_Escape));
    acCut->setShortcut(QKeySequence::Cut);
    acCopy->setShortcut(QKeySequence::Copy);
    acPaste->setShortcut(QKeySequence::Paste);
    acDuplicate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));

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
    ppElement->addSeparator();
    ppElement->addActions({acCut, acCopy, acPaste, acDuplicate});

    CreateMenus(window);
    CreateToolBar(window);
}

void TMainActions::CreateMenus(QMainWindow* window)
{
    mnFile_ = window->menuBar()->addMenu(QString());
    mnFile_->addActions({acNew, acOpen});
    mnRecent_ = mnFile_->addMenu(QString());
    mnRecent_->setObjectName(QStringLiteral("mnRecent"));
    mnFile_->addActions({acSave, acSaveAs});
    mnFile_->addSeparator();
    mnFile_->addActions({acGenerate, acDownload});
    mnFile_->addSeparator();
    mnFile_->addAction(acExit);
    mnEdit_ = window->menuBar()->addMenu(QString());
    mnEdit_->setObjectName(QStringLiteral("mnEdit"));
    mnWork_ = window->menuBar()->addMenu(QString());
    mnWork_->addActions({acAddScreen, acDelScreen, acSCRleft, acSCRright});
    mnWork_->addSeparator();
    mnWork_->addActions({acLoadBkg, acUnLoadBkg});
    mnWork_->addSeparator();
    mnWork_->addActions(
        {acDelElement, acShProp, acCopyProp, acGetBkgColor, acGetFgColor, acToFront, acToBack});
    mnSplash_ = window->menuBar()->addMenu(QString());
    mnSplash_->addActions({acLoadLCDbkg, acLoadGIF, acUnLoadGIF});
    mnPower_ = window->menuBar()->addMenu(QString());
    mnPower_->addActions({acLoadPWR, acDelPWRelement});
    mnView_ = window->menuBar()->addMenu(QString());
    mnView_->addActions({acZoomIn, acZoomOut, acZoomOne});
    mnView_->addSeparator();
    mnView_->addActions({acNextPage, acPrevPage});
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
    // Two rows, so that every command shows at the window's default width, none behind "»".
    auto make = [window](const char* name) {
        QToolBar* bar = window->addToolBar(QString());
        bar->setObjectName(QString::fromLatin1(name));
        bar->setMovable(false);
        bar->setIconSize(QSize(24, 24));
        return bar;
    };
    toolBar_ = make("ToolBar1");
    toolBar_->addActions({acNew, acOpen, acSave, acGenerate, acDownload});
    toolBar_->addSeparator();
    toolBar_->addActions({acAddScreen, acDelScreen, acSCRleft, acSCRright});
    toolBar_->addSeparator();
    toolBar_->addActions({acZoomIn, acZoomOut, acZoomOne, acShowOrder, acGrid, acPanelColors});
    toolBar_->addSeparator();
    toolBar_->addActions({acCut, acCopy, acPaste, acDuplicate});
    window->addToolBarBreak();
    editBar_ = make("ToolBar2");
    editBar_->addActions({acLoadBkg, acUnLoadBkg, acDelElement, acToBack, acToFront, acShProp, acCopyProp,
                          acGetBkgColor, acGetFgColor});
    editBar_->addSeparator();
    editBar_->addActions({acLoadLCDbkg, acLoadGIF, acUnLoadGIF});
    Panel2 = new QPushButton(editBar_);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setAutoFillBackground(true);
    editBar_->addWidget(Panel2);
    editBar_->addSeparator();
    editBar_->addActions({acLoadPWR, acDelPWRelement});
    const std::pair<QAction*, const char*> named[] = {{acCopyProp, "btCopyProp"},
                                                      {acGetBkgColor, "btGetBkg"},
                                                      {acGetFgColor, "btGetFg"},
                                                      {acShowOrder, "btOrder"},
                                                      {acGrid, "btGrid"}};
    for (const auto& [action, name] : named)
        for (QToolBar* bar : {toolBar_, editBar_})
            if (QWidget* button = bar->widgetForAction(action))
                button->setObjectName(QString::fromLatin1(name));
}

void TMainActions::RetranslateActions()
{
    for (const TActionText& t : actionTexts_) {
        const QString caption = QCoreApplication::translate("TMForm", t.Caption);
        const QString hint = t.Hint ? QCoreApplication::translate("TMForm", t.Hint) : caption;
        t.Action->setText(caption);
        // The tool tip names the key too: it is where a user of the tool bar learns it.
        const QKeySequence key = t.Action->shortcut();
        t.Action->setToolTip(
            key.isEmpty() ? hint
                          : QStringLiteral("%1 (%2)").arg(hint, key.toString(QKeySequence::NativeText)));
        t.Action->setStatusTip(hint);
    }
    mnFile_->setTitle(QCoreApplication::translate("TMForm", "File"));
    mnEdit_->setTitle(QCoreApplication::translate("TMForm", "Edit"));
    mnWork_->setTitle(QCoreApplication::translate("TMForm", "Work screen"));
    mnSplash_->setTitle(QCoreApplication::translate("TMForm", "Splash screen"));
    mnPower_->setTitle(QCoreApplication::translate("TMForm", "Power screen"));
    mnView_->setTitle(QCoreApplication::translate("TMForm", "View"));
    mnTools_->setTitle(QCoreApplication::translate("TMForm", "Tools"));
    toolBar_->setWindowTitle(QCoreApplication::translate("TMForm", "Tools"));
    editBar_->setWindowTitle(QCoreApplication::translate("TMForm", "Elements"));
    mnRecent_->setTitle(QCoreApplication::translate("TMForm", "Recent projects"));
    ppProperties_->setText(QCoreApplication::translate("TMForm", "Properties"));
    ppToBack_->setText(QCoreApplication::translate("TMForm", "To back"));
    ppToFront_->setText(QCoreApplication::translate("TMForm", "To front"));
    Panel2->setText(QCoreApplication::translate("TMForm", "Time colors"));
    Panel2->setToolTip(QCoreApplication::translate("TMForm", "Time colors"));
}
