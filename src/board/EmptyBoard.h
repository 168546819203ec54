#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// What the board shows instead of an empty tab area: why it is empty and the next
// step, with a button for it. It lies over the tab view and follows its size.
// Each state has one main button, the one Enter in the empty search field presses.
class EmptyBoard : public QWidget
{
    Q_OBJECT

public:
    enum class Kind {
        // The board has items: nothing to explain.
        None,
        // No client id to sign in with: how to register one, and a field for it.
        Setup,
        // No sign-in to use or renew (never signed in, or the window was closed).
        NotSignedIn,
        // Signed in; the worker is still looking for the page.
        Looking,
        // Signed in; the service holds no page titled Pinlark.
        NoPage,
        // The page is being created on the user's word.
        Creating,
        // The page was found but holds no items.
        NoItems,
    };

    // Which explanation fits. The board's own items come first: a board from the
    // cache stays usable whatever the sign-in.
    static Kind KindFor(bool hasItems, bool hasClientId, bool hasSignIn, bool pageMissing,
                        bool creatingPage, bool pageLoaded);

    explicit EmptyBoard(QWidget *tabView);

    void setKind(Kind kind);
    Kind kind() const { return m_Kind; }
    // A line under the explanation saying what went wrong last (a sign-in the
    // service refused, a page it would not create); empty hides it.
    void setProblem(const QString &text);
    // The redirect address the setup's registration steps name.
    void setRedirectAddress(const QString &address);

    // The state's main button, or null when it has none.
    QPushButton *mainButton() const;
    // Presses the main button, as Enter in the empty search field does.
    void pressMainButton();
    // The setup's field for the client id.
    QLineEdit *clientIdEdit() const { return m_ClientIdEdit; }

signals:
    void signInRequested();
    void openWebRequested();
    void refreshRequested();
    void createPageRequested();
    void openRegistrationRequested();
    // A client id checked to be a GUID, as the settings file keeps it.
    void clientIdEntered(const QString &clientId);

private:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void setTexts();
    void takeClientId();

    Kind m_Kind = Kind::None;
    QString m_RedirectAddress;
    QLabel *m_Title;
    QLabel *m_Text;
    QLabel *m_Problem;
    QWidget *m_ClientIdRow;
    QLineEdit *m_ClientIdEdit;
    QLabel *m_ClientIdNote;
    QPushButton *m_UseClientId;
    QPushButton *m_OpenRegistration;
    QPushButton *m_SignIn;
    QPushButton *m_CreatePage;
    QPushButton *m_OpenWeb;
    QPushButton *m_Refresh;
};
