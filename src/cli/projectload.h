#pragma once

#include <QString>
#include <memory>

#include "model/tlcdlist.h"
#include "project/lcdfile.h"

// A project loaded for a headless command: no questions are asked for missing pictures.
struct TCliProject
{
    TLCDList List;
    TLCD PowerFail;
    TLoadResult Result;
};

// Loads `fileName`, throwing TError with the reason when the file is refused.
std::unique_ptr<TCliProject> LoadCliProject(const QString& fileName);
