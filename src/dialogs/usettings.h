#pragma once

#include "base/urgb.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class TColorBox;

// The settings dialog: a small tool window without buttons. Every control takes effect at once
// through the signals below; the dialog is closed with its close box.
class TSetForm : public QDialog
{
    Q_OBJECT

  public:
    explicit TSetForm(QWidget* parent = nullptr);

    QSpinBox* eMaxEl;
    QSpinBox* eGrid;
    QCheckBox* chShGrid;
    TColorBox* cxColor;
    QComboBox* cbLanguage;

    int GridStep() const;
    // Sets the step, clamped to 1..100, without sending GridChanged.
    void SetGridStep(int step);
    bool ShowGrid() const;
    void SetShowGrid(bool on);

  protected:
    void changeEvent(QEvent* event) override;

  signals:
    void GridChanged(int step);
    void ShowGridClicked(bool on);
    void ColorPicked(TColor color);
    void LanguageChanged(int index);

  private:
    // The window's texts in the active interface language. The language list keeps the names the
    // main window gave it.
    void Retranslate();
    QLabel* lbMaxEl_;
    QLabel* lbGrid_;
    QLabel* lbLang_;
};
