#include "board/EmptyBoard.h"

#include "core/Preferences.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

EmptyBoard::Kind EmptyBoard::KindFor(bool hasItems, bool hasClientId, bool hasSignIn,
                                     bool pageMissing, bool creatingPage, bool pageLoaded)
{
    if (hasItems)
        return Kind::None;
    if (!hasClientId)
        return Kind::Setup;
    if (!hasSignIn)
        return Kind::NotSignedIn;
    if (creatingPage)
        return Kind::Creating;
    if (pageLoaded)
        return Kind::NoItems;
    return pageMissing ? Kind::NoPage : Kind::Looking;
}

EmptyBoard::EmptyBoard(QWidget *tabView)
    : QWidget(tabView), m_Title(new QLabel(this)), m_Text(new QLabel(this)),
      m_Problem(new QLabel(this)), m_ClientIdRow(new QWidget(this)),
      m_ClientIdEdit(new QLineEdit(m_ClientIdRow)), m_ClientIdNote(new QLabel(this)),
      m_UseClientId(new QPushButton(tr("Use This Client Id"), m_ClientIdRow)),
      m_OpenRegistration(new QPushButton(tr("Open the Registration Page"), this)),
      m_SignIn(new QPushButton(tr("Sign In…"), this)),
      m_CreatePage(new QPushButton(tr("Create the Page"), this)),
      m_OpenWeb(new QPushButton(tr("Open OneNote on the Web"), this)),
      m_Refresh(new QPushButton(tr("Refresh"), this))
{
    setObjectName(QStringLiteral("emptyBoard"));
    m_Problem->setObjectName(QStringLiteral("emptyBoardProblem"));
    m_ClientIdEdit->setObjectName(QStringLiteral("setupClientIdEdit"));
    m_ClientIdNote->setObjectName(QStringLiteral("setupClientIdNote"));
    m_UseClientId->setObjectName(QStringLiteral("useClientIdButton"));
    m_OpenRegistration->setObjectName(QStringLiteral("openRegistrationButton"));
    m_SignIn->setObjectName(QStringLiteral("signInButton"));
    m_CreatePage->setObjectName(QStringLiteral("createPageButton"));
    m_OpenWeb->setObjectName(QStringLiteral("openWebButton"));
    m_Refresh->setObjectName(QStringLiteral("refreshButton"));
    setAutoFillBackground(true);
    QFont titleFont = m_Title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    m_Title->setFont(titleFont);
    m_Title->setWordWrap(true);
    for (QLabel *label : {m_Text, m_Problem, m_ClientIdNote}) {
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    m_Text->setForegroundRole(QPalette::PlaceholderText);
    m_Problem->hide();
    m_ClientIdNote->hide();
    m_ClientIdEdit->setPlaceholderText(QStringLiteral("00000000-0000-0000-0000-000000000000"));
    m_ClientIdEdit->setAccessibleName(tr("Application (client) id"));
    m_ClientIdEdit->setClearButtonEnabled(true);
    m_UseClientId->setAccessibleDescription(
        tr("Keeps the client id in the settings and opens the sign-in."));
    m_OpenRegistration->setAccessibleDescription(
        tr("Opens the page where you register an application with Microsoft, in the web "
           "browser."));
    m_SignIn->setAccessibleDescription(tr("Opens the window where you sign in to your account."));
    m_CreatePage->setAccessibleDescription(
        tr("Creates a page titled Pinlark in your notebook, with a few starter snippets."));
    m_OpenWeb->setAccessibleDescription(tr("Opens your notebook in the web browser."));
    m_Refresh->setAccessibleDescription(tr("Looks for your Pinlark page again now."));

    auto *idRow = new QHBoxLayout(m_ClientIdRow);
    idRow->setContentsMargins(0, 0, 0, 0);
    idRow->addWidget(m_ClientIdEdit, 1);
    idRow->addWidget(m_UseClientId);
    // The main step on a row of its own, the others below: a narrow board cuts no
    // button's text short.
    auto *mainButtons = new QHBoxLayout;
    for (QPushButton *button : {m_SignIn, m_CreatePage})
        mainButtons->addWidget(button);
    mainButtons->addStretch();
    auto *otherButtons = new QHBoxLayout;
    for (QPushButton *button : {m_OpenRegistration, m_OpenWeb, m_Refresh})
        otherButtons->addWidget(button);
    otherButtons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 24, 16, 16);
    layout->setSpacing(12);
    layout->addWidget(m_Title);
    layout->addWidget(m_Text);
    layout->addWidget(m_ClientIdRow);
    layout->addWidget(m_ClientIdNote);
    layout->addWidget(m_Problem);
    layout->addLayout(mainButtons);
    layout->addLayout(otherButtons);
    layout->addStretch();

    connect(m_SignIn, &QPushButton::clicked, this, &EmptyBoard::signInRequested);
    connect(m_CreatePage, &QPushButton::clicked, this, &EmptyBoard::createPageRequested);
    connect(m_OpenWeb, &QPushButton::clicked, this, &EmptyBoard::openWebRequested);
    connect(m_Refresh, &QPushButton::clicked, this, &EmptyBoard::refreshRequested);
    connect(m_OpenRegistration, &QPushButton::clicked, this,
            &EmptyBoard::openRegistrationRequested);
    connect(m_UseClientId, &QPushButton::clicked, this, &EmptyBoard::takeClientId);
    connect(m_ClientIdEdit, &QLineEdit::returnPressed, this, &EmptyBoard::takeClientId);
    connect(m_ClientIdEdit, &QLineEdit::textEdited, m_ClientIdNote, &QWidget::hide);

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

void EmptyBoard::takeClientId()
{
    const std::optional<QString> clientId = Preferences::ClientIdFromText(m_ClientIdEdit->text());
    if (!clientId || clientId->isEmpty()) {
        m_ClientIdNote->setText(
            m_ClientIdEdit->text().trimmed().isEmpty()
                ? tr("Paste the Application (client) ID of your app registration here.")
                : tr("This is not a client id: it has the form "
                     "0a1b2c3d-4e5f-6a7b-8c9d-0e1f2a3b4c5d."));
        m_ClientIdNote->show();
        m_ClientIdEdit->setFocus();
        return;
    }
    m_ClientIdNote->hide();
    emit clientIdEntered(*clientId);
}

QPushButton *EmptyBoard::mainButton() const
{
    switch (m_Kind) {
    case Kind::Setup:
        return m_UseClientId;
    case Kind::NotSignedIn:
        return m_SignIn;
    case Kind::NoPage:
        return m_CreatePage;
    case Kind::Looking:
    case Kind::NoItems:
        return m_Refresh;
    case Kind::None:
    case Kind::Creating:
        break;
    }
    return nullptr;
}

void EmptyBoard::pressMainButton()
{
    // The setup's button wants an id first: Enter elsewhere leads to the field.
    if (m_Kind == Kind::Setup && m_ClientIdEdit->text().trimmed().isEmpty()) {
        m_ClientIdEdit->setFocus();
        return;
    }
    if (QPushButton *button = mainButton(); button && button->isEnabled())
        button->click();
}

void EmptyBoard::setProblem(const QString &text)
{
    if (m_Problem->text() == text && m_Problem->isHidden() == text.isEmpty())
        return;
    m_Problem->setText(text);
    m_Problem->setVisible(!text.isEmpty());
    setAccessibleDescription(text.isEmpty() ? m_Text->text() : m_Text->text() + u'\n' + text);
}

void EmptyBoard::setRedirectAddress(const QString &address)
{
    if (address == m_RedirectAddress)
        return;
    m_RedirectAddress = address;
    if (m_Kind == Kind::Setup)
        setTexts();
}

void EmptyBoard::setTexts()
{
    switch (m_Kind) {
    case Kind::None:
        break;
    case Kind::Setup:
        m_Title->setText(tr("Pinlark needs a client id to sign in"));
        m_Text->setText(
            tr("Microsoft lets an app sign in to your notebook only under an application "
               "(client) id registered for it, and this copy of Pinlark has none built in. "
               "Registering one is free and takes a few minutes:\n"
               "1. Open the registration page and sign in with your Microsoft account.\n"
               "2. Choose New registration, give it any name, and pick an account type that "
               "includes personal Microsoft accounts.\n"
               "3. Under Redirect URI, choose Public client/native (mobile and desktop) and "
               "enter %1\n"
               "4. Register, copy the Application (client) ID and paste it here.")
                .arg(m_RedirectAddress));
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
            tr("Pinlark can create the page for you, in a section named Pinlark, with a few "
               "starter snippets that show how it works. Or make it yourself in any section: "
               "each level-1 heading (Heading 1) becomes a tab, and the paragraphs under it "
               "become the tab's items; then choose Refresh."));
        break;
    case Kind::Creating:
        m_Title->setText(tr("Creating your Pinlark page…"));
        m_Text->setText(tr("Pinlark is making the page in your notebook. Its starter snippets "
                           "appear here as soon as it is there."));
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
    setAccessibleDescription(
        m_Problem->text().isEmpty() ? m_Text->text() : m_Text->text() + u'\n' + m_Problem->text());
}

void EmptyBoard::setKind(Kind kind)
{
    if (kind == m_Kind)
        return;
    m_Kind = kind;
    setTexts();
    m_ClientIdRow->setVisible(kind == Kind::Setup);
    if (kind != Kind::Setup)
        m_ClientIdNote->hide();
    m_OpenRegistration->setVisible(kind == Kind::Setup);
    m_SignIn->setVisible(kind == Kind::NotSignedIn);
    m_CreatePage->setVisible(kind == Kind::NoPage);
    m_OpenWeb->setVisible(kind == Kind::NoPage);
    m_Refresh->setVisible(kind == Kind::Looking || kind == Kind::NoPage || kind == Kind::NoItems);
    // The main button looks like the default one; Enter in the empty search field
    // presses it (the board is no dialog, so the shell passes the key on).
    for (QPushButton *button :
         {m_UseClientId, m_SignIn, m_CreatePage, m_OpenRegistration, m_OpenWeb, m_Refresh})
        button->setDefault(button == mainButton());
    // Made after the tab view's own bar and page stack, it stays above them.
    setVisible(kind != Kind::None);
}
