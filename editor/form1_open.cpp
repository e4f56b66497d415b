#include "form1.h"

#include "form5.h"
#include "messages.h"
#include "paths.h"

#include <QDir>
#include <QPushButton>

// The small button beside " Edit File" opens a saved scenario. The open dialog restores the
// style choices through their options, so it is wired together with them.
void Form1::connectOpenDialog()
{
    connect(Command11, &QPushButton::clicked, this, &Form1::Command11_Click);
}

void Form1::Command11_Click()
{
    if (m_form5)
        return; // already shown; there is only ever one
    if (!qel::paths::simulatorFolder(qel::paths::qelFolder)) {
        qel::messages::showFailure(
            this, qel::messages::missingQelFolderText(qel::messages::Program::Editor,
                                                      tr("there are no scenarios to open")));
        return;
    }
    auto* dialog = new Form5(*this);
    m_form5 = dialog;
    dialog->exec();
    delete m_form5.data();
}

Form5* Form1::form5() const
{
    return m_form5;
}
