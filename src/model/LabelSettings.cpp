#include "model/LabelSettings.h"

LabelSettings& labelSettings()
{
    static LabelSettings shared;
    return shared;
}
