#include "board/ItemPreview.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

ItemPreview::ItemPreview(QWidget *parent)
    : QFrame(parent, Qt::Popup), m_Text(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("itemPreview"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameShape(QFrame::StyledPanel);
    m_Text->setReadOnly(true);
    m_Text->setObjectName(QStringLiteral("itemPreviewText"));
    m_Text->setAccessibleName(tr("Preview"));
    // Keys the text does not use (Escape, Space) come to the popup.
    m_Text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(m_Text);
}

ItemPreview *ItemPreview::showFor(const QString &value, QWidget *list, const QRect &row)
{
    auto *preview = new ItemPreview(list);
    preview->m_Text->setPlainText(value);
    const QFontMetrics metrics = preview->m_Text->fontMetrics();
    // As many lines as the value holds, within the list's height.
    const int lines = static_cast<int>(value.count(u'\n')) + 2;
    const int height = std::min(list->height(), lines * metrics.lineSpacing() + 16);
    const int below = row.bottom() + 1;
    const int top = below + height <= list->height() ? below : std::max(0, row.top() - height);
    const QPoint topLeft = list->mapToGlobal(QPoint(0, top));
    preview->setGeometry(QRect(topLeft, QSize(list->width(), height)));
    preview->show();
    preview->m_Text->setFocus(Qt::PopupFocusReason);
    return preview;
}

void ItemPreview::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Space) {
        close();
        return;
    }
    QFrame::keyPressEvent(event);
}
