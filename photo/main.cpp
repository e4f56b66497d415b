#include "form1.h"
#include "quitwhenidle.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qelphoto"));
    photo::Form1 window;
    window.show();
    qel::quitWhenIdle(window);
    return app.exec();
}
