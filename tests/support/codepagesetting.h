#pragma once

#include "ansi.h"
#include "ownsettings.h"

#include <QtTest>

// For the life of the object, scenario text is converted in `codePage`, through the shared
// settings' value in a settings folder of the test's own. Windows always takes its own code
// page: there the value is not written, and inUse() says whether the system's page is that one.
class CodePageSetting {
public:
    explicit CodePageSetting(int codePage)
        : m_codePage(codePage)
    {
#ifndef Q_OS_WIN
        qel::simulator::settings()->setValue(qel::ansi::codePageKey, codePage);
#endif
    }
    ~CodePageSetting()
    {
        qel::simulator::settings()->remove(qel::ansi::codePageKey);
    }
    bool inUse() const
    {
        return qel::ansi::codePage() == m_codePage;
    }

private:
    OwnSettings m_settings;
    int m_codePage;
};

// Skips a row for another code page than the system's on Windows; elsewhere the setting must take.
#ifdef Q_OS_WIN
#define QEL_SKIP_UNLESS_IN_USE(setting)                                                            \
    if (!(setting).inUse())                                                                        \
    QSKIP("Another code page is in use here.")
#else
#define QEL_SKIP_UNLESS_IN_USE(setting) QVERIFY((setting).inUse())
#endif
