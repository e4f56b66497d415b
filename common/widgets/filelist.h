#pragma once

#include <QDir>
#include <QListView>

namespace qel {

class FileListModel;

// A list of the bare names of the files in one folder that match one pattern, like the file list
// boxes of old Windows forms. The pattern matches regardless of letter case and the names are
// sorted the same way. The names are kept in one block of memory and put in order as far as they
// are shown, so folders of many thousand files stay light and quick to open.
class FileList : public QListView {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);

    // Lists `folder` (already resolved) with `pattern`, e.g. "*.stn". Clears the selection.
    void setFolder(const QDir& folder, const QString& pattern);
    // Lists nothing, e.g. when the folder does not exist.
    void clearFolder();
    // Keeps the folder, lists it again with another pattern.
    void setPattern(const QString& pattern);

    QString pattern() const { return m_pattern; }
    QDir folder() const { return m_folder; }
    QStringList names() const;
    int count() const;

    // The selected entry's bare name, or "" when none is selected.
    QString selectedName() const;
    void selectName(const QString& name);
    // Shows which entry a name set elsewhere stands for: selects the entry of that name, letter
    // case ignored (the exact spelling first), or no entry. Not reported as the user's choice.
    void showName(const QString& name);

signals:
    // An entry became the selected one, by mouse or keyboard.
    void entryChosen(const QString& name);
    void entryDoubleClicked(const QString& name);

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void updateGeometries() override;
    bool viewportEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void refill();
    int wholeRowsMargin() const;
    void showFullName(QHelpEvent* event);
    void paintFocusWithoutEntry();

    FileListModel* m_model;
    QDir m_folder;
    QString m_pattern;
    bool m_hasFolder = false;
    bool m_quiet = false; // selecting, but not for the user
};

} // namespace qel
