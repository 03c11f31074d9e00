#pragma once

#include "model/LabelSettings.h"
#include "model/Tobject.h"

// The model side of setting up a label (start-up, New, Open, Close file): the size and zoom
// go into the label settings, the document is emptied for them (the previous objects stay in
// the undo list) and takes the background placement from the settings. The window then sizes
// its label surface and rulers and redraws.
void SetUpLabel(Tobject& document, LabelSettings& label, int width, int height, float zoom);
