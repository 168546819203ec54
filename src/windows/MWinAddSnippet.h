#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QPlainTextEdit;

// The small window that adds a snippet to the page: one text whose first line is
// the name the board shows, and the tab it goes to, one of the board's or a new
// one typed by name. Ctrl+Enter saves from anywhere in it, Escape cancels. It only
// gathers what the user wants; whoever opened it sends the snippet on its way.
class MWinAddSnippet : public QDialog
{
    Q_OBJECT

public:
    // `tabLabels` in board order; `currentTab` is the one the board shows (-1:
    // none). `text` fills the field, selected, so that typing replaces it.
    MWinAddSnippet(const QStringList &tabLabels, int currentTab, const QString &text,
                   QWidget *parent = nullptr);

    QString text() const;
    // The tab as typed or chosen, and its place among the board's tabs: -1 for a
    // tab the board does not have.
    QString tabLabel() const;
    int tabIndex() const;

    // The name the board would show: the first line that has more than blanks.
    static QString NameOf(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateState();
    void save();

    QStringList m_TabLabels;
    QPlainTextEdit *m_Text = nullptr;
    QLabel *m_Name = nullptr;
    QComboBox *m_Tab = nullptr;
    QLabel *m_NewTab = nullptr;
    QDialogButtonBox *m_Buttons = nullptr;
    bool m_Saved = false;
};
