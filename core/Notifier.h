#pragma once
// The one way a message leaves the core for the user. The screens install a
// notifier that shows message boxes; tests install one that records.

#include <QString>

namespace Messages {
QString notAWholeNumber();        // "Ingrese solo números enteros"
QString penaltiesDrawn();         // "No puede colocar empate en los penales"
QString penaltiesDrawnTitle();    // "Debe haber un Ganador"
} // namespace Messages

class Notifier {
public:
    virtual ~Notifier() = default;
    // A modal message with an OK button; an empty title means the box has none of its own.
    virtual void showMessage(const QString &text, const QString &title) = 0;
    // The same, with the information icon.
    virtual void showInformation(const QString &text, const QString &title) { showMessage(text, title); }
    // A data file could not be written; the old file is still intact.
    virtual void saveFailed(const QString &fileName, const QString &reason) = 0;

    // The notifier in force; never null (a fallback writes to the log).
    static Notifier &current();
    // Installs a notifier (nullptr restores the fallback); returns the previous one.
    static Notifier *install(Notifier *notifier);
};
