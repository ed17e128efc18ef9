#pragma once

// The open project: its work screens, the power-fail screen, the splash screen and its animation,
// and the file it came from. The designer's window and the headless tool each hold one; every
// change of the design is made on what it owns, and every change reaches its one ModifiedChanged
// signal, so that whoever shows "modified" (and later the undo stack and the recovery copy) listens
// in one place.

#include "model/tlcd.h"
#include "model/tlcdlist.h"
#include "output/animation.h"
#include "output/generate.h"
#include "output/splash.h"
#include "project/lcdfile.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUndoStack>
#include <functional>

// Undo steps kept unless the settings say otherwise.
inline constexpr int DefaultUndoLimit = 500;

class TProject : public QObject
{
    Q_OBJECT

  public:
    explicit TProject(QObject* parent = nullptr);
    ~TProject() override;

    TLCDList& Screens() { return list_; }
    const TLCDList& Screens() const { return list_; }
    TLCD& PowerFail() { return powerFail_; }
    const TLCD& PowerFail() const { return powerFail_; }
    TSplash& Splash() { return splash_; }
    const TSplash& Splash() const { return splash_; }
    TAnimation& Animation() { return animation_; }
    const TAnimation& Animation() const { return animation_; }

    // The project file; empty for a project never saved.
    const QString& FileName() const { return fileName_; }
    void SetFileName(const QString& fileName) { fileName_ = fileName; }
    // The form Save writes: the one the project was opened in, or set for a new file.
    TProjectForm Form() const { return form_; }
    void SetForm(TProjectForm form) { form_ = form; }

    // Whether the design differs from its file: any work screen, the list, the power-fail screen, the
    // splash settings or the animation changed since the last open, save or SetModified(false).
    // Undoing or redoing back to the saved state makes it unmodified again; a change made outside the
    // undo stack (see TEdit) means the saved state can no longer be reached that way.
    bool Modified() const { return modified_; }
    // True: the design counts as changed and the saved state as unreachable by undo; false: the
    // design as it stands is the saved state.
    void SetModified(bool on);
    // A change that belongs to no single screen (a page added, the splash settings) counts as the
    // list's, as the project file's readers have always seen it.
    void MarkModified() { list_.SetModified(true); }

    // The splash settings as the project header holds them.
    SplashSettings GatherSplash() const { return GatherSplashSettings(splash_, animation_); }

    // Empties the project as the New command does: every work screen but the first is removed through
    // `removeScreen` (by default the list's DeleteScreen; the window removes the page with it), the
    // first is emptied on a white background, and the project has no file name.
    void New(const std::function<void(TLCD* screen)>& removeScreen = {});

    struct TOpenResult : TLoadResult
    {
        // Why the animation the project names could not be loaded; empty when it was, or none is named.
        QString AnimationError;
    };

    // Reads `fileName` (refused whole with TError, the project untouched, when it is damaged), then
    // replaces the work screens through `steps`, gives the splash screen the first work screen's size,
    // applies the splash settings as an open does and, with the clock shown, picks the clock
    // background colour under the hours field. The file becomes the project's, and the project counts
    // as modified exactly when a picture had to be asked for. A GIF that cannot be decoded leaves the
    // animation as it was and is reported in AnimationError; the rest of the project is loaded.
    TOpenResult Open(const QString& fileName, const TLoadSteps& steps = {});

    // Opens a recovery copy (the bytes of a project file) as the project `projectFile` it was made of
    // (empty for one never saved), as Open does that file: the project takes its name and `form`, and
    // counts as modified, so that Save writes the project file. TError when the copy is damaged.
    TOpenResult OpenRecovered(const QByteArray& lcd, const QString& projectFile, TProjectForm form,
                              const TLoadSteps& steps = {});

    // Saves atomically to `fileName` in Form(); on success it becomes the project's file and the project is
    // unmodified. TError on failure, nothing changed.
    void Save(const QString& fileName);

    // --- undo ------------------------------------------------------------------------------------
    // Every change of the design that can be undone is a command on this stack; the commands find
    // their screens by ScreenAt, so the stack is emptied whenever the screens change in another way
    // (open, new).
    QUndoStack& UndoStack() { return undo_; }
    // Sets how many steps are kept (0: no limit); empties the stack when it holds any.
    void SetUndoLimit(int limit);

    // While one lives, changes of the design are being made for a command about to be pushed (or by
    // a command's undo or redo) and keep the saved state reachable. Nested scopes are fine.
    class TEdit
    {
      public:
        explicit TEdit(TProject& project) : project_(project) { ++project_.editDepth_; }
        ~TEdit() { --project_.editDepth_; }
        TEdit(const TEdit&) = delete;
        TEdit& operator=(const TEdit&) = delete;

      private:
        TProject& project_;
    };

    // The screen of a command: a work screen by page index, the power-fail screen for PowerFailIndex;
    // null for an index that names none.
    static constexpr int PowerFailIndex = -1;
    TLCD* ScreenAt(int index);
    // The index ScreenAt takes for `screen`; -2 for a screen of no part of this project.
    int IndexOfScreen(const TLCD* screen) const;

    // How a work screen is put in at page `index` and taken away when a command adds or removes one:
    // the window keeps a page per screen. By default the list adds (at the list's zoom, grid and order
    // switches) and deletes it.
    std::function<TLCD*(int index)> InsertScreen;
    std::function<void(TLCD* screen)> RemoveScreen;
    // The same for a page moved from one place to another; by default the list moves it.
    std::function<void(int from, int to)> ReorderScreen;
    // Through those.
    TLCD* MakeScreen(int index);
    void DropScreen(TLCD* screen);
    void MoveScreen(int from, int to);

    // The Generate job for this project, with the output folder named after the project file unless
    // `outputFolder` is given.
    TGenerateJob GenerateJob(const QString& resFolder, const QString& outputFolder = {});

  signals:
    void ModifiedChanged(bool modified);
    // A step was undone or redone: whoever shows the design beyond its screens' views (the budget,
    // the layout switch, the clock controls) shows it again.
    void StepReplayed();

  private:
    void Recount();
    void Opened(TOpenResult& result, const QString& fileName);
    void NoteChange();
    void StackCleanChanged(bool clean);

    TLCDList list_;
    TLCD powerFail_;
    TSplash splash_;
    TAnimation animation_;
    QString fileName_;
    TProjectForm form_ = TProjectForm::Binary;
    bool modified_ = false;
    QUndoStack undo_;
    int editDepth_ = 0;
};
