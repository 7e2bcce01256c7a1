// How the window shows the run's modal dialogs. The window goes through a
// presenter so that tests can record the dialogs instead of waiting for a
// click; the program uses a message box with one OK button.
#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>
#include <memory>

#include "app/run_view.h"

namespace quelor::ui {

// Shows one dialog and returns when it has been confirmed.
using DialogPresenter = std::function<void(app::DialogKind kind, const QString& caption,
                                           const QString& text, QWidget* parent)>;

// The icon of each dialog kind; the stop box uses the critical icon, the only
// stop sign there is.
QMessageBox::Icon DialogIcon(app::DialogKind kind);

// The message box for a dialog: the caption and text exactly as given, shown
// as plain text (server failure texts may contain '<'), one OK button.
std::unique_ptr<QMessageBox> MakeMessageBox(app::DialogKind kind, const QString& caption,
                                            const QString& text, QWidget* parent);

// The presenter of the program: MakeMessageBox, run modally.
void PresentMessageBox(app::DialogKind kind, const QString& caption, const QString& text,
                       QWidget* parent);

}  // namespace quelor::ui
