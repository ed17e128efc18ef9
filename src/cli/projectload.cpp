#include "projectload.h"

std::unique_ptr<TCliProject> LoadCliProject(const QString& fileName)
{
    auto p = std::make_unique<TCliProject>();
    p->Result = LoadProject(fileName, p->List, p->PowerFail);
    return p;
}
