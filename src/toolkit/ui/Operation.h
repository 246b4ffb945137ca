#pragma once

#include <functional>

class Dialogs;

/// Runs one user operation. A database error it does not catch itself ends it there: the engine's message
/// is shown in the standard error box and the program goes on with what the operation had already done.
/// Returns false when the operation ended that way.
bool runOperation(Dialogs &dialogs, const std::function<void()> &operation);
