#pragma once

#include "simulatorfolder.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QVariant>

// The programs' per-user settings for the life of the object: a folder of the test's own where
// they are files, and on Windows, where they live in the registry, the one value they use
// removed now and put back afterwards.
class OwnSettings {
public:
    OwnSettings()
    {
#ifndef Q_OS_WIN
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
#endif
        m_before = qel::simulator::settings()->value(qel::simulator::folderKey);
        qel::simulator::settings()->remove(qel::simulator::folderKey);
    }
    ~OwnSettings()
    {
        if (m_before.isValid())
            qel::simulator::settings()->setValue(qel::simulator::folderKey, m_before);
        else
            qel::simulator::settings()->remove(qel::simulator::folderKey);
    }
    OwnSettings(const OwnSettings&) = delete;
    OwnSettings& operator=(const OwnSettings&) = delete;

    QVariant folder() const
    {
        return qel::simulator::settings()->value(qel::simulator::folderKey);
    }
    void setFolder(const QString& value) const
    {
        qel::simulator::settings()->setValue(qel::simulator::folderKey, value);
    }

private:
    QTemporaryDir m_dir;
    QVariant m_before;
};
