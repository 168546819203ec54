#include "windows/MWinPreferences.h"

#include "core/Preferences.h"
#include "ui_MWinPreferences.h"

#include <QKeyEvent>
#include <QPushButton>

MWinPreferences::MWinPreferences(QWidget *parent) : QDialog(parent) {}

MWinPreferences::~MWinPreferences() = default;

void MWinPreferences::loadWindow()
{
    m_Ui.load(this, &MWinPreferences::windowDidLoad);
}

int MWinPreferences::showWindow()
{
    loadWindow();
    return ExecWindowModal(*this);
}

void MWinPreferences::windowDidLoad()
{
    setNote(m_Ui->shortcutNote, {}, false);
    setNote(m_Ui->pasteNote, {}, false);
    setNote(m_Ui->clientIdNote, {}, false);
    m_Ui->shortcutEdit->setClearButtonEnabled(true);
    // Tab, Backtab and Escape would be recorded as the shortcut; here they move
    // on and close, as everywhere else in the window.
    m_Ui->shortcutEdit->installEventFilter(this);
    connect(m_Ui->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    connect(m_Ui->shortcutEdit, &QKeySequenceEdit::editingFinished, this, [this] {
        // One chord: a global shortcut is a single combination.
        const QKeySequence keys = m_Ui->shortcutEdit->keySequence();
        const QKeySequence first = keys.isEmpty() ? QKeySequence() : QKeySequence(keys[0]);
        if (first != keys)
            m_Ui->shortcutEdit->setKeySequence(first);
        chooseShortcut(first);
    });
    // The field's own clear button says nothing else.
    connect(m_Ui->shortcutEdit, &QKeySequenceEdit::keySequenceChanged, this,
            [this](const QKeySequence &keys) {
                if (keys.isEmpty())
                    chooseShortcut(keys);
            });
    connect(m_Ui->shortcutClearButton, &QPushButton::clicked, m_Ui->shortcutEdit,
            &QKeySequenceEdit::clear);
    connect(m_Ui->pasteAfterCopyCheck, &QCheckBox::toggled, this,
            &MWinPreferences::pasteAfterCopyToggled);
    connect(m_Ui->copyWithoutNameCheck, &QCheckBox::toggled, this,
            &MWinPreferences::copyWithoutNameToggled);
    connect(m_Ui->copyFormattingCheck, &QCheckBox::toggled, this,
            &MWinPreferences::copyFormattingToggled);
    connect(m_Ui->orderByUseCheck, &QCheckBox::toggled, this, &MWinPreferences::orderByUseToggled);
    connect(m_Ui->startAtLoginCheck, &QCheckBox::toggled, this,
            &MWinPreferences::startAtLoginToggled);
    connect(m_Ui->clientIdEdit, &QLineEdit::textChanged, this, &MWinPreferences::checkClientId);
    connect(m_Ui->clientIdEdit, &QLineEdit::editingFinished, this,
            &MWinPreferences::commitClientId);
}

void MWinPreferences::setNote(QLabel *label, const QString &text, bool problem)
{
    label->setText(text);
    label->setVisible(!text.isEmpty());
    // The palette's own colours, so that a dark theme stays readable: a problem in
    // the text's colour and bold, a remark dimmed.
    QFont font = label->font();
    font.setBold(problem);
    label->setFont(font);
    label->setForegroundRole(problem ? QPalette::WindowText : QPalette::PlaceholderText);
}

void MWinPreferences::setGlobalShortcut(const QKeySequence &keys)
{
    loadWindow();
    m_Shortcut = keys;
    const QSignalBlocker quiet(m_Ui->shortcutEdit);
    m_Ui->shortcutEdit->setKeySequence(keys);
}

void MWinPreferences::chooseShortcut(const QKeySequence &keys)
{
    // The field also finishes when it merely loses the focus.
    if (keys == m_Shortcut)
        return;
    m_Shortcut = keys;
    emit globalShortcutChosen(keys);
}

void MWinPreferences::setShortcutNote(const QString &note, bool problem)
{
    loadWindow();
    setNote(m_Ui->shortcutNote, note, problem);
}

void MWinPreferences::setPasteAfterCopy(bool on, bool supported)
{
    loadWindow();
    const QSignalBlocker quiet(m_Ui->pasteAfterCopyCheck);
    m_Ui->pasteAfterCopyCheck->setChecked(on && supported);
    m_Ui->pasteAfterCopyCheck->setEnabled(supported);
    setNote(m_Ui->pasteNote,
            supported ? QString()
                      : tr("This desktop does not let one program type into another, as on "
                           "Wayland: an item you choose is only copied."),
            false);
}

void MWinPreferences::setCopyWithoutName(bool on)
{
    loadWindow();
    const QSignalBlocker quiet(m_Ui->copyWithoutNameCheck);
    m_Ui->copyWithoutNameCheck->setChecked(on);
}

void MWinPreferences::setCopyFormatting(bool on)
{
    loadWindow();
    const QSignalBlocker quiet(m_Ui->copyFormattingCheck);
    m_Ui->copyFormattingCheck->setChecked(on);
}

void MWinPreferences::setOrderByUse(bool on)
{
    loadWindow();
    const QSignalBlocker quiet(m_Ui->orderByUseCheck);
    m_Ui->orderByUseCheck->setChecked(on);
}

void MWinPreferences::setStartAtLogin(bool on, bool supported)
{
    loadWindow();
    const QSignalBlocker quiet(m_Ui->startAtLoginCheck);
    m_Ui->startAtLoginCheck->setChecked(on);
    m_Ui->startAtLoginCheck->setVisible(supported);
}

void MWinPreferences::setClientId(const QString &clientId)
{
    loadWindow();
    m_ClientId = clientId;
    const QSignalBlocker quiet(m_Ui->clientIdEdit);
    m_Ui->clientIdEdit->setText(clientId);
    checkClientId();
}

void MWinPreferences::checkClientId()
{
    const bool valid = Preferences::ClientIdFromText(m_Ui->clientIdEdit->text()).has_value();
    setNote(m_Ui->clientIdNote,
            valid ? QString()
                  : tr("Not a client id: it is written as 32 hexadecimal digits in five groups, "
                       "like 0a1b2c3d-4e5f-6a7b-8c9d-0e1f2a3b4c5d. It is not saved."),
            true);
}

void MWinPreferences::commitClientId()
{
    const std::optional<QString> clientId =
        Preferences::ClientIdFromText(m_Ui->clientIdEdit->text());
    if (!clientId || *clientId == m_ClientId)
        return;
    m_ClientId = *clientId;
    emit clientIdChosen(*clientId);
}

bool MWinPreferences::eventFilter(QObject *watched, QEvent *event)
{
    if (m_Ui && watched == m_Ui->shortcutEdit && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (key->key() == Qt::Key_Escape && modifiers == Qt::NoModifier) {
            reject();
            return true;
        }
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            (modifiers & ~Qt::ShiftModifier) == Qt::NoModifier) {
            focusNextPrevChild(key->key() == Qt::Key_Tab && modifiers == Qt::NoModifier);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void MWinPreferences::done(int result)
{
    // A client id typed but not yet left counts, as the window promises: changes
    // apply at once.
    if (m_Ui)
        commitClientId();
    QDialog::done(result);
}
