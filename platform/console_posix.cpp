#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/console.h"

#ifdef QUELOR_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace quelor::platform {
namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

// Whether the X server named by `display` accepts this client, its
// authorisation included: what Qt's xcb platform would do first, without
// Qt's abort when it fails.
bool CanOpenXDisplay(const std::string& display) {
#ifdef QUELOR_HAVE_XCB
  xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
  const bool open = connection != nullptr && xcb_connection_has_error(connection) == 0;
  if (connection != nullptr) xcb_disconnect(connection);
  return open;
#else
  (void)display;
  return true;  // built without libxcb: the display is taken at its word
#endif
}

// Whether a Wayland compositor listens on the socket `display` names: a path,
// or a name in $XDG_RUNTIME_DIR.
bool CanOpenWaylandDisplay(const std::string& display) {
  const std::string path =
      display.front() == '/' ? display : Variable("XDG_RUNTIME_DIR") + "/" + display;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool open = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return open;
}

}  // namespace

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void PrepareConsoleOutput() {}

bool StandardOutputIsTerminal() { return ::isatty(STDOUT_FILENO) != 0; }

DisplayStatus FindDisplay() {
  // A Qt platform chosen by name (offscreen, vnc) needs no display server.
  if (!Variable("QT_QPA_PLATFORM").empty()) return DisplayStatus::kAvailable;
  const std::string wayland = Variable("WAYLAND_DISPLAY");
  const std::string x = Variable("DISPLAY");
  if (wayland.empty() && x.empty()) return DisplayStatus::kNone;
  if (!wayland.empty() && CanOpenWaylandDisplay(wayland)) return DisplayStatus::kAvailable;
  if (!x.empty() && CanOpenXDisplay(x)) return DisplayStatus::kAvailable;
  return DisplayStatus::kUnreachable;
}

bool HasDisplay() { return FindDisplay() == DisplayStatus::kAvailable; }

}  // namespace quelor::platform
