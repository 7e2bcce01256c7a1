// What the program needs of the terminal or console it was started from.
#pragma once

#include <string>
#include <vector>

namespace quelor::platform {

// The command-line arguments after the program's name, as UTF-8. On Windows
// they are read from the wide command line, so a path with umlauts given to
// --ini arrives whole whatever the code page.
std::vector<std::string> CommandLineArguments(int argc, char** argv);

// Makes standard output and standard error usable for UTF-8 text before the
// console front-end writes. On Windows a program built for the window has no
// console of its own: it attaches to the console of the shell that started it
// (where its output is not already redirected), and the console is told to
// show UTF-8. Elsewhere nothing needs doing.
void PrepareConsoleOutput();

// True when standard output is a terminal (a progress line is then redrawn
// in place) rather than a file or a pipe.
bool StandardOutputIsTerminal();

// Whether a window can be shown. On Linux: kAvailable when a Qt platform is
// named or the X or Wayland display named accepts a connection, kUnreachable
// when a display is named but none can be opened (no server, no
// authorisation), kNone when none is named. Windows always has its desktop.
enum class DisplayStatus { kNone, kUnreachable, kAvailable };
DisplayStatus FindDisplay();

// FindDisplay() == DisplayStatus::kAvailable.
bool HasDisplay();

}  // namespace quelor::platform
