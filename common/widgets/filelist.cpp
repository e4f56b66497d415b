#include "filelist.h"

#include "folderlisting.h"
#include "paths.h"

#include <QAbstractListModel>
#include <QHelpEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QStyleOptionFocusRect>
#include <QToolTip>

#include <algorithm>
#include <optional>
#include <vector>

namespace qel {

namespace {

// QString::compare ignoring letter case, without folding every character through the Unicode
// tables while both names are plain ASCII, as saved flight names are.
int compareIgnoringCase(QStringView a, QStringView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        if (x == y)
            continue;
        if (x >= 0x80 || y >= 0x80)
            return a.compare(b, Qt::CaseInsensitive);
        if (x >= 'A' && x <= 'Z')
            x += 'a' - 'A';
        if (y >= 'A' && y <= 'Z')
            y += 'a' - 'A';
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// Regardless of letter case; names that differ only in case in a fixed order.
bool listedBefore(QStringView a, QStringView b)
{
    const int c = compareIgnoringCase(a, b);
    return c != 0 ? c < 0 : a.compare(b) < 0;
}

// Tells whether a name matches the list's pattern, ignoring letter case. The usual pattern, a
// star and an extension ("*.stn"), is a plain suffix test: a folder of many thousand files is
// listed without running a regular expression for every name.
class NameMatcher {
public:
    explicit NameMatcher(const QString& pattern)
    {
        const QString rest = pattern.mid(1);
        static const QRegularExpression wildcard(QStringLiteral("[*?\\[\\]]"));
        if (pattern.startsWith(QLatin1Char('*')) && !rest.contains(wildcard))
            m_suffix = rest;
        else
            m_anchored.setPattern(QRegularExpression::wildcardToRegularExpression(pattern));
        m_anchored.setPatternOptions(QRegularExpression::CaseInsensitiveOption);
    }
    bool operator()(QStringView name) const
    {
        return m_suffix ? name.endsWith(*m_suffix, Qt::CaseInsensitive)
                        : m_anchored.match(name).hasMatch();
    }

private:
    std::optional<QString> m_suffix;
    QRegularExpression m_anchored;
};

} // namespace

// The names, kept in one block of memory with the place of each: a folder of many thousand files
// costs a handful of allocations, not one per name. Only the first rows, the ones a list box shows
// at first, and the last are put in order at once; the rest are sorted the first time any of them
// is needed (scrolling, the keyboard, a search), which is the same order, just later.
class FileListModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    // Several folders are listed as one, the first spelling of a name winning.
    void fill(const QList<QDir>& folders, const QString& pattern)
    {
        beginResetModel();
        m_block.clear();
        m_rows.clear();
        const NameMatcher matches(pattern);
        QSet<QString> taken;
        for (const QDir& folder : folders) {
            const bool merging = folders.size() > 1;
            qel::listing::forEachFileName(folder.path(), [&](QStringView name) {
                if (!matches(name))
                    return;
                if (merging) {
                    const QString key = name.toString().toCaseFolded();
                    if (taken.contains(key))
                        return;
                    taken.insert(key);
                }
                m_rows.push_back({m_block.size(), name.size()});
                m_block.append(name);
            });
        }
        m_ordered = std::min(m_rows.size(), firstRows);
        std::partial_sort(m_rows.begin(), m_rows.begin() + qsizetype(m_ordered), m_rows.end(),
                          Before{this});
        // The view sizes its rows by the last one, so that one is put in its place too.
        if (m_ordered < m_rows.size())
            std::iter_swap(
                std::max_element(m_rows.begin() + qsizetype(m_ordered), m_rows.end(), Before{this}),
                m_rows.end() - 1);
        endResetModel();
    }
    void clear()
    {
        beginResetModel();
        m_block.clear();
        m_rows.clear();
        m_ordered = 0;
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_rows.size());
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= rowCount() ||
            (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::ToolTipRole))
            return {};
        return nameAt(index.row()).toString();
    }

    QStringList names() const
    {
        QStringList all;
        all.reserve(rowCount());
        for (int row = 0; row < rowCount(); ++row)
            all.append(nameAt(row).toString());
        return all;
    }
    int row(const QString& name, Qt::CaseSensitivity cs = Qt::CaseSensitive) const
    {
        for (int row = 0; row < rowCount(); ++row) {
            if (cs == Qt::CaseSensitive ? nameAt(row) == name
                                        : compareIgnoringCase(nameAt(row), name) == 0)
                return row;
        }
        return -1;
    }

