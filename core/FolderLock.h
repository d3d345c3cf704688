#pragma once
// One copy of the program at a time per data folder: two copies would each save their
// own screens over what the other saved. The lock lasts as long as this object; one
// left behind by a run that died is taken over.

#include <QLockFile>
#include <QString>
#include <memory>

class FolderLock {
public:
    enum Result { Taken, HeldByAnother, Unusable };

    // Creates the data folder if needed and locks it; `reason` tells why it is unusable.
    Result take(QString *reason = nullptr);

    static QString lockFileName() { return QStringLiteral("torvelo.lock"); }

private:
    std::unique_ptr<QLockFile> m_lock;
};
