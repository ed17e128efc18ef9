// The main window's view of the panel's side: "Panel colours" and "Preview SD-card set".

#include "widgets/colorbox.h"
#include "ui/screenview.h"
#include "ui/umain.h"
#include "ui/upreview.h"

#include <QAction>
#include <QDir>

void TMForm::CreatePreviewCommands()
{
    if (!hooks_.ShowPreview)
        hooks_.ShowPreview = [](TPreviewForm& form) {
            form.show();
            form.raise();
            form.activateWindow();
        };
    connect(acPanelColors, &QAction::toggled, this, [this](bool on) { SetPanelColours(on); });
    connect(acPreviewSet, &QAction::triggered, this, [this] { PreviewSetCommand(); });
}

void TMForm::SetPanelColours(bool on)
{
    if (acPanelColors && acPanelColors->isChecked() != on)
        acPanelColors->setChecked(on); // comes back here through the action
    TScreenView::SetPanelColours(on);
    TColorBox::SetPanelColours(on);
    if (SplashPanel)
        RefreshSplashPanel();
}

void TMForm::PreviewSetCommand()
{
    if (!previewForm_)
        previewForm_ = new TPreviewForm(this);
    const QString folder = !lastOutput_.isEmpty() ? lastOutput_ : QDir::fromNativeSeparators(downloadFolder_);
    if (previewForm_->Folder() != folder || !previewForm_->isVisible())
        previewForm_->OpenFolder(folder);
    hooks_.ShowPreview(*previewForm_);
}
