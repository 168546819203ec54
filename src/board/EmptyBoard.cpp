#include "board/EmptyBoard.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

EmptyBoard::Kind EmptyBoard::KindFor(bool hasItems, bool hasSignIn, bool pageMissing,
                                     bool pageLoaded)
{
    if (hasItems)
        return Kind::None;
    if (!hasSignIn)
        return Kind::NotSignedIn;
    if (pageLoaded)
        return Kind::NoItems;
    return pageMissing ? Kind::NoPage : Kind::Looking;
}

EmptyBoard::EmptyBoard(QWidget *tabView)
    : QWidget(tabView), m_Title(new QLabel(this)), m_Text(new QLabel(this)),
      m_SignIn(new QPushButton(tr("Sign In…"), this)),
      m_OpenWeb(new QPushButton(tr("Open OneNote on the Web"), this)),
      m_Refresh(new QPushButton(tr("Refresh"), this))
{
    setObjectName(QStringLiteral("emptyBoard"));
    m_SignIn->setObjectName(QStringLiteral("signInButton"));
    m_OpenWeb->setObjectName(QStringLiteral("openWebButton"));
    m_Refresh->setObjectName(QStringLiteral("refreshButton"));
    setAutoFillBackground(true);
    QFont titleFont = m_Title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    m_Title->setFont(titleFont);
    m_Title->setWordWrap(true);
    m_Text->setWordWrap(true);
    m_Text->setTextFormat(Qt::PlainText);
    m_Text->setForegroundRole(QPalette::PlaceholderText);
    m_SignIn->setAccessibleDescription(tr("Opens the window where you sign in to your account."));
    m_OpenWeb->setAccessibleDescription(tr("Opens your notebook in the web browser."));
    m_Refresh->setAccessibleDescription(tr("Looks for your Pinlark page again now."));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_SignIn);
    buttons->addWidget(m_OpenWeb);
    buttons->addWidget(m_Refresh);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 24, 16, 16);
    layout->setSpacing(12);
    layout->addWidget(m_Title);
    layout->addWidget(m_Text);
    layout->addLayout(buttons);
    layout->addStretch();

    connect(m_SignIn, &QPushButton::clicked, this, &EmptyBoard::signInRequested);
    connect(m_OpenWeb, &QPushButton::clicked, this, &EmptyBoard::openWebRequested);
    connect(m_Refresh, &QPushButton::clicked, this, &EmptyBoard::refreshRequested);

    tabView->installEventFilter(this);
    setGeometry(tabView->rect());
    hide();
}

bool EmptyBoard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void EmptyBoard::setKind(Kind kind)
{
    if (kind == m_Kind)
        return;
    m_Kind = kind;
    switch (kind) {
    case Kind::None:
        break;
    case Kind::NotSignedIn:
        m_Title->setText(tr("Sign in to see your snippets"));
        m_Text->setText(tr("Pinlark shows the snippets on the page titled Pinlark in your "
                           "OneNote notebook. Sign in with your Microsoft account to load it."));
        break;
    case Kind::Looking:
        m_Title->setText(tr("Looking for your Pinlark page…"));
        m_Text->setText(tr("Pinlark is looking for a page titled Pinlark in your notebook. "
                           "Its snippets appear here as soon as it is found."));
        break;
    case Kind::NoPage:
        m_Title->setText(tr("No page titled Pinlark yet"));
        m_Text->setText(
            tr("Make a page titled Pinlark in any section of your notebook. Each level-1 "
               "heading (Heading 1) becomes a tab, and the paragraphs under it become the "
               "tab's items. Then choose Refresh."));
        break;
    case Kind::NoItems:
        m_Title->setText(tr("Your Pinlark page has no items yet"));
        m_Text->setText(
            tr("Under a level-1 heading, write an item: its first paragraph is the name shown "
               "in the list, and it is copied with the paragraphs that follow it. Two empty "
               "lines end an item."));
        break;
    }
    // A screen reader that reaches the explanation reads why the board is empty.
    setAccessibleName(m_Title->text());
    setAccessibleDescription(m_Text->text());
    m_SignIn->setVisible(kind == Kind::NotSignedIn);
    m_OpenWeb->setVisible(kind == Kind::NoPage);
    m_Refresh->setVisible(kind == Kind::Looking || kind == Kind::NoPage || kind == Kind::NoItems);
    // Made after the tab view's own bar and page stack, it stays above them.
    setVisible(kind != Kind::None);
}
