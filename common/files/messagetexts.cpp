#include "messagetexts.h"

#include <QCoreApplication>
#include <QDir>

namespace qel::messages {

namespace {

QString currentFolder()
{
    return QDir::toNativeSeparators(QDir::currentPath());
}

} // namespace

QString reasonInline(const QString& reason)
{
    QString text = reason.trimmed();
    while (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

QString reasonSentence(const QString& reason)
{
    const QString text = reason.trimmed();
    const bool ended = text.endsWith(u'.') || text.endsWith(u'!') || text.endsWith(u'?');
    return ended || text.isEmpty() ? text : text + u'.';
}

QString missingQelFolderText(Program program, const QString& consequence, bool saving)
{
    QString text = QCoreApplication::translate(
                       "qel", "There is no \"qel\" folder in the current folder (%1), so %2.\n\n")
                       .arg(currentFolder(), consequence);
    if (saving)
        text += QCoreApplication::translate(
            "qel", "If this is your Flight Simulator folder, make a folder named \"qel\" in it "
                   "and save again.\n\n");
    return text + whereToStart(program);
}

QString missingPilotsFolderText()
{
    return QCoreApplication::translate(
               "qel",
               "There is no \"pilots\" folder in the current folder (%1), so no saved flights "
               "can be listed.\n\n")
               .arg(currentFolder()) +
           whereToStart(Program::Editor);
}

} // namespace qel::messages
