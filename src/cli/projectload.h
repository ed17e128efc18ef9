#pragma once

#include <QString>
#include <memory>

#include "document/tproject.h"

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
