#include "form1.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QELedit"));
    Form1 window;
    window.show();
    QTimer::singleShot(0, &window, &Form1::reportStartProblems);
    return app.exec();
}
