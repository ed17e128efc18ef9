#pragma once

// A main window on a temporary settings file whose questions and modal windows are taken over by the
// test: a property window is shown, the test's "user" works its controls, and the window's result is
// whatever button the user pressed.

#include "dialogs/uproperties.h"
#include "model/tlcd.h"
#include "widgets/messages.h"
#include "ui/scrtab.h"
#include "ui/umain.h"

#include <QAbstractButton>
#include <QDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

class DialogWindow : public testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        SetActiveLanguage(LangEnglish);
        TFormOptions o;
        o.LanguageFolders = QStringList(); // English only, unless a test gives the folder
        o.IniPath = dir.filePath(QStringLiteral("designer.ini"));
        o.RecoveryFolder = recoveryDir.path(); // copies of this test only
        o.Hooks.AskYesNo = [](const QString&) { return false; };
        o.Hooks.AskSave = [](const QString&) { return TSaveAnswer::Discard; };
        o.Hooks.Notice = [this](const QString& text) { notices << text; };
        o.Hooks.ShowError = [this](const QString& text) { errors << text; };
        o.Hooks.PictureName = [this](const QString& preset) {
            presets << preset;
            return pictureName;
        };
        form = std::make_unique<TMForm>(std::move(o));
        form->show();
        Dialogs().Hooks.Exec = [this](QDialog& d) {
            d.show();
            ++shown;
            shownDialog = &d;
            if (user)
                user(d);
            if (d.isVisible()) // the user closed it with the close box
                d.reject();
            return d.result();
        };
        Dialogs().Hooks.PickColor = [this](TColor& color) {
            pickedFrom = color;
            if (!colorAnswer)
                return false;
            color = *colorAnswer;
            return true;
        };
    }
    void TearDown() override
    {
        form.reset();
        SetActiveLanguage(LangEnglish);
    }

    TPropDialogs& Dialogs() const { return *form->PropDialogs(); }
    TLCD& Screen() const { return *form->ActiveScreen(); }
    TScreenView* View() const { return form->Page(form->ActivePageIndex())->View; }

    // An element placed on the active screen and selected, the project counted as saved.
    TElement* Place(quint8 kind, int x = 10, int y = 10)
    {
        TElement* e = Screen().AddElement(kind, x, y);
        if (kind == ekBar)
            e->SetDefaultBarPictures();
        Screen().SelectElement(e);
        Saved();
        return e;
    }
    void Saved()
    {
        Screen().SetModified(false);
        form->List().SetModified(false);
        form->PowerFail().SetModified(false);
    }
    bool Modified() const { return form->List().Modified; }

    // The properties command as the tool bar runs it: only while its enabling rule allows.
    void Properties()
    {
        form->UpdateActions();
        ASSERT_TRUE(form->acShProp->isEnabled());
        form->acShProp->trigger();
    }
    // A double-click of the left button on the active work screen.
    void DoubleClick(QPoint at) { QTest::mouseDClick(View(), Qt::LeftButton, Qt::NoModifier, at); }

    template <class T> static T* Child(QWidget& parent, const char* name)
    {
        T* child = parent.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    static void Ok(QDialog& d) { QTest::mouseClick(Child<QPushButton>(d, "Button1"), Qt::LeftButton); }
    static void Cancel(QDialog& d) { QTest::mouseClick(Child<QPushButton>(d, "Button2"), Qt::LeftButton); }
    // Selects the spin box's text and types `text` over it, as a user retypes a number.
    static void Retype(QSpinBox* spin, const QString& text)
    {
        spin->setFocus();
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(spin, text);
    }

    QTemporaryDir dir;
    QTemporaryDir recoveryDir; // beside the test's folder, which tests look into
    std::unique_ptr<TMForm> form;
    QStringList notices, errors, presets;
    QString pictureName;
    std::function<void(QDialog&)> user;
    int shown = 0;
    QDialog* shownDialog = nullptr;
    std::optional<TColor> colorAnswer;
    TColor pickedFrom = 0;
};
