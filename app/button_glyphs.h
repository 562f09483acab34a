#pragma once
// The glyphs of the bitmap buttons, drawn rather than loaded: the green
// check mark of an OK button and the door of a close button.
#include <QIcon>

namespace tt::app {

QIcon checkMarkGlyph();
QIcon doorGlyph();

}  // namespace tt::app
