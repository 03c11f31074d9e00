#pragma once

// Label files name the Windows faces the machine's operators design with ("宋体", "黑体",
// "SimSun", ...). Mapping them to installed fonts at start-up keeps Chinese text with
// Chinese metrics instead of falling back to a Latin face. Call once after the
// application object exists.
void installFontSubstitutions();
