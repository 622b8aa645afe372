#pragma once

// The program's windows use "新細明體" 9 pt, the Traditional Chinese desktop's own font, and the
// dialogs ask for "新細明體" and "DotumChe" by name: map them to installed CJK fonts.
void InstallFonts();
