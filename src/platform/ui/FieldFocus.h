#pragma once

class QLineEdit;
class QPlainTextEdit;
class QWidget;

// Where the keyboard goes after a window refuses what a box holds.
namespace fieldfocus {

// Selects the box's whole text now and again on the next turn of the event
// loop: a mouse press that brings the focus places the cursor after a focus
// handler has run.
void selectWhole(QLineEdit &box);

// Puts the focus back into the box a refusal is about, its whole text
// selected, so that the next key replaces what was refused. The message box
// that told of it hands the focus back, when it closes, to whatever had it when
// it opened (OK, after Enter), and its owner is active again only some events
// later: so this is done now, on the next turn of the event loop and once more
// when the box's window is next activated.
void backTo(QLineEdit &box);
void backTo(QPlainTextEdit &box);
// A control without text to select (a grid whose current row is at fault).
void backTo(QWidget &control);

} // namespace fieldfocus
