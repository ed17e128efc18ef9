// The main window's commands on the selected element (copy properties, colour picking, the status
// line), the about box, Generate and the download window, and their enabling rules.

#include "device/hidapilayer.h"
#include "dialogs/uabout.h"
#include "dialogs/udownload.h"
#include "document/edits.h"
#include "model/elementcommands.h"
#include "base/terror.h"
#include "base/datafolders.h"
#include "output/generate.h"
#include "widgets/colorbox.h"
#include "widgets/messages.h"
#include "ui/scrtab.h"
#include "ui/timegroup.h"
#include "ui/umain.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <memory>

void TMForm::StartUpWindowSide(THIDLayer* layer)
{
    if (!hooks_.GIFName)
        hooks_.GIFName = [this] {
            return RememberFolder(
                QFileDialog::getOpenFileName(this, tr("Animated GIF"), DialogFolder(), tr("GIF (*.gif)")));
        };
    if (!hooks_.PickColor)
        hooks_.PickColor = [this](const QColor& initial) { return QColorDialog::getColor(initial, this); };
    if (!hooks_.WarnWithCaption)
        hooks_.WarnWithCaption = [this](const QString& caption, const QString& text) {
            QMessageBox::warning(this, caption, text);
        };
    if (!hooks_.AskInfo)
        hooks_.AskInfo = [this](const QString& text) {
            return QMessageBox::information(this, msg::Info(), text, QMessageBox::Yes | QMessageBox::No) ==
                   QMessageBox::Yes;
        };
    if (!hooks_.OpenFolder)
        hooks_.OpenFolder = [](const QString& folder) {
            return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
        };
    if (!hooks_.ShowDownload)
        hooks_.ShowDownload = [this](TDownloadForm& form) {
            form.move(geometry().center() - form.rect().center());
            form.exec();
        };
    if (!hooks_.ShowAbout)
        hooks_.ShowAbout = [this](TAboutForm& form) {
            form.move(geometry().center() - form.rect().center());
            form.exec();
        };
    if (!hooks_.Beep)
        hooks_.Beep = [] { QApplication::beep(); };

    CreateSplashCommands();
    CreateEditingCommands();

    pbGenerate_ = new QProgressBar(this);
    pbGenerate_->setObjectName(QStringLiteral("pbGenerate"));
    pbGenerate_->setMaximumWidth(260);
    statusBar()->addPermanentWidget(pbGenerate_);
    statusBar()->hide();

    // Whoever remembers an element lets go of it before it is destroyed.
    connect(&project_.Screens(), &TLCDList::ScreenDestroying, this, [this](TLCD* screen) {
        if (copySource_ && copySource_->Screen == screen)
            copySource_ = nullptr;
        if (pickTarget_ && pickTarget_->Screen == screen)
            pickTarget_ = nullptr;
    });
    connect(&project_.PowerFail(), &TLCD::ElementDestroying, this, [this](TElement* e) { ForgetElement(e); });

    // The dialogs live for the whole run. The download window exists from the start, so that the
    // panel is found while the user is still designing.
    aboutForm_ = new TAboutForm(this);
    if (!layer) {
        auto* own = new THidapiLayer;
        downloadForm_ = new TDownloadForm(own, this);
        // The window's link goes before the layer it listens to.
        own->setParent(downloadForm_);
        layer = own;
    } else {
        downloadForm_ = new TDownloadForm(layer, this);
    }
    downloadForm_->SetBrowseFolder(downloadFolder_);
    layer->Start();

    connect(acGenerate, &QAction::triggered, this, [this] { GenerateCommand(); });
    connect(acDownload, &QAction::triggered, this, [this] { DownloadCommand(); });
    connect(acAbout, &QAction::triggered, this, [this] { hooks_.ShowAbout(*aboutForm_); });
}

void TMForm::ForgetElement(const TElement* element)
{
    if (copySource_ == element)
        copySource_ = nullptr;
    if (pickTarget_ == element)
        pickTarget_ = nullptr;
}

// --- copy properties and colour picking -----------------------------------------------------------

void TMForm::CreateEditingCommands()
{
    // The copy mode is acCopyProp's down state; the action itself does nothing.
    auto pick = [this](bool on) {
        TLCD* s = ActiveScreen();
        if (on) {
            pickTarget_ = s ? s->SelectedElement : nullptr;
            project_.Screens().SetCursor(Qt::CrossCursor);
        } else if (!acGetBkgColor->isChecked() && !acGetFgColor->isChecked()) {
            // Let up by the user: the mode ends without a colour.
            project_.Screens().SetCursor(Qt::ArrowCursor);
        }
    };
    connect(acGetBkgColor, &QAction::triggered, this, pick);
    connect(acGetFgColor, &QAction::triggered, this, pick);
}

void TMForm::EndCopyMode()
{
    acCopyProp->setChecked(false);
    copySource_ = nullptr;
}

void TMForm::EndPickMode()
{
    // The target has had its colour; keeping it would only be a reference to forget later.
    pickTarget_ = nullptr;
    project_.Screens().SetCursor(Qt::ArrowCursor);
    acGetBkgColor->setChecked(false);
    acGetFgColor->setChecked(false);
}

