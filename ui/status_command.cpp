#include "ui/status_command.h"

#include <exception>
#include <iostream>

#include "app/status_report.h"
#include "db/trace_connection.h"
#include "platform/private_file.h"
#include "ui/status_printer.h"

namespace quelor::ui {

int RunStatus(const Options& options, const std::function<config::IniFile()>& read_ini,
              const config::PasswordMask& passwords,
              const std::function<std::unique_ptr<db::Connection>()>& make_connection) {
  std::unique_ptr<platform::PrivateFile> trace_file;
  if (!options.trace_path.empty()) {
    try {
      trace_file = platform::CreatePrivateFile(options.trace_path);
    } catch (const std::exception& e) {
      std::cerr << "quelor-update: cannot write the trace file " << e.what() << "\n";
      return 2;
    }
  }
  std::unique_ptr<db::Connection> catalogue = make_connection();
  std::unique_ptr<db::Connection> working = make_connection();
  std::unique_ptr<db::Connection> traced_catalogue, traced_working;
  if (trace_file) {
    traced_catalogue = std::make_unique<db::TraceConnection>(*catalogue, trace_file->stream(),
                                                             "catalogue", passwords);
    traced_working =
        std::make_unique<db::TraceConnection>(*working, trace_file->stream(), "working", passwords);
  }

  const app::StatusReport report =
      app::ReadStatus({traced_catalogue ? *traced_catalogue : *catalogue,
                       traced_working ? *traced_working : *working, read_ini});
  int status = StatusExitCode(report);
  if (!report.failure.empty()) {
    std::cerr << StatusFailureLine(report);
  } else {
    std::cout << StatusTable(report) << std::flush;
  }

  // A trace cut short is reported, and an answer of 0 becomes 1.
  if (trace_file) {
    const std::string failure = trace_file->Finish();
    if (!failure.empty()) {
      std::cerr << "quelor-update: the trace file " << options.trace_path
                << " could not be written completely: " << failure << "\n";
      if (status == 0) status = 1;
    }
  }
  return status;
}

}  // namespace quelor::ui
