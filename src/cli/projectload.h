#pragma once

#include "document/tproject.h"

#include <QString>
#include <memory>

// A project opened for a headless command: no questions are asked for missing pictures.
struct TCliProject
{
    TProject Project;
    TProject::TOpenResult Result;
};

// Opens `fileName` into a new project, throwing TError with the reason when the file is refused.
// `prepare` runs on the empty project first (the splash picture and speed that are program settings).
std::unique_ptr<TCliProject> LoadCliProject(const QString& fileName,
                                            const std::function<void(TProject&)>& prepare = {});

// What a headless command warns of in an opened project: every picture file or GIF that is missing,
// cannot be decoded or decoded with a warning, one line per file naming it and what uses it.
QStringList ProjectWarnings(const TCliProject& project);

// Prints each warning on stderr as "tarvolt-cli COMMAND: warning: ...".
void PrintWarnings(const char* command, const QStringList& warnings);

// A project loaded and saved again, for export and import: the bytes the project file holds after a
// load and a save, in either form. Pictures are not needed for that and nothing is said of them.
struct TConvertedProject
{
    QByteArray Bytes;
    TProjectForm Form = TProjectForm::Binary;
};
TConvertedProject LoadProjectForConversion(const QString& fileName);