void TMForm::ElementSelected(TElement* element)
{
    Label2->setText(ElementStatusText(element));
    TLCD* active = ActiveScreen();
    TElement* selected = active ? active->SelectedElement : nullptr;
    if (!acCopyProp->isChecked()) {
        copySource_ = selected;
    } else if (copySource_ && selected && selected != copySource_) {
        bool copied = true;
        TElement* source = copySource_;
        ChangeElements(project_, *selected->Screen, {selected}, QT_TRANSLATE_NOOP("TProject", "Copy properties"),
                       [&] { copied = CopyProperties(*selected, *source, project_.Screens().Zoom); });
        if (!copied) {
            hooks_.Beep();
            return;
        }
        selected->Screen->Invalidate();
    }
    const bool pickMode = acGetBkgColor->isChecked() || acGetFgColor->isChecked();
    if (pickMode && element) {
        if (pickTarget_) {
            TElement* target = pickTarget_;
            ChangeElements(project_, *target->Screen, {target}, QT_TRANSLATE_NOOP("TProject", "Pick colour"), [&] {
                ApplyPickedColor(*target, element->PickedColor, acGetBkgColor->isChecked());
                project_.MarkModified();
            });
            pickTarget_->Screen->Invalidate();
        }
        EndPickMode();
    }
}

void TMForm::ScreenPressed(TLCD* screen)
{
    if (acCopyProp->isChecked())
        EndCopyMode();
    const bool pickMode = acGetBkgColor->isChecked() || acGetFgColor->isChecked();
    if (pickMode) {
        if (pickTarget_) {
            TElement* target = pickTarget_;
            ChangeElements(project_, *target->Screen, {target}, QT_TRANSLATE_NOOP("TProject", "Pick colour"), [&] {
                ApplyPickedColor(*target, screen->PickedColor, acGetBkgColor->isChecked());
                project_.MarkModified();
            });
            pickTarget_->Screen->Invalidate();
        }
        EndPickMode();
    }
    pickTarget_ = nullptr;
}

// --- enabling rules -------------------------------------------------------------------------------

void TMForm::UpdateWindowSideActions()
{
    TLCD* s = ActiveScreen();
    const bool selection = s && s->SelectedElement;
    for (QAction* a : {acCopyProp, acGetBkgColor, acGetFgColor})
        a->setEnabled(selection || a->isChecked());
    // A Generate in progress lets the window redraw between screens; it must not start again then.
    acGenerate->setEnabled(!generating_);
}

// --- Generate -------------------------------------------------------------------------------------

namespace {

// Runs work on a thread of its own while this thread keeps handling events other than user input,
// so that the window repaints and shows progress while the user's clicks and keys wait. Returns the
// text of the TError (or other exception) the work ended with; empty when it finished.
QString RunOffThread(const std::function<void()>& work)
{
    QString error;
    QEventLoop loop;
    std::unique_ptr<QThread> worker(QThread::create([&] {
        try {
            work();
        } catch (const TError& e) {
            error = e.Message();
        } catch (const std::exception& e) {
            error = QString::fromLocal8Bit(e.what());
        }
    }));
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    return error;
}

} // namespace

void TMForm::GenerateCommand()
{
    if (generating_)
        return;
    if (project_.FileName().isEmpty()) {
        hooks_.WarnWithCaption(msg::SaveBeforeGenerateCaption(), msg::SaveBeforeGenerate());
        return;
    }
    generating_ = true;
    acGenerate->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    pbGenerate_->setRange(0, project_.Screens().Count());
    pbGenerate_->setValue(0);
    statusBar()->show();

    if (TLCD* s = ActiveScreen())
        s->SelectElement(nullptr);
    Label2->setText(ElementStatusText(nullptr));

    const TGenerateJob job = project_.GenerateJob(ProgramResFolder());

    // Taking the files from the design is quick and stays on this thread, which owns the design;
    // encoding and writing them, the slow part, runs on another thread and touches none of it.
    QString out, error;
    try {
        const TGeneratePlan plan = PlanGenerate(job);
        out = plan.OutputFolder;
        ArrangeDesignArea(); // every screen is at zoom 1 now
        // Called on the writing thread; the window, which waits for that thread, outlives it.
        auto onScreen = [this](int index, int) {
            QMetaObject::invokeMethod(
                this,
                [this, index] {
                    // The page of the screen being written is shown, as the files follow it.
                    SetActivePage(index);
                    PageSwitch(index);
                    ArrangeDesignArea();
                    pbGenerate_->setValue(index + 1);
                },
                Qt::QueuedConnection);
        };
        error = RunOffThread([&plan, onScreen] { WriteGeneratePlan(plan, onScreen); });
    } catch (const TError& e) {
        error = e.Message();
    } catch (const std::exception& e) {
        error = QString::fromLocal8Bit(e.what());
    }
    // Whatever happened, the designer shows every screen at 100% with the grid as it was.
    ArrangeDesignArea();
    RefreshSplashPanel();
    statusBar()->hide();
    QApplication::restoreOverrideCursor();
    generating_ = false;
    acGenerate->setEnabled(true);

    if (!error.isEmpty()) {
        hooks_.ShowError(error);
    } else {
        WarnLostCharacters(true);
        if (hooks_.AskInfo(msg::FilesPrepared(out)) && !hooks_.OpenFolder(out))
            hooks_.Notice(msg::FolderNotOpened(out));
        downloadFolder_ = QDir::toNativeSeparators(out);
        lastOutput_ = out;
        downloadForm_->SetBrowseFolder(downloadFolder_);
    }
    // A close asked for while the files were written comes now.
    if (closeAfterGenerate_) {
        closeAfterGenerate_ = false;
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

// --- download -------------------------------------------------------------------------------------

void TMForm::DownloadCommand()
{
    downloadForm_->SetLanguageId(ActiveLanguage());
    downloadForm_->SetBrowseFolder(downloadFolder_);
    downloadForm_->SetDownloadFolder(downloadFolder_);
    hooks_.ShowDownload(*downloadForm_);
    // The window's folder dialog keeps the folder chosen last; it is what the next opening offers.
    downloadFolder_ = QDir::toNativeSeparators(downloadForm_->BrowseFolder());
}
