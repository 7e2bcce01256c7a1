// The real program's log folder, its words about a settings file that cannot
// serve, and its way to the console when the named display cannot be opened.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace quelor::ui {
namespace {

namespace fs = std::filesystem;

struct ProgramResult {
  int exit_status = -1;
  std::string out;  // standard output and standard error
};

// Runs the program without a display, with `environment` ("NAME=value ...")
// added.
ProgramResult RunWith(const std::string& environment, const std::string& arguments) {
  const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                              environment + " " + QUELOR_UPDATE_BINARY + " " + arguments + " 2>&1";
  ProgramResult result;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  std::array<char, 4096> buffer;
  std::size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
    result.out.append(buffer.data(), n);
  const int status = pclose(pipe);
  result.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

mode_t ModeOf(const fs::path& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
  return info.st_mode & 07777;
}

// A fresh folder under the test's temporary folder.
fs::path FreshFolder(const std::string& name) {
  // The process id keeps two suites running at once (release and sanitizer
  // builds) out of each other's folders.
  const fs::path folder =
      fs::path(::testing::TempDir()) / (name + "-" + std::to_string(::getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

// The path after "Log: " on the last such line, or empty.
std::string LogPathOf(const std::string& out) {
  const std::size_t at = out.rfind("\nLog: ");
  if (at == std::string::npos) return {};
  const std::size_t end = out.find('\n', at + 1);
  return out.substr(at + 6, end - at - 6);
}

// A loopback port that nothing listens on: bound by the system, then released.
int ClosedLoopbackPort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  socklen_t length = sizeof address;
  EXPECT_EQ(::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length), 0);
  ::close(fd);
  return ntohs(address.sin_port);
}

// The demo leaves its log in $XDG_STATE_HOME/quelor-update/, for the owner
// only, with the header and a time before every record; of the older logs
// the oldest go so that 20 remain, and other files stay.
TEST(RunLogProgram, TheDemoLeavesAnOwnerOnlyLogAndKeepsTheLastTwenty) {
  const fs::path state = FreshFolder("run_log_state");
  const fs::path folder = state / "quelor-update";
  fs::create_directories(folder);
  fs::permissions(folder, fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
  for (int day = 1; day <= 21; ++day) {
    char name[64];
    std::snprintf(name, sizeof name, "update-202001%02d-120000-1.log", day);
    std::ofstream(folder / name) << "old\n";
  }
  std::ofstream(folder / "notes.txt") << "mine\n";

  const ProgramResult r = RunWith("XDG_STATE_HOME=" + state.string(), "--demo --console");
  ASSERT_EQ(r.exit_status, 0) << r.out;
  const std::string path = LogPathOf(r.out);
  ASSERT_EQ(path.rfind((folder / "update-").string(), 0), 0u) << r.out;
  EXPECT_TRUE(std::regex_search(path, std::regex(R"(/update-\d{8}-\d{6}-\d+\.log$)"))) << path;
  EXPECT_EQ(ModeOf(folder), 0700u);
  EXPECT_EQ(ModeOf(path), 0600u);

  const std::string log = ReadAll(path);
  EXPECT_TRUE(
      std::regex_search(log, std::regex("^quelor-update 11\\.[0-9.]+ \\(database release 11\\)\n"
                                        "Settings file: \\(the demo's own settings\\)\n"
                                        "Server: [^\n]+\nLogin: [^\n]+\n"
                                        "Started: \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\n\n")))
      << log.substr(0, 600);
  EXPECT_TRUE(std::regex_search(
      log,
      std::regex("\n\n\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} === catalogue Quelor \\| "
                 "open \\| ok \\| ")))
      << log.substr(0, 600);
  EXPECT_NE(log.find("\nEnded: "), std::string::npos);
  EXPECT_NE(log.find(" with exit status 0\n"), std::string::npos);

  std::vector<std::string> logs;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name != "notes.txt") logs.push_back(name);
  }
  std::sort(logs.begin(), logs.end());
  ASSERT_EQ(logs.size(), 20u);
  EXPECT_EQ(logs.front(), "update-20200103-120000-1.log");
  EXPECT_EQ(folder / logs.back(), fs::path(path));
  EXPECT_EQ(ReadAll(folder / "notes.txt"), "mine\n");
}

// A failed connect with a password in the settings: the log names the
// settings file, server and login, masks the password like the trace, and
// both are written.
TEST(RunLogProgram, TheLogNeverShowsThePasswordAndGoesAlongWithTheTrace) {
  const fs::path state = FreshFolder("run_log_password");
  const std::string ini = (state / "SysDBAdo.INI").string();
  const std::string trace = (state / "run.trace").string();
  const std::string server = "127.0.0.1," + std::to_string(ClosedLoopbackPort());
  std::ofstream(ini) << "[Datenbank]\r\nProvider=SQLOLEDB.1\r\nPassword=Ge;heim=42\r\n"
                        "User ID=sa\r\nData Source="
                     << server << "\r\n";
  const ProgramResult r = RunWith("XDG_STATE_HOME=" + state.string(),
                                  "--console --login-timeout 2 --ini " + ini + " --trace " + trace);
  EXPECT_EQ(r.exit_status, 1) << r.out;
  const std::string log = ReadAll(LogPathOf(r.out));
  EXPECT_NE(log.find("Settings file: " + ini + "\nServer: " + server + "\nLogin: sa\n"),
            std::string::npos)
      << log;
  EXPECT_NE(log.find("Password=***;\r\n"), std::string::npos) << log;
  EXPECT_EQ(log.find("heim"), std::string::npos) << log;
  EXPECT_NE(log.find(" with exit status 1\n"), std::string::npos) << log;
  const std::string traced = ReadAll(trace);
  EXPECT_NE(traced.find("=== catalogue Quelor | open | failed: "), std::string::npos) << traced;
  EXPECT_EQ(traced.find("heim"), std::string::npos) << traced;
}

TEST(RunLogProgram, NoLogLeavesNothingAndAFolderThatCannotBeMadeIsOnlyAWarning) {
  const fs::path state = FreshFolder("run_log_none");
  const ProgramResult quiet =
      RunWith("XDG_STATE_HOME=" + state.string(), "--demo --console --no-log");
  EXPECT_EQ(quiet.exit_status, 0) << quiet.out;
  EXPECT_EQ(quiet.out.find("Log: "), std::string::npos) << quiet.out;
  EXPECT_TRUE(fs::is_empty(state));

  std::ofstream(state / "a_file") << "in the way\n";
  const ProgramResult blocked =
      RunWith("XDG_STATE_HOME=" + (state / "a_file").string(), "--demo --console");
  EXPECT_EQ(blocked.exit_status, 0) << blocked.out;
  EXPECT_NE(blocked.out.find("quelor-update: warning: this run leaves no log: "), std::string::npos)
      << blocked.out;
  EXPECT_NE(blocked.out.find("UPDATE erfolgreich"), std::string::npos) << blocked.out;
  EXPECT_EQ(blocked.out.find("Log: "), std::string::npos) << blocked.out;
}

std::string Utf16(bool big_endian, const std::string& ascii) {
  std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
  for (char c : ascii) {
    bytes += big_endian ? std::string{'\0', c} : std::string{c, '\0'};
  }
  return bytes;
}

// Each settings file that cannot give the connection settings is named once,
// with what is wrong; the dialog of the failed connect follows as before.
// UTF-16 files (either byte order) are read.
TEST(RunLogProgram, SaysWhatIsWrongWithTheSettingsFileOnceAndStillShowsTheDialog) {
  const fs::path folder = FreshFolder("settings_file_cases");
  const std::string server = "127.0.0.1," + std::to_string(ClosedLoopbackPort());
  const std::string good =
      "[Datenbank]\r\nProvider=SQLOLEDB.1\r\nUser ID=sa\r\nData Source=" + server + "\r\n";
  struct Case {
    const char* name;
    std::string content;  // written as a file unless the case makes it otherwise
    std::string problem;  // after the path; empty when the file is fine
  } cases[] = {
      {"missing.INI", "", " does not exist"},
      {"folder.INI", "", " is a directory, not a file"},
      {"unreadable.INI", good, " cannot be read: Permission denied"},
      {"empty.INI", "", " is empty"},
      {"other.INI", "[Verzeichnis]\r\nHauptVerz=C:\\Quelor\r\n", " has no [Datenbank] section"},
      {"noprovider.INI", "[Datenbank]\r\nUser ID=sa\r\n",
       " has no Provider key in its [Datenbank] section"},
      {"le.INI", Utf16(false, good), ""},
      {"be.INI", Utf16(true, good), ""},
  };
  for (const Case& c : cases) {
    const fs::path path = folder / c.name;
    const std::string name = c.name;
    if (name == "folder.INI") {
      fs::create_directory(path);
    } else if (name != "missing.INI") {
      std::ofstream(path, std::ios::binary) << c.content;
    }
    if (name == "unreadable.INI") {
      if (::geteuid() == 0) continue;  // root reads whatever the mode says
      fs::permissions(path, fs::perms::none);
    }
    const std::string trace = (folder / "settings.trace").string();
    const ProgramResult r = RunWith(
        "", "--console --no-log --login-timeout 2 --ini " + path.string() + " --trace " + trace);
    EXPECT_EQ(r.exit_status, 1) << name << "\n" << r.out;
    EXPECT_NE(r.out.find("error [Fehler]: False parameters for database connection."),
              std::string::npos)
        << name << "\n"
        << r.out;
    const std::string line = "quelor-update: the settings file " + path.string() + c.problem + "\n";
    if (c.problem.empty()) {
      EXPECT_EQ(r.out.find("the settings file"), std::string::npos) << name << "\n" << r.out;
      EXPECT_NE(ReadAll(trace).find("Data Source=" + server), std::string::npos) << name;
    } else {
      const std::size_t at = r.out.find(line);
      EXPECT_NE(at, std::string::npos) << name << "\n" << r.out;
      EXPECT_EQ(r.out.find("the settings file", at + line.size()), std::string::npos)
          << name << "\n"
          << r.out;
    }
  }
}

// A display that is named but cannot be opened: the window program runs on
// the console and says so, instead of ending with an abort.
TEST(RunLogProgram, AnUnreachableDisplayRunsOnTheConsole) {
  int number = 4242;
  while (fs::exists("/tmp/.X11-unix/X" + std::to_string(number))) ++number;
  const std::string displays[] = {"DISPLAY=:" + std::to_string(number),
                                  "WAYLAND_DISPLAY=/nonexistent/wayland-0"};
  for (const std::string& display : displays) {
    const ProgramResult r = RunWith(display, "--demo --no-log");
    EXPECT_EQ(r.exit_status, 0) << display << "\n" << r.out;
    EXPECT_NE(r.out.find("quelor-update: no display could be opened; running on the console\n"),
              std::string::npos)
        << display << "\n"
        << r.out;
    EXPECT_NE(r.out.find("UPDATE erfolgreich"), std::string::npos) << display << "\n" << r.out;
  }
}

}  // namespace
}  // namespace quelor::ui
