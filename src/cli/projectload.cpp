#include "projectload.h"

std::unique_ptr<TCliProject> LoadCliProject(const QString& fileName, const std::function<void(TProject&)>& prepare)
{
    auto p = std::make_unique<TCliProject>();
    if (prepare)
        prepare(p->Project);
    p->Result = p->Project.Open(fileName);
    return p;
}
