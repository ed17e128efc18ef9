#pragma once

// The texts the designer words itself. They are Russian while the active interface language is
// Russian (id 1049) and English otherwise; the localisation component sets the switch.

#include <QString>

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
QString FilesPrepared();
QString Info();
QString OutsideScreen();
QString ProjectNotSaved();
QString ScreenCaption(int position);
QString Warning();
} // namespace msg
