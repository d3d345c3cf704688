#pragma once
// Shared by the tests: a notifier that records instead of showing boxes, and a
// throw-away data folder.

#include "DataFolder.h"
#include "Notifier.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

struct Message {
    QString text;
    QString title;
};

class RecordingNotifier final : public Notifier {
public:
    RecordingNotifier() { m_previous = Notifier::install(this); }
    ~RecordingNotifier() override { Notifier::install(m_previous); }

    void showMessage(const QString &text, const QString &title) override { messages.append({text, title}); }
    void showInformation(const QString &text, const QString &title) override
    {
        messages.append({text, title});
        informations.append({text, title});
    }
    void saveFailed(const QString &fileName, const QString &reason) override
    {
        failedSaves.append(fileName + QStringLiteral(": ") + reason);
    }
    void filesUnreadable(const QString &text) override { unreadable.append(text); }
    // Answers with `answer` (run while the question would be on screen); closes
    // without saving when none is set.
    SaveChoice askAfterFailedSave(const QString &fileName, const QString &reason) override
    {
        questions.append(fileName + QStringLiteral(": ") + reason);
        return answer ? answer() : SaveChoice::CloseWithoutSaving;
    }
    void noteFailedSave(const QString &fileName, const QString &reason) override
    {
        notedSaves.append(fileName + QStringLiteral(": ") + reason);
    }

    QStringList texts() const
    {
        QStringList out;
        for (const Message &m : messages)
            out << m.text;
        return out;
    }
    void clear()
    {
        messages.clear();
        informations.clear();
        failedSaves.clear();
        unreadable.clear();
        questions.clear();
        notedSaves.clear();
    }

    QList<Message> messages;
    QList<Message> informations;
    QStringList failedSaves;
    QStringList unreadable;
    QStringList questions;
    QStringList notedSaves;
    std::function<SaveChoice()> answer;

private:
    Notifier *m_previous = nullptr;
};

class TempDataFolder {
public:
    TempDataFolder() { DataFolder::setPath(m_dir.path()); }
    ~TempDataFolder() { DataFolder::setPath(QString()); }

    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

    QByteArray bytes(const QString &name) const
    {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void writeBytes(const QString &name, const QByteArray &content) const
    {
        QFile f(file(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(content);
    }
    // Lines joined by CR LF, each one terminated.
    void writeLines(const QString &name, const QStringList &lines) const
    {
        QByteArray content;
        for (const QString &l : lines)
            content += DataFolder::encode(l) + "\r\n";
        writeBytes(name, content);
    }

private:
    QTemporaryDir m_dir;
};

// Group files whose qualifiers are, group by group: Alemania and Ecuador, Inglaterra and
// Suecia, Argentina and Holanda, Portugal and México, Italia and Ghana, Brasil and
// Australia, Suiza and Francia, España and Ucrania.
inline void seedGroups(const TempDataFolder &folder)
{
    const char *firsts[] = {"Alemania", "Inglaterra", "Argentina", "Portugal", "Italia", "Brasil", "Suiza", "España"};
    const char *seconds[] = {"Ecuador", "Suecia", "Holanda", "México", "Ghana", "Australia", "Francia", "Ucrania"};
    for (int g = 0; g < 8; ++g)
        folder.writeLines(QStringLiteral("torvelo%1.txt").arg(QChar('A' + g)),
                          QStringList(12, QStringLiteral("*")) << QString::fromUtf8(firsts[g]) << QString::fromUtf8(seconds[g]));
}
