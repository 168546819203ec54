#pragma once

#include <QListView>

// The list of one tab (or of the search results): names only, one click copies.
class MTableView : public QListView
{
    Q_OBJECT

public:
    explicit MTableView(QWidget *parent = nullptr);

    // Index of the selected row, or -1 when no row is selected.
    int selectedRow() const;
    // Moves the selection by `delta` rows, clamped to the list; selects the first
    // row when none is selected.
    void moveSelection(int delta);

signals:
    // Enter or Return on a selected row: copy it as a click would.
    void rowActivated();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
