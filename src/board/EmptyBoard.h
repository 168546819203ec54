#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// What the board shows instead of an empty tab area: why it is empty and the next
// step, with a button for it. It lies over the tab view and follows its size.
class EmptyBoard : public QWidget
{
    Q_OBJECT

public:
    enum class Kind {
        // The board has items: nothing to explain.
        None,
        // No sign-in to use or renew (never signed in, or the window was closed).
        NotSignedIn,
        // Signed in; the worker is still looking for the page.
        Looking,
        // Signed in; the service holds no page titled Pinlark.
        NoPage,
        // The page was found but holds no items.
        NoItems,
    };

    // Which explanation fits. The board's own items come first: a board from the
    // cache stays usable whatever the sign-in.
    static Kind KindFor(bool hasItems, bool hasSignIn, bool pageMissing, bool pageLoaded);

    explicit EmptyBoard(QWidget *tabView);

    void setKind(Kind kind);
    Kind kind() const { return m_Kind; }

signals:
    void signInRequested();
    void openWebRequested();
    void refreshRequested();

private:
    bool eventFilter(QObject *watched, QEvent *event) override;

    Kind m_Kind = Kind::None;
    QLabel *m_Title;
    QLabel *m_Text;
    QPushButton *m_SignIn;
    QPushButton *m_OpenWeb;
    QPushButton *m_Refresh;
};
