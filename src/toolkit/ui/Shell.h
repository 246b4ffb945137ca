#pragma once

#include <QString>

/// The desktop's "open": a web address or a file in the program the user chose for it.
class Shell {
public:
    virtual ~Shell() = default;
    /// Opens a web address or a local file path; false when nothing could open it.
    virtual bool open(const QString &target) = 0;
    /// True when the desktop has a program that opens this local file.
    virtual bool canOpen(const QString &path) = 0;
};
