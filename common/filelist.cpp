#include "filelist.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QStringListModel>

#include <algorithm>

FileList::FileList(QWidget* parent)
    : QListView(parent)
    , m_model(new QStringListModel(this))
{
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    // Selection, not the current entry: on taking the focus the view makes its first entry
    // current without selecting it, and that must not count as the user's choice.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected) {
                const QModelIndexList indexes = selected.indexes();
                if (!indexes.isEmpty())
                    emit entryClicked(indexes.constFirst().data().toString());
            });
    connect(this, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit entryDoubleClicked(index.data().toString());
    });
}

void FileList::setFolder(const QDir& folder, const QString& pattern)
{
    m_folder = folder;
    m_pattern = pattern;
    m_hasFolder = true;
    refill();
}

void FileList::clearFolder()
{
    m_hasFolder = false;
    refill();
}

void FileList::setPattern(const QString& pattern)
{
    m_pattern = pattern;
    refill();
}

QStringList FileList::names() const { return m_model->stringList(); }

int FileList::count() const { return m_model->rowCount(); }

QString FileList::selectedName() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QString() : selected.first().data().toString();
}

void FileList::selectName(const QString& name)
{
    const int row = int(m_model->stringList().indexOf(name));
    if (row >= 0)
        setCurrentIndex(m_model->index(row));
}

void FileList::refill()
{
    QStringList found;
    if (m_hasFolder) {
        const QRegularExpression anchored(QRegularExpression::wildcardToRegularExpression(m_pattern),
                                          QRegularExpression::CaseInsensitiveOption);
        QDirIterator it(m_folder.path(), QDir::Files | QDir::Hidden | QDir::System);
        while (it.hasNext()) {
            it.next();
            const QString name = it.fileName();
            if (anchored.match(name).hasMatch())
                found.append(name);
        }
        std::sort(found.begin(), found.end(), [](const QString& a, const QString& b) {
            const int c = a.compare(b, Qt::CaseInsensitive);
            return c != 0 ? c < 0 : a < b;
        });
    }
    m_model->setStringList(found);
}
