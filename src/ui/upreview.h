#pragma once

#include "panel/panelrender.h"
#include "panel/panelset.h"

#include <QDialog>
#include <QImage>
#include <functional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSlider;
class QTabWidget;
class QTimeEdit;
class QTimer;

// "Preview SD-card set": what the panel will show from a folder of SD-card files, drawn by the same
// code as "tarvolt-cli preview" from the files alone. One page per work screen, then the splash
// screen (its clock at the chosen time, its animation playing at the speed anime.bin gives) and the
// power-fail screen; a value slider for the DROs and bars, LEDs on or off, and the set's check
// findings under the pages. A page the files do not allow to be drawn says why.
class TPreviewForm : public QDialog
{
    Q_OBJECT

  public:
    explicit TPreviewForm(QWidget* parent = nullptr);

    // Reads the set in `folder` and shows it; the folder box shows the folder.
    void OpenFolder(const QString& folder);
    const QString& Folder() const { return folder_; }
    const TPanelSet& Set() const { return set_; }
    // The state the pages show.
    TPanelState State() const;

    // The pages: work screens first, then "Splash" and "Power fail".
    int PageCount() const;
    // What a page shows: the drawing, or a null image when the set does not allow it.
    QImage PageImage(int index) const
    {
        return index >= 0 && index < int(images_.size()) ? images_[size_t(index)] : QImage();
    }
    // The animation frame the splash page shows; advances with the window's timer.
    int Frame() const { return frame_; }
    bool AnimationPlaying() const;
    // One tick of the animation timer.
    void NextFrame();

    // Asks for a folder starting at the given one; empty means cancelled. The default opens the
    // folder dialog; tests replace it.
    std::function<QString(const QString& start)> ChooseFolder;

    QLineEdit* eFolder;
    QPushButton* btFolder;
    QPushButton* btReload;
    QTabWidget* PGpages;
    QSlider* tbValue;
    QLabel* lbValue;
    QCheckBox* chLeds;
    QTimeEdit* eTime;
    QListWidget* LVfindings;
    QTimer* tmFrames;

  protected:
    void changeEvent(class QEvent* event) override;

  private:
    void Retranslate();
    void Rebuild();           // pages and findings from the set
    void Redraw();            // every page's picture from the state
    void DrawPage(int index); // one page's

    QString folder_;
    TPanelSet set_;
    int frame_ = 0;
    std::vector<QImage> images_;
    std::vector<QString> refusals_; // why a page is not drawn, empty when it is
    std::vector<QLabel*> pageLabels_;
    QLabel* lbFolder_;
    QLabel* lbFindings_;
};
