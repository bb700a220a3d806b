// How the shell tells the player that the game cannot start ("Your video card is not compadible"):
// a message box with an OK button. The handler can be replaced, so that a test sees the message
// without a display.
#pragma once

using StartupMessageHandler = void (*)(const char *text, const char *caption);

// Shows the message through the current handler.
void ShowStartupMessage(const char *text, const char *caption);
// Installs a handler (null puts the message box back); returns the previous one.
StartupMessageHandler SetStartupMessageHandler(StartupMessageHandler handler);
