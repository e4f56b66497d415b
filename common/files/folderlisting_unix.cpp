#include "folderlisting.h"

#include <QFile>

#include <cstring>

#include <dirent.h>
#include <sys/stat.h>

namespace qel::listing {

void forEachFileName(const QString& folder, const std::function<void(QStringView)>& take)
{
    DIR* dir = opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return;
    QString name; // reused: plain ASCII names, the usual ones, need no allocation of their own
    while (const dirent* entry = readdir(dir)) {
        bool listed = true;
        if (entry->d_type == DT_DIR) {
            listed = false;
        } else if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            // Only here is the entry looked at: a link counts as what it points to, and a link
            // that points nowhere is listed, as QDir lists it.
            struct stat target;
            listed =
                fstatat(dirfd(dir), entry->d_name, &target, 0) != 0 || !S_ISDIR(target.st_mode);
        }
        if (!listed)
            continue;
        const auto* raw = reinterpret_cast<const unsigned char*>(entry->d_name);
        const qsizetype length = qsizetype(std::strlen(entry->d_name));
        name.resize(length);
        QChar* out = name.data();
        bool ascii = true;
        for (qsizetype i = 0; i < length && ascii; ++i) {
            ascii = raw[i] < 0x80;
            out[i] = QChar(raw[i]);
        }
        if (!ascii)
            name = QFile::decodeName(entry->d_name);
        take(name);
    }
    closedir(dir);
}

} // namespace qel::listing
