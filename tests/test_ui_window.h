#pragma once

// A main window on a temporary INI file and a virtual panel, whose questions, dialogs and desktop
// calls are answered by the test and recorded. Shared by the window's command tests.

#include "device/virtualpanel.h"
#include "model/telement.h"
#include "testutil.h"
#include "uitest_drop.h"
#include "widgets/messages.h"
#include "ui/paletteitem.h"
#include "ui/scrtab.h"
#include "ui/umain.h"

#include <QAction>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class WindowTest : public testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(sd.isValid());
        SetActiveLanguage(LangEnglish);
        panel = layer.Plug(sd.path());
    }
    void TearDown() override
    {
        form.reset();
        SetActiveLanguage(LangEnglish);
    }

    TMForm& Make()
    {
        TFormOptions o;
        o.LanguageFolders = languageFolders;
        o.IniPath = dir.filePath(QStringLiteral("designer.ini"));
        o.RecoveryFolder = recoveryDir.path(); // copies of this test only
        o.HIDLayer = &layer;
        o.Hooks.AskYesNo = [this](const QString& text) {
            questions << text;
            return false;
        };
        o.Hooks.AskSave = [this](const QString& text) {
            questions << text;
            return saveAnswer;
        };
        o.Hooks.Notice = [this](const QString& text) { warnings << text; };
        o.Hooks.ShowError = [this](const QString& text) { errors << text; };
        o.Hooks.PictureName = [this](const QString&) { return pictureName; };
        o.Hooks.GIFName = [this] { return gifName; };
        o.Hooks.PickColor = [this](const QColor&) { return pickedColour; };
        o.Hooks.WarnWithCaption = [this](const QString& caption, const QString& text) {
            warnings << caption + QStringLiteral(": ") + text;
        };
        o.Hooks.AskInfo = [this](const QString& text) {
            infos << text;
            return openFolderAnswer;
        };
        o.Hooks.OpenFolder = [this](const QString& folder) {
            openedFolders << folder;
            return desktopOpensFolders;
        };
        o.Hooks.ShowDownload = [this](TDownloadForm& f) {
            if (downloadShown)
                downloadShown(f);
        };
        o.Hooks.ShowAbout = [this](TAboutForm& f) {
            if (aboutShown)
                aboutShown(f);
        };
        o.Hooks.Beep = [this] { ++beeps; };
        form = std::make_unique<TMForm>(std::move(o));
        Settle();
        return *form;
    }

    static void Settle()
    {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }

    template <typename T> T* Find(const char* name) const
    {
        T* w = form->findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    TScreenView* View(int page) const { return form->Page(page)->View; }
    QString Status() const { return Find<QLabel>("Label2")->text(); }

    // Runs an action as the user can: only while the enabling rules, evaluated at idle, allow it.
    static bool Run(TMForm& f, QAction* action)
    {
        f.UpdateActions();
        if (!action->isEnabled())
            return false;
        action->trigger();
        return true;
    }

    static bool Drop(QWidget* view, int kind, QPoint at) { return DropPaletteItem(view, kind, at); }

    // A left-button drag on a widget, with points in its own coordinates at each step (the widget
    // may move in between, as a dragged control does).
    static void Mouse(QWidget* w, QEvent::Type type, QPoint at)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &e);
    }

    // Saves the project under a name, so that Generate has an output folder.
    QString SaveAs(TMForm& f, const QString& name)
    {
        QString file = dir.filePath(name);
        TFormHooks& h = f.Hooks();
        h.SaveProjectName = [file] { return file; };
        f.SaveProjectCommand();
        return file;
    }

    QTemporaryDir dir;
    QTemporaryDir recoveryDir; // beside the test's folder, which tests look into
    QTemporaryDir sd;
    TVirtualHIDLayer layer;
    TVirtualPanel* panel = nullptr;
    std::unique_ptr<TMForm> form;
    // Where the window looks for language files: nowhere, so English only, unless a test says.
    QStringList languageFolders;

    QStringList questions, warnings, errors, infos, openedFolders;
    QString pictureName, gifName;
    QColor pickedColour;
    bool openFolderAnswer = false;
    bool desktopOpensFolders = true;
    TSaveAnswer saveAnswer = TSaveAnswer::Discard;
    int beeps = 0;
    std::function<void(TDownloadForm&)> downloadShown;
    std::function<void(TAboutForm&)> aboutShown;
};
