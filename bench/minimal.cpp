// The floor that the programs' start-up and memory are compared with: a plain Qt Widgets window
// holding given numbers of standard widgets, and nothing else.
//
//   qel-bench-minimal WIDTHxHEIGHT KIND=TOTAL/HIDDEN ...   e.g. 560x351 QLabel=9/1 QPushButton=8/0
#include "quitwhenidle.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>

#include <cstdio>

namespace {

QWidget* make(const QString& kind, QWidget* parent, int n)
{
    const QString text = QStringLiteral("Item %1").arg(n);
    if (kind == QLatin1String("QLabel"))
        return new QLabel(text, parent);
    if (kind == QLatin1String("QPushButton"))
        return new QPushButton(text, parent);
    if (kind == QLatin1String("QLineEdit"))
        return new QLineEdit(text, parent);
    if (kind == QLatin1String("QRadioButton"))
        return new QRadioButton(text, parent);
    if (kind == QLatin1String("QCheckBox"))
        return new QCheckBox(text, parent);
    if (kind == QLatin1String("QGroupBox"))
        return new QGroupBox(text, parent);
    if (kind == QLatin1String("QListView")) {
        auto* list = new QListView(parent);
        list->setModel(new QStringListModel(QStringList{text}, list));
        return list;
    }
    if (kind == QLatin1String("QFrame"))
        return new QFrame(parent);
    if (kind == QLatin1String("QWidget"))
        return new QWidget(parent);
    return nullptr;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: qel-bench-minimal WIDTHxHEIGHT KIND=TOTAL/HIDDEN ...\n");
        return 2;
    }
    QWidget window;
    window.setWindowTitle(QStringLiteral("minimal"));
    const QStringList size = args.first().split(QLatin1Char('x'));
    window.setFixedSize(size.value(0).toInt(), size.value(1).toInt());

    int n = 0;
    for (const QString& arg : args.mid(1)) {
        const QString kind = arg.section(QLatin1Char('='), 0, 0);
        const QString counts = arg.section(QLatin1Char('='), 1);
        const int total = counts.section(QLatin1Char('/'), 0, 0).toInt();
        const int hidden = counts.section(QLatin1Char('/'), 1).toInt();
        for (int i = 0; i < total; ++i, ++n) {
            QWidget* w = make(kind, &window, n);
            if (!w) {
                std::fprintf(stderr, "unknown widget kind %s\n", qPrintable(kind));
                return 2;
            }
            w->setGeometry(8 + (n % 6) * 90, 8 + (n / 6) * 28, 84, 24);
            if (i < hidden)
                w->hide();
        }
    }
    window.show();
    qel::quitWhenIdle(window);
    return app.exec();
}
