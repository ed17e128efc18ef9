#pragma once

#include "ui/screenview.h"

#include <QWidget>

class TLCD;

// A page of the work-screen page control: it shows one work screen (`SCR`) at (1, 1). The page does
// not own the screen (the screen list does) and is always destroyed after its screen has left the
// list.
class TSCRTab : public QWidget
{
    Q_OBJECT

  public:
    TSCRTab(TLCD* screen, QWidget* parent = nullptr)
        : QWidget(parent), SCR(screen), View(new TScreenView(screen, this))
    {
        View->move(1, 1);
    }

    TLCD* const SCR;
    TScreenView* const View;
};
