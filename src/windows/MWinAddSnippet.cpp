#include "windows/MWinAddSnippet.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

bool isSaveKey(const QKeyEvent *key)
{
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           (key->modifiers() & Qt::ControlModifier);
}

} // namespace

MWinAddSnippet::MWinAddSnippet(const QStringList &tabLabels, int currentTab, const QString &text,
                               QWidget *parent)
    : QDialog(parent), m_TabLabels(tabLabels)
{
    setObjectName(QStringLiteral("addSnippetWindow"));
    setWindowTitle(tr("Add Snippet"));

    auto *hint = new QLabel(tr("The first line is the name the board shows; the whole text is "
                               "what a click copies."),
                            this);
    hint->setWordWrap(true);

    m_Text = new QPlainTextEdit(this);
    m_Text->setObjectName(QStringLiteral("snippetText"));
    m_Text->setAccessibleName(tr("Snippet text"));
    m_Text->setTabChangesFocus(true);
    m_Text->setPlainText(text);
    m_Text->selectAll();
    m_Text->installEventFilter(this);

    m_Name = new QLabel(this);
    m_Name->setObjectName(QStringLiteral("snippetName"));
    m_Name->setTextFormat(Qt::PlainText);

    m_Tab = new QComboBox(this);
    m_Tab->setObjectName(QStringLiteral("snippetTab"));
    m_Tab->setEditable(true);
    m_Tab->setInsertPolicy(QComboBox::NoInsert);
    m_Tab->addItems(tabLabels);
    m_Tab->setCurrentIndex(currentTab >= 0 && currentTab < tabLabels.size() ? currentTab : -1);
    m_Tab->lineEdit()->setPlaceholderText(tr("Choose a tab or type a new name"));
    m_Tab->setAccessibleName(tr("Tab"));
    m_Tab->installEventFilter(this);
    m_Tab->lineEdit()->installEventFilter(this);

    m_NewTab = new QLabel(this);
    m_NewTab->setObjectName(QStringLiteral("snippetNewTab"));
    m_NewTab->setTextFormat(Qt::PlainText);

    m_Buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    QPushButton *saveButton = m_Buttons->button(QDialogButtonBox::Save);
    saveButton->setText(tr("Add to Page"));
    saveButton->setToolTip(
        QKeySequence(Qt::CTRL | Qt::Key_Return).toString(QKeySequence::NativeText));
    // Enter belongs to the text: only Ctrl+Enter saves.
    saveButton->setAutoDefault(false);
    saveButton->setDefault(false);
    m_Buttons->button(QDialogButtonBox::Cancel)->setAutoDefault(false);
    connect(m_Buttons, &QDialogButtonBox::accepted, this, &MWinAddSnippet::save);
    connect(m_Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // From anywhere in the window, the buttons included.
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | key), this);
        connect(shortcut, &QShortcut::activated, this, &MWinAddSnippet::save);
    }

    auto *tabRow = new QFormLayout;
    tabRow->addRow(tr("Tab:"), m_Tab);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(m_Text, 1);
    layout->addWidget(m_Name);
    layout->addLayout(tabRow);
    layout->addWidget(m_NewTab);
    layout->addWidget(m_Buttons);

    connect(m_Text, &QPlainTextEdit::textChanged, this, &MWinAddSnippet::updateState);
    connect(m_Tab, &QComboBox::currentTextChanged, this, &MWinAddSnippet::updateState);
    updateState();
    resize(480, 320);
    m_Text->setFocus();
}

QString MWinAddSnippet::text() const
{
    return m_Text->toPlainText();
}

QString MWinAddSnippet::tabLabel() const
{
    return m_Tab->currentText();
}

int MWinAddSnippet::tabIndex() const
{
    const QString label = tabLabel();
    // Of two tabs of one label, the one chosen from the list.
    if (const int chosen = m_Tab->currentIndex(); chosen >= 0 && m_Tab->itemText(chosen) == label)
        return chosen;
    return int(m_TabLabels.indexOf(label));
}

QString MWinAddSnippet::NameOf(const QString &text)
{
    for (const QString &line : text.split(u'\n')) {
        const QString name = line.trimmed();
        if (!name.isEmpty())
            return name;
    }
    return {};
}

bool MWinAddSnippet::eventFilter(QObject *watched, QEvent *event)
{
    // The text and the tab field take Ctrl+Enter as a line break or an entry of
    // their own before a shortcut sees it.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        if (isSaveKey(static_cast<QKeyEvent *>(event))) {
            if (event->type() == QEvent::KeyPress)
                save();
            event->accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void MWinAddSnippet::updateState()
{
    const QString name = NameOf(text());
    m_Name->setText(name.isEmpty() ? tr("Type the snippet: its first line is its name.")
                                   : tr("Shown on the board as: %1").arg(name));
    const QString label = tabLabel();
    const bool known = tabIndex() >= 0;
    m_NewTab->setText(known || label.trimmed().isEmpty()
                          ? QString()
                          : tr("A new tab named \"%1\" is added to the page.").arg(label));
    m_NewTab->setVisible(!m_NewTab->text().isEmpty());
    m_Buttons->button(QDialogButtonBox::Save)
        ->setEnabled(!name.isEmpty() && !label.trimmed().isEmpty());
}

void MWinAddSnippet::save()
{
    // Nothing to add yet: the window stays, with the reason on it.
    if (m_Saved || !m_Buttons->button(QDialogButtonBox::Save)->isEnabled())
        return;
    // Once: a key held down must not add the snippet twice.
    m_Saved = true;
    accept();
}