private:
    struct Row {
        qsizetype start;
        qsizetype length;
    };
    struct Before {
        const FileListModel* model;
        bool operator()(const Row& a, const Row& b) const
        {
            return listedBefore(model->view(a), model->view(b));
        }
    };
    static constexpr size_t firstRows = 64;

    QStringView view(const Row& r) const { return QStringView(m_block).mid(r.start, r.length); }
    QStringView nameAt(int row) const
    {
        if (size_t(row) >= m_ordered && size_t(row) + 1 < m_rows.size()) {
            // The first rows are the smallest names, in order, and the last row the largest;
            // sorting the rest completes the order.
            std::sort(m_rows.begin() + qsizetype(m_ordered), m_rows.end(), Before{this});
            m_ordered = m_rows.size();
        }
        return view(m_rows[size_t(row)]);
    }

    QString m_block;
    mutable std::vector<Row> m_rows;
    mutable size_t m_ordered = 0; // rows before this one are in their final places
};

FileList::FileList(QWidget* parent)
    : QListView(parent)
    , m_model(new FileListModel(this))
{
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    // The strip below the last whole row (see wholeRowsMargin) looks like the rest of the list.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    // Selection, not the current entry: on taking the focus the view makes its first entry
    // current without selecting it, and that must not count as the user's choice.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected) {
                const QModelIndexList indexes = selected.indexes();
                if (!indexes.isEmpty() && !m_quiet)
                    emit entryChosen(indexes.constFirst().data().toString());
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

QStringList FileList::names() const
{
    return m_model->names();
}

int FileList::count() const
{
    return m_model->rowCount();
}

QString FileList::selectedName() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QString() : selected.first().data().toString();
}

void FileList::selectName(const QString& name)
{
    const int row = m_model->row(name);
    if (row >= 0)
        setCurrentIndex(m_model->index(row));
}

void FileList::showName(const QString& name)
{
    int row = m_model->row(name);
    if (row < 0)
        row = m_model->row(name, Qt::CaseInsensitive);
    m_quiet = true;
    if (row >= 0) {
        setCurrentIndex(m_model->index(row));
        scrollTo(currentIndex());
    } else {
        clearSelection();
        setCurrentIndex(QModelIndex());
    }
    m_quiet = false;
}

QModelIndex FileList::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // With no entry current yet, the view would answer every key with the first entry; End
    // still goes to the last.
    if (action == MoveEnd && !currentIndex().isValid() && m_model->rowCount() > 0)
        return m_model->index(m_model->rowCount() - 1);
    return QListView::moveCursor(action, modifiers);
}

void FileList::refill()
{
    if (m_hasFolder)
        m_model->fill(paths::seenFolders(m_folder), m_pattern);
    else
        m_model->clear();
    // Settles "no entry" as the starting point: otherwise the view makes its first entry current
    // when it takes the focus, and the first arrow key would skip to the second.
    setCurrentIndex(QModelIndex());
}

// The rows are all of one height; an empty strip at the bottom of the list, less than a row high,
// keeps the last visible row from being cut in half.
int FileList::wholeRowsMargin() const
{
    const int rowHeight = m_model->rowCount() > 0 ? sizeHintForRow(0) : 0;
    if (rowHeight <= 0)
        return 0;
    int height = contentsRect().height();
    if (horizontalScrollBar()->isVisible())
        height -= horizontalScrollBar()->height();
    return height > rowHeight ? height % rowHeight : 0;
}

void FileList::updateGeometries()
{
    const int margin = wholeRowsMargin();
    if (viewportMargins().bottom() != margin)
        setViewportMargins(0, 0, 0, margin);
    QListView::updateGeometries();
}

bool FileList::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        showFullName(static_cast<QHelpEvent*>(event));
        return true;
    }
    return QListView::viewportEvent(event);
}

// A name longer than the list is cut short; its tool tip shows it whole.
void FileList::showFullName(QHelpEvent* event)
{
    const QModelIndex index = indexAt(event->pos());
    const QRect shown = visualRect(index).intersected(viewport()->rect());
    if (index.isValid() && sizeHintForIndex(index).width() > shown.width())
        QToolTip::showText(event->globalPos(), index.data(Qt::ToolTipRole).toString(), viewport(),
                           shown);
    else
        QToolTip::hideText();
}

void FileList::paintEvent(QPaintEvent* event)
{
    QListView::paintEvent(event);
    if (hasFocus() && !currentIndex().isValid())
        paintFocusWithoutEntry();
}

// The view repaints only the entries that change; the focus frame drawn without an entry must go
// as well, once an entry is chosen or the focus leaves.
void FileList::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QListView::currentChanged(current, previous);
    if (!previous.isValid())
        viewport()->update();
}

void FileList::focusOutEvent(QFocusEvent* event)
{
    QListView::focusOutEvent(event);
    viewport()->update();
}

// With no entry chosen yet the view draws no focus at all, and a user moving with Tab could not
// see where the keyboard is; a focus frame around the top row shows it.
void FileList::paintFocusWithoutEntry()
{
    QPainter painter(viewport());
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.state |= QStyle::State_KeyboardFocusChange;
    option.backgroundColor = palette().color(QPalette::Base);
    const QModelIndex top = indexAt(QPoint(0, 0));
    option.rect = top.isValid() ? visualRect(top) : viewport()->rect();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

} // namespace qel
