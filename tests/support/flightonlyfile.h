#pragma once

#include <QByteArray>
#include <QString>

// The scenario file that a scenario with only a flight chosen gives, with its description and
// the applet flag, written out by hand: 19 lines, each ending in CR LF.
inline QByteArray flightOnlyFile(const QByteArray& name, const QByteArray& flight,
                                 const QByteArray& applet = "app",
                                 const QByteArray& description = {})
{
    return QStringLiteral("@echo off\r\n"
                          "goto next\r\n"
                          "%4\r\n"
                          "%1\r\n"
                          "%3\r\n"
                          " \r\n"
                          "%2\r\n"
                          "%1\r\n"
                          "%4\r\n"
                          "\r\n"
                          "\r\n"
                          "\r\n"
                          "%3\r\n"
                          ":next\r\n"
                          "\r\n"
                          "call qel.bat   \r\n"
                          "\r\n"
                          ":end\r\n"
                          "del qeltemp.bat >nul\r\n")
        .arg(QLatin1String(name), QLatin1String(flight), QLatin1String(applet),
             QLatin1String(description))
        .toLatin1();
}
