#pragma once
// The one way a message leaves the core for the user. The screens install a
// notifier that shows message boxes; tests install one that records.

#include <QString>
#include <QStringList>

namespace Messages {
QString notAWholeNumber();        // "Ingrese solo números enteros"
QString penaltiesDrawn();         // "No puede colocar empate en los penales"
QString penaltiesDrawnTitle();    // "Debe haber un Ganador"

// Files that exist but could not be read; `keptAs` names where each will be kept.
QString filesUnreadable(const QStringList &files, const QStringList &reasons, const QStringList &keptAs);
QString saveFailed(const QString &fileName, const QString &reason);
QString retry();                  // "Reintentar"
QString closeWithoutSaving();     // "Cerrar sin guardar"
QString alreadyRunning();
QString folderUnusable(const QString &folder, const QString &reason);
QString noHomeFolder();
} // namespace Messages

// What the user chose after a closing could not save.
enum class SaveChoice { Retry, CloseWithoutSaving, KeepOpen };

class Notifier {
public:
    virtual ~Notifier() = default;
    // A modal message with an OK button; an empty title means the box has none of its own.
    virtual void showMessage(const QString &text, const QString &title) = 0;
    // The same, with the information icon.
    virtual void showInformation(const QString &text, const QString &title) { showMessage(text, title); }
    // A data file could not be written; the old file is still intact.
    virtual void saveFailed(const QString &fileName, const QString &reason) = 0;
    // Data files exist but could not be read (text from Messages::filesUnreadable).
    virtual void filesUnreadable(const QString &text);
    // A closing could not save: retry, close anyway, or (box dismissed) stay open.
    virtual SaveChoice askAfterFailedSave(const QString &fileName, const QString &reason);
    // A save failed with nobody to ask, as the session ends.
    virtual void noteFailedSave(const QString &fileName, const QString &reason);

    // The notifier in force; never null (a fallback writes to the log).
    static Notifier &current();
    // Installs a notifier (nullptr restores the fallback); returns the previous one.
    static Notifier *install(Notifier *notifier);
};
