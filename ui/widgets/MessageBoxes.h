#pragma once
// The screens' way of showing the core's messages: modal message boxes, OK only.

#include "Notifier.h"

#include <QString>

namespace MessageBoxes {
QString programName();  // the title of a box with no title of its own
}

class MessageBoxNotifier final : public Notifier {
public:
    void showMessage(const QString &text, const QString &title) override;
    void showInformation(const QString &text, const QString &title) override;
    void saveFailed(const QString &fileName, const QString &reason) override;
    void filesUnreadable(const QString &text) override;
    SaveChoice askAfterFailedSave(const QString &fileName, const QString &reason) override;
};
