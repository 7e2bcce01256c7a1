// The console front-end for servers without a screen and for scripts. Every
// dialog becomes one line on the error stream, naming its kind, caption and
// text, and counts as confirmed at once; line breaks inside a text are written
// as \n so that a dialog stays on one line. Caption changes, the start of each
// tenant migration and gauge positions go to the output stream, one line each
// (on a terminal the gauge line is rewritten in place).
#pragma once

#include <ostream>
#include <string>

#include "app/run_view.h"

namespace quelor::ui {

class ConsoleView : public app::RunView {
 public:
  // `rewrite_progress`: the output stream is a terminal, so the gauge line is
  // redrawn with a carriage return instead of a new line per change.
  ConsoleView(std::ostream& out, std::ostream& err, bool rewrite_progress = false)
      : out_(out), err_(err), rewrite_progress_(rewrite_progress) {}

  void SetCaption(const std::string& caption) override;
  void SetGauge(int percent) override;
  void ShowDialog(app::DialogKind kind, const std::string& caption,
                  const std::string& text) override;
  // "[2/3] QUELOR_B" before the migration of a tenant database.
  void ShowTenantStart(std::size_t number, std::size_t count, const std::string& name) override;
  // The same line with "[database] " in front.
  void ShowDialogFor(const std::string& database, app::DialogKind kind, const std::string& caption,
                     const std::string& text) override;
  void SetBusyCursor(bool) override {}
  void ProcessMessages() override {}

 private:
  void EndProgressLine();
  void WriteDialogLine(const std::string& prefix, app::DialogKind kind, const std::string& caption,
                       const std::string& text);

  std::ostream& out_;
  std::ostream& err_;
  bool rewrite_progress_;
  bool progress_line_open_ = false;
};

// `text` with backslash, CR and LF written as \\, \r and \n.
std::string EscapeLineBreaks(const std::string& text);

}  // namespace quelor::ui
