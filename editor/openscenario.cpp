#include "openscenario.h"

#include "messages.h"
#include "names.h"
#include "paths.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace qel::scenario {

Decoded readFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {{}, QCoreApplication::translate("qel::editor", "It does not exist (any more).")};
    if (!info.isFile())
        return {{}, QCoreApplication::translate("qel::editor", "It is not a regular file.")};
    const QString tooLarge =
        QCoreApplication::translate("qel::editor",
                                    "It is larger than %1 KiB, far more than a scenario "
                                    "file holds.")
            .arg(maxFileSize / 1024);
    if (info.size() > maxFileSize)
        return {{}, tooLarge};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{},
                QCoreApplication::translate("qel::editor", "It cannot be read: %1.")
                    .arg(messages::reasonInline(file.errorString()))};
    // One byte more than allowed tells a file that grew since it was measured.
    const QByteArray bytes = file.read(maxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return {{},
                QCoreApplication::translate("qel::editor", "It cannot be read: %1.")
                    .arg(messages::reasonInline(file.errorString()))};
    if (bytes.size() > maxFileSize)
        return {{}, tooLarge};
    return decode(bytes);
}

pictures::Loaded loadPicture(const QDir& qelFolder, const QString& name)
{
    if (const QString problem = names::bareNameProblem(name); !problem.isEmpty())
        return {{},
                QCoreApplication::translate(
                    "qel::editor", "It is not the plain name of a file in the \"qel\" folder. %1")
                    .arg(problem)};
    if (!paths::seenFileExists(qelFolder, name))
        return {{},
                QCoreApplication::translate("qel::editor",
                                            "There is no such file in the \"qel\" folder.")};
    return pictures::load(paths::readPath(qelFolder, name));
}

} // namespace qel::scenario
