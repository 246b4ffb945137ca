#pragma once

#include "Shell.h"

/// Opens web addresses and files through the desktop's handlers.
class DesktopShell : public Shell {
public:
    bool open(const QString &target) override;
    bool canOpen(const QString &path) override;
};
