#include "job/LabelProgram.h"

#include "job/JobText.h"

namespace {

LabelProgramServer* g_installed = nullptr;

} // namespace

std::unique_ptr<LabelProgramApplication>
UnavailableLabelProgramServer::create(const QString& programmaticId)
{
    throw LabelProgramError(JobText::tr("无法创建自动化对象“%1”：本系统不支持自动化调用")
                                .arg(programmaticId));
}

LabelProgramServer& labelProgramServer()
{
    static UnavailableLabelProgramServer unavailable;
    return g_installed ? *g_installed : unavailable;
}

void setLabelProgramServer(LabelProgramServer* server)
{
    g_installed = server;
}
