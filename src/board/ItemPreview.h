#pragma once

#include <QFrame>

class QPlainTextEdit;

// A look at an item's whole value before copying it: a popup over the list, closed
// by Escape or Space (the key that opened it), or by a click elsewhere.
class ItemPreview : public QFrame
{
    Q_OBJECT

public:
    // Shows `value` over `list`, as wide as the list and at most as high, below the
    // row at `row` (in the list's coordinates) or, without room there, above it.
    static ItemPreview *showFor(const QString &value, QWidget *list, const QRect &row);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    explicit ItemPreview(QWidget *parent);

    QPlainTextEdit *m_Text;
};
