#include "document/tproject.h"

#include "base/terror.h"
#include "output/generate.h"
#include "project/jsonproject.h"

#include <QFileInfo>

#include <algorithm>

TProject::TProject(QObject* parent) : QObject(parent)
{
    // No work screen yet: the window adds the first with its page, a headless command opens a file.
    powerFail_.Background = BuiltInPowerFailPicture();

    // The splash screen and the animation belong to no screen; their changes count as the list's.
    splash_.OnModified = [this] { list_.SetModified(true); };
    animation_.OnModified = [this] { list_.SetModified(true); };
    connect(&list_, &TLCDList::ModifiedChanged, this, &TProject::Recount);
    connect(&powerFail_, &TLCD::ModifiedChanged, this, &TProject::Recount);
    connect(&list_, &TLCDList::Marked, this, &TProject::NoteChange);
    connect(&powerFail_, &TLCD::Marked, this, &TProject::NoteChange);
    connect(&undo_, &QUndoStack::cleanChanged, this, &TProject::StackCleanChanged);
    undo_.setUndoLimit(DefaultUndoLimit);
}

TProject::~TProject()
{
    // The window's handlers may still point at the screens; none of them is called from here on.
    splash_.OnModified = nullptr;
    animation_.OnModified = nullptr;
    disconnect(&list_, nullptr, this, nullptr);
    disconnect(&powerFail_, nullptr, this, nullptr);
    disconnect(&undo_, nullptr, this, nullptr);
    // The commands go first, while the screens they name are still there.
    undo_.clear();
}

void TProject::Recount()
{
    const bool now = list_.Modified || powerFail_.Modified;
    if (now == modified_)
        return;
    modified_ = now;
    emit ModifiedChanged(now);
}

void TProject::SetModified(bool on)
{
    if (on) {
        undo_.resetClean();
        list_.SetModified(true);
        powerFail_.SetModified(true);
    } else {
        undo_.setClean();
        list_.SetModified(false);
        powerFail_.SetModified(false);
    }
    Recount();
}

void TProject::NoteChange()
{
    // A change no command records: undo cannot lead back to the saved state any more.
    if (editDepth_ == 0)
        undo_.resetClean();
}

void TProject::StackCleanChanged(bool clean)
{
    if (clean) {
        list_.SetModified(false);
        powerFail_.SetModified(false);
    } else {
        // A step away from the saved state is a change, even one whose edit marks no flag (the
        // clock's digit size); such a change belongs to no screen, so it counts as the list's.
        const TEdit edit(*this);
        if (!list_.Modified && !powerFail_.Modified)
            list_.SetModified(true);
    }
    Recount();
}

void TProject::SetUndoLimit(int limit)
{
    limit = qMax(0, limit);
    if (limit == undo_.undoLimit())
        return;
    const bool wasModified = modified_;
    undo_.clear();
    undo_.setUndoLimit(limit);
    if (wasModified)
        SetModified(true);
}

TLCD* TProject::ScreenAt(int index)
{
    if (index == PowerFailIndex)
        return &powerFail_;
    return index >= 0 && index < list_.Count() ? list_.Items(index) : nullptr;
}

TLCD* TProject::MakeScreen(int index)
{
    index = std::clamp(index, 0, list_.Count());
    if (InsertScreen)
        return InsertScreen(index);
    TLCD* screen = list_.AddScreen(240, 320);
    screen->SetZoom(list_.Zoom);
    screen->GridStep = list_.GridStep;
    screen->ShowGrid = list_.ShowGrid;
    screen->SetShowOrder(list_.ShowOrder);
    list_.MoveScreen(list_.Count() - 1, index);
    return screen;
}

void TProject::DropScreen(TLCD* screen)
{
    if (RemoveScreen)
        RemoveScreen(screen);
    else
        list_.DeleteScreen(screen);
}

void TProject::MoveScreen(int from, int to)
{
    if (ReorderScreen)
        ReorderScreen(from, to);
    else
        list_.MoveScreen(from, to);
}

int TProject::IndexOfScreen(const TLCD* screen) const
{
    if (screen == &powerFail_)
        return PowerFailIndex;
    const int index = list_.IndexOf(screen);
    return index >= 0 ? index : -2;
}

void TProject::New(const std::function<void(TLCD* screen)>& removeScreen)
{
    while (list_.Count() > 1) {
        TLCD* last = list_.Items(list_.Count() - 1);
        if (removeScreen)
            removeScreen(last);
        else
            list_.DeleteScreen(last);
    }
    fileName_.clear();
    form_ = TProjectForm::Binary;
    {
        // Emptying the stack is no change of the design: whether it counts as modified stays.
        const bool wasModified = modified_;
        undo_.clear();
        if (wasModified)
            SetModified(true);
    }
    if (list_.Count() == 0)
        return;
    TLCD* first = list_.Items(0);
    first->Clear();
    first->BackgroundColor = 0xFFFFFF;
    first->Invalidate();
    first->SelectElement(nullptr);
}

TProject::TOpenResult TProject::Open(const QString& fileName, const TLoadSteps& steps)
{
    TOpenResult result;
    static_cast<TLoadResult&>(result) = LoadProject(fileName, list_, powerFail_, steps);
    Opened(result, fileName);
    SetModified(result.Relinked);
    return result;
}

TProject::TOpenResult TProject::OpenRecovered(const QByteArray& lcd, const QString& projectFile,
                                              TProjectForm form, const TLoadSteps& steps)
{
    TOpenResult result;
    const QFileInfo project(projectFile);
    static_cast<TLoadResult&>(result) = LoadProjectBytes(
        lcd, projectFile.isEmpty() ? tr("the recovery copy") : project.absoluteFilePath(), list_, powerFail_,
        steps, projectFile.isEmpty() ? QString() : project.absolutePath());
    result.Form = form;
    Opened(result, projectFile);
    SetModified(true);
    return result;
}

void TProject::Opened(TOpenResult& result, const QString& fileName)
{
    fileName_ = fileName;
    form_ = result.Form;
    // A power-fail screen without a picture of its own shows the built-in one, in the window and in
    // what Generate writes alike.
    if (powerFail_.BackgroundFile.isEmpty())
        powerFail_.Background = BuiltInPowerFailPicture();
    if (list_.Count() > 0)
        splash_.SetScreenSize(list_.Items(0)->Landscape ? QSize(320, 240) : QSize(240, 320));
    try {
        ApplySplashSettings(result.Splash, splash_, animation_, result.GifPath);
    } catch (const TError& e) {
        result.AnimationError = e.Message();
    }
    if (splash_.ClockShown())
        splash_.PickClockBackColor(ClockField::Hours);
    undo_.clear();
}

void TProject::Save(const QString& fileName)
{
    if (form_ == TProjectForm::Json)
        SaveProjectJson(fileName, list_, powerFail_, GatherSplash());
    else
        SaveProject(fileName, list_, powerFail_, GatherSplash());
    fileName_ = fileName;
    undo_.setClean();
    Recount();
}

TGenerateJob TProject::GenerateJob(const QString& resFolder, const QString& outputFolder)
{
    TGenerateJob job;
    job.ProjectFile = fileName_;
    job.OutputFolder = outputFolder;
    job.ResFolder = resFolder;
    job.Screens = &list_;
    job.PowerFail = &powerFail_;
    job.Splash = &splash_;
    job.Animation = &animation_;
    return job;
}
