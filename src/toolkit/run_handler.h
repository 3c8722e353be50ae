// The wrapper every event handler runs through: the one place runtime errors are caught and shown.
#pragma once

#include <QString>
#include <functional>

#include "toolkit/platform.h"

namespace tk {

// Runs the handler. An error it raises ends it and is shown in the standard error box, captioned
// with the application title; nothing escapes to Qt's event loop.
void runHandler(Platform& platform, QWidget* parent, const std::function<void()>& handler) noexcept;

// The caption of the standard error box, derived from the program file's name.
QString applicationTitle();

}  // namespace tk
