#pragma once

#include <QByteArray>

// The lines of a scenario file that vary, as bytes in the file. A test writes out those it
// cares about; the others are those of a file with nothing chosen.
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

// A whole scenario file, written out from the layout: 19 lines, each ending in CR LF.
inline QByteArray scenarioFile(const ScenarioLines& s)
{
    const QByteArray lines[] = {"@echo off",
                                "goto next",
                                s.description,
                                s.fileName,
                                s.applet,
                                s.picture,
                                s.flight,
                                s.fileName,
                                s.description,
                                s.style,
                                s.ground,
                                s.set,
                                s.applet,
                                ":next",
                                "",
                                "call qel.bat " + s.style + " " + s.ground + " " + s.set,
                                "",
                                ":end",
                                "del qeltemp.bat >nul"};
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    return bytes;
}
