#pragma once

#include <QLineEdit>
#include <QListView>
#include <QPointer>

// The list of one tab (or of the search results): names only, one click copies.
// Long names are cut short with "…" rather than scrolled sideways; a search result
// shows the label of its tab at the right.
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
    // Selects the first row, if there is one, and shows it.
    void selectFirstRow();

    // Where typing in the list goes on: letters, Backspace and Escape move the focus
    // to this field and act there, so the user can search from anywhere.
    void setTypingTarget(QLineEdit *field) { m_TypingTarget = field; }
    // Whether Shift was held when the latest click began: a plain-text copy.
    bool shiftClicked() const { return m_ShiftClicked; }

signals:
    // Enter or Return on a selected row: copy it as a click would; with Shift, as
    // plain text only.
    void rowActivated(bool plainText);
    // Space on a selected row: show its whole value.
    void previewRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    bool isSelectable(int row) const;

    QPointer<QLineEdit> m_TypingTarget;
    bool m_ShiftClicked = false;
};
