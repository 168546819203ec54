#pragma once

#include <QLineEdit>

// The board's search field. Besides reporting each edit, it lends the keyboard to
// the list below it, so the board can be used without leaving the field.
class MSearchField : public QLineEdit
{
    Q_OBJECT

public:
    explicit MSearchField(QWidget *parent = nullptr);

signals:
    void textDidChange(const QString &text);
    void moveSelectionRequested(int delta);
    // Enter copies the chosen item; with Shift, as plain text only.
    void copySelectionRequested(bool plainText);
    // Escape with an empty field.
    void dismissRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
