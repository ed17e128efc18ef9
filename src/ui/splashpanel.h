#pragma once

// The splash screen on the design area: the splash picture, the two clock fields and the animation
// preview over it, which the user drags into place, and the timer that plays the preview.

#include <QFrame>

class QLabel;
class QTimer;
class TProject;

class TSplashPanel : public QFrame
{
    Q_OBJECT

  public:
    TSplashPanel(TProject& project, QWidget* parent);

    // Shows the project's splash picture, clock fields and animation preview as they are now, and
    // plays or stops the preview as the animation asks.
    void Show();
    // Stops playing the preview.
    void StopPreview();

  signals:
    // A clock field was dragged: the clock settings changed.
    void ClockMoved();

  private:
    TProject& project_;
    QLabel* ImgSplash = nullptr;
    QLabel* ITM1 = nullptr;
    QLabel* ITM2 = nullptr;
    QLabel* Anime = nullptr;
    QTimer* Timer1 = nullptr;
};
