#include "job/JobSettings.h"

JobSettings& jobSettings()
{
    static JobSettings shared;
    return shared;
}
