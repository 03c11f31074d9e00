#include "model/JobSettings.h"

JobSettings& jobSettings()
{
    static JobSettings shared;
    return shared;
}
