#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A throw-away simulator folder made the current folder for the life of the object, as both
// programs expect to run in one. The previous current folder is restored afterwards.
class SimFolder {
public:
    explicit SimFolder(bool withPilots = true, bool withQel = true);
    ~SimFolder();
    SimFolder(const SimFolder&) = delete;
    SimFolder& operator=(const SimFolder&) = delete;

    QString path() const { return m_dir.path(); }
    QString filePath(const QString& relative) const { return m_dir.filePath(relative); }

    void mkdir(const QString& relative) const;
    void write(const QString& relative, const QByteArray& bytes) const;
    QByteArray read(const QString& relative) const;
    bool exists(const QString& relative) const;
    // Names in a folder (all entries, sorted), to see that nothing else appeared.
    QStringList entries(const QString& relative = QStringLiteral(".")) const;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};
