#pragma once

class QWidget;

namespace corvalen {

// Whether the program runs as a Wayland client, where the compositor hands the clipboard's
// contents to a program only once one of its windows has keyboard focus.
bool IsWaylandPlatform();

// Runs the events of a shown `window` until it is active and the clipboard's offer has come,
// so that the clipboard can then be read. The wait ends at the latest 500 ms after the window
// became active and 3 s after the call: a clipboard that offers nothing reads as empty then.
// Input is held back meanwhile and delivered afterwards, so nothing typed is lost.
void WaitForClipboardOffer(QWidget *window);

} // namespace corvalen
