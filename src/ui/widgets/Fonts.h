#pragma once

#include <QFont>

// The program's fonts. Its windows use "新細明體" 9 pt, the Traditional Chinese desktop's own
// font, and the dialogs ask for "新細明體" and "DotumChe" by name: install() maps them to
// installed CJK fonts.
namespace Fonts {

void install();

// The record editor's boxes, and its category box.
QFont editorText();
QFont editorCategory();
// The list boxes of the pick dialog and the list editor.
QFont listBox();

} // namespace Fonts
