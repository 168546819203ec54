#pragma once

#include "platform/WindowForm.h"

#include <QDialog>
#include <QKeySequence>

namespace Ui {
class MWinPreferences;
}

// The Preferences window: the global shortcut, paste after copy, copy without the
// first line, start at login and the account's client id. It only shows values and
// says what the user chose; the app applies and saves each choice at once and
// tells the window how it went (a shortcut another program holds, say). Modal to
// itself, like the About window, so the tray menu stays usable.
class MWinPreferences : public QDialog
{
    Q_OBJECT

public:
    explicit MWinPreferences(QWidget *parent = nullptr);
    ~MWinPreferences() override;

    // Builds the window, once; the setters and showWindow call it.
    void loadWindow();
    // Runs the window modally until it is closed.
    int showWindow();

    void setGlobalShortcut(const QKeySequence &keys);
    // A sentence under the shortcut (taken, not available here); empty hides it.
    void setShortcutNote(const QString &note, bool problem);
    // `supported` false: the platform forbids it; the box is off and says why.
    void setPasteAfterCopy(bool on, bool supported);
    void setCopyWithoutName(bool on);
    void setCopyFormatting(bool on);
    void setOrderByUse(bool on);
    void setStartAtLogin(bool on, bool supported);
    void setClientId(const QString &clientId);

signals:
    // Each choice as the user makes it.
    void globalShortcutChosen(const QKeySequence &keys);
    void pasteAfterCopyToggled(bool on);
    void copyWithoutNameToggled(bool on);
    void copyFormattingToggled(bool on);
    void orderByUseToggled(bool on);
    void startAtLoginToggled(bool on);
    // A valid client id (lower case, no braces), or empty for the built-in one.
    void clientIdChosen(const QString &clientId);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void done(int result) override;

private:
    void windowDidLoad();
    // Checks the client id field; says so under it when it is not a GUID.
    void checkClientId();
    // Passes on a valid client id that differs from the one last passed on.
    void commitClientId();
    void setNote(class QLabel *label, const QString &text, bool problem);
    // Passes on a shortcut that differs from the one shown before.
    void chooseShortcut(const QKeySequence &keys);

    WindowForm<Ui::MWinPreferences> m_Ui;
    QString m_ClientId;
    QKeySequence m_Shortcut;
};
