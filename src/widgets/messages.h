#pragma once

// The texts the designer words itself. They are Russian while the active interface language is
// Russian (id 1049) and English otherwise; the localisation component sets the switch.

#include <QString>
#include <QStringList>

class TElement;

inline constexpr int LangEnglish = 1033;
inline constexpr int LangRussian = 1049;

// True while the active interface language is Russian. False until it is set.
bool RussianActive();
void SetActiveLanguage(int languageId);
int ActiveLanguage();

namespace msg {
QString FileNotFound(const QString& fileName);
// Generate: the warning for a project without a file name and its caption, the closing question
// and its caption.
QString SaveBeforeGenerate();
QString SaveBeforeGenerateCaption();
// The question after Generate, naming the folder the files are in.
QString FilesPrepared(const QString& folder);
// The desktop found nothing to show a folder with.
QString FolderNotOpened(const QString& folder);
QString Info();
// A file of File > Recent projects that is no longer there; it leaves the list.
QString RecentFileGone(const QString& fileName);
QString OutsideScreen();
// The notice at Open, naming the elements it moved (each "Screen N: element").
QString OutsideScreenMoved(const QStringList& elements);
QString ProjectNotSaved();
// The start-up question for a recovery copy: the project it belongs to (empty for one never saved)
// and when the copy was written; the buttons Restore and Discard.
QString RecoveryFound(const QString& projectFile, const QString& written);
QString RestoreButton();
QString DiscardButton();
QString ScreenCaption(int position);
// One element whose text the code page cannot hold in full: where it is (a work screen's caption, or
// empty for the power-fail screen), what the text is for, and the text as typed.
enum class TTextRole { Text, Format, ImageFile };
QString ElementWithLostText(const QString& screen, TTextRole role, const QString& typed);
// The warning after Save (`generated` false) or Generate that names those elements, one a line.
QString LostCharacters(const QStringList& elements, bool generated);
QString Warning();
// An element as the user knows it: its kind, with its order number or its text where it has one
// ("DRO 3 \"%7.3f\"", "Text \"Feed\"", "Status line").
QString ElementName(const TElement& element);
// Beside the status line: the elements of the screen that reach past its edge; empty for none.
QString PastEdge(const QStringList& elements);
} // namespace msg
