#include "simfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

SimFolder::SimFolder(bool withPilots, bool withQel)
    : m_previous(QDir::currentPath())
{
    if (withPilots)
        mkdir(QStringLiteral("pilots"));
    if (withQel)
        mkdir(QStringLiteral("qel"));
    QDir::setCurrent(m_dir.path());
}

SimFolder::~SimFolder()
{
    QDir::setCurrent(m_previous);
}

void SimFolder::mkdir(const QString& relative) const
{
    QDir(m_dir.path()).mkpath(relative);
}

void SimFolder::write(const QString& relative, const QByteArray& bytes) const
{
    QFile file(filePath(relative));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray SimFolder::read(const QString& relative) const
{
    QFile file(filePath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool SimFolder::exists(const QString& relative) const
{
    return QFileInfo::exists(filePath(relative));
}

QStringList SimFolder::entries(const QString& relative) const
{
    return QDir(filePath(relative))
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                   QDir::Name);
}
