#pragma once
// The application's message boxes: installs the handler through which every room's
// messages and questions are shown. With LUMAREST_NONINTERACTIVE set, messages go to
// standard error and questions take their default answer, so that scripts and tests
// never wait on a dialog.
void InstallMessageBoxes();
