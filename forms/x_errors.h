#pragma once

namespace xpexam::forms {

// SDL wakes its wait for events by sending an event to the window over a second X connection.
// The server may take that request after the window is gone (the two connections race), and
// the BadWindow it answers would end the program through Xlib's default handler. Installs, once,
// an X error handler that lets that one error pass and hands every other to the handler before.
void TolerateLateXEvents();

}  // namespace xpexam::forms
