#pragma once

// The command-line tool and the virtual machine never need a display: unless the caller
// chose a platform, they run on the offscreen one. Call before the application object.
void chooseHeadlessPlatform();
