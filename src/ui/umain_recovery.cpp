// The main window's side of the recovery copies: the start-up question for the copies of designers
// no longer running, and the keeper of this designer's own copy.

#include "base/terror.h"
#include "document/recovery.h"
#include "ui/designersettings.h"
#include "ui/umain.h"
#include "widgets/messages.h"

#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

void TMForm::StartRecovery(const QString& folder)
{
    if (!hooks_.AskRestore)
        hooks_.AskRestore = [this](const QString& text) {
            QMessageBox box(QMessageBox::Warning, msg::Warning(), text, QMessageBox::NoButton, this);
            QPushButton* restore = box.addButton(msg::RestoreButton(), QMessageBox::AcceptRole);
            box.addButton(msg::DiscardButton(), QMessageBox::DestructiveRole);
            box.setDefaultButton(restore);
            box.exec();
            return box.clickedButton() == restore;
        };
    const int interval = TDesignerSettings::Read(settings_, programFolder_).Autosave;

    std::unique_ptr<TRecovery> recovery;
    try {
        recovery = std::make_unique<TRecovery>(folder.isEmpty() ? TRecovery::DefaultFolder() : folder);
    } catch (const TError& e) {
        hooks_.ShowError(e.Message());
        return;
    }
    autosave_ = new TAutosave(project_, std::move(recovery), interval, this);
    TRecovery& session = autosave_->Recovery();

    for (const TRecoveryCopy& copy : session.Orphans()) {
        const QString written = QLocale::c().toString(copy.Written, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!hooks_.AskRestore(msg::RecoveryFound(QDir::toNativeSeparators(copy.ProjectFile), written))) {
            session.Discard(copy);
            continue;
        }
        QByteArray bytes;
        try {
            bytes = TRecovery::ReadCopy(copy);
        } catch (const TError& e) {
            hooks_.ShowError(e.Message()); // the copy stays for another look
            continue;
        }
        const bool restored = LoadIntoWindow(copy.ProjectFile, [&](const TLoadSteps& steps) {
            return project_.OpenRecovered(bytes, copy.ProjectFile, copy.Form, steps);
        });
        if (!restored)
            continue;
        if (TLCD* s = ActiveScreen()) {
            s->SelectElement(nullptr);
            s->Invalidate();
        }
        StatusLine(nullptr);
        project_.SetModified(true);
        // The restored work is in this designer's own copy before the old one goes; with copies off
        // the old one stays until the project is saved.
        if (interval > 0) {
            try {
                session.Write(project_);
                session.Discard(copy);
            } catch (const TError&) {
            }
        }
        // One project is open at a time: the other copies wait for the next start.
        break;
    }
    autosave_->Start();
}
