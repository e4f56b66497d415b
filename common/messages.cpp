#include "messages.h"

#include <QApplication>
#include <QMessageBox>

namespace qel::messages {

bool askOverwrite(QWidget* parent)
{
    QMessageBox box(QMessageBox::NoIcon, overwriteTitle, overwriteText,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("overwriteQuestion"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void showSaved(QWidget* parent, bool afterOverwriteQuestion)
{
    QMessageBox box(QMessageBox::Information,
                    afterOverwriteQuestion ? QStringLiteral(" ") : QString(), savedText,
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("savedMessage"));
    box.exec();
}

void showFailure(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), text, QMessageBox::Ok,
                    parent);
    box.setObjectName(QStringLiteral("failureMessage"));
    box.exec();
}

} // namespace qel::messages
