#include "names.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace qel::names {

namespace {

// Windows keeps these names for devices, with or without an extension ("nul.qel" too, and
// "nul .qel"); the ports include 0 and the superscript digits ¹ ² ³.
bool isDeviceName(const QString& name)
{
    static const QRegularExpression device(
        QStringLiteral("^(CON|PRN|AUX|NUL|CONIN\\$|CONOUT\\$|COM[0-9\u00B9\u00B2\u00B3]|"
                       "LPT[0-9\u00B9\u00B2\u00B3]) *(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    return device.match(name).hasMatch();
}

QString describe(QChar c)
{
    if (c.unicode() < 0x20 || c.unicode() == 0x7f)
        return QCoreApplication::translate("qel", "a control character");
    return QStringLiteral("\"%1\"").arg(c);
}

} // namespace

QString bareNameProblem(const QString& name)
{
    if (name.isEmpty())
        return QCoreApplication::translate("qel", "The name is empty.");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QCoreApplication::translate("qel", "\"%1\" names a folder, not a file.").arg(name);
    if (QString tooLong = lengthProblem(name); !tooLong.isEmpty())
        return tooLong;
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    for (QChar c : name) {
        if (refused.contains(c) || c.unicode() < 0x20 || c.unicode() == 0x7f)
            return QCoreApplication::translate(
                       "qel", "The name contains %1, which a file name cannot hold.")
                .arg(describe(c));
    }
    if (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        return QCoreApplication::translate(
            "qel", "The name ends with a dot or a blank, which Windows drops.");
    if (isDeviceName(name))
        return QCoreApplication::translate("qel", "\"%1\" is reserved by Windows for a device.")
            .arg(name);
    return {};
}

} // namespace qel::names
