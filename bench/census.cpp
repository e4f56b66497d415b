#include "census.h"

#include <QMap>
#include <QMetaObject>
#include <QWidget>

namespace bench {

namespace {

// Most specific first: a control counts as the first of these that it is.
const char* const kinds[] = {"QListView", "QLineEdit", "QPushButton", "QRadioButton", "QCheckBox",
                             "QGroupBox", "QLabel",    "QFrame",      "QWidget"};

QString kindOf(const QWidget* w)
{
    for (const QMetaObject* m = w->metaObject(); m; m = m->superClass()) {
        for (const char* kind : kinds) {
            if (qstrcmp(m->className(), kind) == 0)
                return QLatin1String(kind);
        }
    }
    return QStringLiteral("QWidget");
}

} // namespace

QStringList census(const QWidget& window)
{
    QMap<QString, QPair<int, int>> counts;
    const QList<QWidget*> children = window.findChildren<QWidget*>();
    for (const QWidget* w : children) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || w->isWindow())
            continue;
        auto& [total, hidden] = counts[kindOf(w)];
        ++total;
        if (!w->isVisibleTo(&window))
            ++hidden;
    }
    QStringList args{QStringLiteral("%1x%2").arg(window.width()).arg(window.height())};
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        args << QStringLiteral("%1=%2/%3").arg(it.key()).arg(it->first).arg(it->second);
    return args;
}

int widgetCount(const QStringList& census)
{
    int n = 0;
    for (const QString& arg : census.mid(1))
        n += arg.section(QLatin1Char('='), 1).section(QLatin1Char('/'), 0, 0).toInt();
    return n;
}

} // namespace bench
