#pragma once
// Why a data file could not be read or written, in the user's language, and a way for
// the tests to make the disk fail on a chosen file (root ignores permissions, so a
// failing disk cannot be staged with chmod).

#include <QString>

namespace FileErrors {

// The reason for a system error number, in Spanish; never the system's English text.
QString reason(int error);
QString notRegularFile();   // a folder, a pipe, a device...
QString tooLarge();

enum class Step { Read, Write, Rename };

// From now on every `step` on the data file `fileName` fails with `error`, until lifted.
void inject(const QString &fileName, Step step, int error);
void lift();
// The error injected for this file and step, or 0.
int injected(const QString &fileName, Step step);

} // namespace FileErrors
