#include "board/MSearchField.h"

#include <QKeyEvent>

MSearchField::MSearchField(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &MSearchField::textDidChange);
}

void MSearchField::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        emit moveSelectionRequested(-1);
        return;
    case Qt::Key_Down:
        emit moveSelectionRequested(1);
        return;
    case Qt::Key_PageUp:
        emit moveSelectionRequested(-10);
        return;
    case Qt::Key_PageDown:
        emit moveSelectionRequested(10);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit copySelectionRequested(event->modifiers() & Qt::ShiftModifier);
        return;
    case Qt::Key_Escape:
        if (text().isEmpty())
            emit dismissRequested();
        else
            clear();
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}
