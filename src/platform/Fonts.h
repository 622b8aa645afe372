#pragma once

// The dialogs ask for the Windows fonts "新細明體" and "DotumChe"; map them to installed CJK fonts.
void InstallFontSubstitutions();
