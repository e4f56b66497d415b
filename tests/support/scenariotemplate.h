#pragma once

// Scenario files for the tests that open them, written out by hand once: the 19 lines, each ending
// in CR LF, with the lines a test varies filled in.

#include <QByteArray>
#include <QLatin1String>
#include <QString>

// The lines of a scenario file that a test varies, as bytes in the file; the others are those of
// a file with nothing chosen.
struct ScenarioLines {
    QByteArray description = {};
    QByteArray fileName = {};
    QByteArray applet = "app";
    QByteArray picture = " ";
    QByteArray flight = " ";
    QByteArray style = {};
    QByteArray ground = {};
    QByteArray set = {};
};

// A scenario file written out by hand, with the lines of `s` in their places.
inline QByteArray scenarioFile(const ScenarioLines& s)
{
    return QStringLiteral("@echo off\r\n"
                          "goto next\r\n"
                          "%1\r\n"
                          "%2\r\n"
                          "%3\r\n"
                          "%4\r\n"
                          "%5\r\n"
                          "%2\r\n"
                          "%1\r\n"
                          "%6\r\n"
                          "%7\r\n"
                          "%8\r\n"
                          "%3\r\n"
                          ":next\r\n"
                          "\r\n"
                          "call qel.bat %6 %7 %8\r\n"
                          "\r\n"
                          ":end\r\n"
                          "del qeltemp.bat >nul\r\n")
        .arg(QLatin1String(s.description), QLatin1String(s.fileName), QLatin1String(s.applet),
             QLatin1String(s.picture), QLatin1String(s.flight), QLatin1String(s.style),
             QLatin1String(s.ground), QLatin1String(s.set))
        .toLatin1();
}
