#include "folderchooser.h"

#include "messages.h"
#include "simulatorfolder.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdio>

namespace qel::simulator {

FolderChooser::FolderChooser(const QStringList& found, QWidget* parent)
    : QDialog(parent)
    , m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("folderChooser"));
    setWindowTitle(tr("%1: where is Flight Simulator?").arg(QApplication::applicationName()));
    auto* text = new QLabel(
        found.isEmpty()
            ? tr("Choose your Flight Simulator folder, the one that holds the \"pilots\" and "
                 "\"qel\" folders, with \"Browse...\": none was found in the usual places.")
            : tr("Choose your Flight Simulator folder, the one that holds the \"pilots\" and "
                 "\"qel\" folders. These were found:"),
        this);
    text->setWordWrap(true);
    m_list->setObjectName(QStringLiteral("foundFolders"));
    for (const QString& folder : found) {
        auto* item = new QListWidgetItem(QDir::toNativeSeparators(folder), m_list);
        item->setData(Qt::UserRole, folder);
    }
    m_list->setVisible(!found.isEmpty());
    m_list->setCurrentRow(0);

    auto* buttons = new QDialogButtonBox(this);
    // With nothing found there is nothing to use.
    QPushButton* use = nullptr;
    if (!found.isEmpty()) {
        use = buttons->addButton(tr("Use this folder"), QDialogButtonBox::AcceptRole);
        use->setObjectName(QStringLiteral("useFolder"));
        connect(use, &QPushButton::clicked, this, &FolderChooser::takeSelected);
    }
    QPushButton* browse = buttons->addButton(tr("Browse..."), QDialogButtonBox::ActionRole);
    browse->setObjectName(QStringLiteral("browse"));
    QPushButton* keep =
        buttons->addButton(tr("Go on in the current folder"), QDialogButtonBox::RejectRole);
    keep->setObjectName(QStringLiteral("keepCurrent"));
    (use ? use : browse)->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    // Wide enough for a path; as high as the wrapped text needs at that width, in any font and
    // scale, with room for a few folders in the list.
    constexpr int width = 560;
    constexpr int listHeight = 260;
    const int needed = layout->totalHeightForWidth(width);
    resize(width, found.isEmpty() ? needed : qMax(needed, listHeight));

    connect(m_list, &QListWidget::itemActivated, this, &FolderChooser::takeSelected);
    connect(browse, &QPushButton::clicked, this, &FolderChooser::browse);
    connect(keep, &QPushButton::clicked, this, &FolderChooser::keepCurrent);
}

void FolderChooser::takeSelected()
{
    if (const QListWidgetItem* item = m_list->currentItem()) {
        m_folder = item->data(Qt::UserRole).toString();
        accept();
    }
}

void FolderChooser::browse()
{
    QFileDialog dialog(this, tr("Flight Simulator folder"), QDir::homePath());
    dialog.setObjectName(QStringLiteral("browseDialog"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString folder = QDir(dialog.selectedFiles().first()).absolutePath();
    if (!holdsSimulator(folder)) {
        QMessageBox warning(
            QMessageBox::Warning, windowTitle(),
            tr("The folder \"%1\" holds neither a \"pilots\" nor a \"qel\" folder, so it does not "
               "look like a Flight Simulator folder.")
                .arg(QDir::toNativeSeparators(folder)),
            QMessageBox::NoButton, this);
        warning.setObjectName(QStringLiteral("notSimulatorFolder"));
        QPushButton* again = warning.addButton(tr("Choose again"), QMessageBox::RejectRole);
        warning.addButton(tr("Use it anyway"), QMessageBox::AcceptRole);
        warning.setDefaultButton(again);
        warning.setEscapeButton(again);
        warning.exec();
        if (warning.clickedButton() == again)
            return;
    }
    m_folder = folder;
    accept();
}

void FolderChooser::keepCurrent()
{
    m_folder.clear();
    reject();
}

bool enterStartFolder(const QStringList& arguments)
{
    const StartFolder start = findStartFolder(arguments);
    QString folder = start.folder;
    switch (start.step) {
    case Step::Refused:
        std::fprintf(stderr, "%s\n", qPrintable(start.error));
        messages::showFailure(nullptr, start.error);
        return false;
    case Step::Current:
        return true;
    case Step::Ask: {
        FolderChooser chooser(foundFolders());
        chooser.exec();
        folder = chooser.folder();
        if (folder.isEmpty())
            return true;
        break;
    }
    case Step::Argument:
    case Step::Remembered:
        break;
    }
    if (!QDir::setCurrent(folder)) {
        messages::showFailure(
            nullptr, QApplication::translate("qel", "The folder \"%1\" cannot be "
                                                    "opened. %2 works in the current "
                                                    "folder (%3).")
                         .arg(QDir::toNativeSeparators(folder), QApplication::applicationName(),
                              QDir::toNativeSeparators(QDir::currentPath())));
        return true;
    }
    if (start.step != Step::Remembered && holdsSimulator(folder))
        rememberFolder(folder);
    return true;
}

} // namespace qel::simulator
