#include "app/PreferencesController.h"

#include "app/DesktopIntegration.h"
#include "board/UseCounts.h"
#include "core/MGlobals.h"
#include "platform/GlobalShortcut.h"
#include "windows/MWinPreferences.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// What the Preferences window says under the shortcut, and whether it is a problem.
std::pair<QString, bool> shortcutNote(GlobalShortcut::State state)
{
    switch (state) {
    case GlobalShortcut::State::Off:
    case GlobalShortcut::State::Active:
        return {};
    case GlobalShortcut::State::Pending:
        return {QCoreApplication::translate("MWinPreferences",
                                            "Waiting for the desktop to accept the shortcut…"),
                false};
    case GlobalShortcut::State::Taken:
        return {QCoreApplication::translate(
                    "MWinPreferences", "Another program holds this shortcut. Choose another one."),
                true};
    case GlobalShortcut::State::Invalid:
        return {QCoreApplication::translate(
                    "MWinPreferences",
                    "This cannot be a global shortcut: hold Ctrl, Alt or Super with a key."),
                true};
    case GlobalShortcut::State::Unsupported:
        return {QCoreApplication::translate(
                    "MWinPreferences",
                    "This desktop does not offer global shortcuts to programs. Bind a shortcut "
                    "to the command pinlark in the desktop's settings instead."),
                false};
    }
    return {};
}

} // namespace

PreferencesController::PreferencesController(DesktopIntegration *desktop, QObject *parent)
    : QObject(parent), m_Desktop(desktop)
{}

PreferencesController::~PreferencesController() = default;

void PreferencesController::countUse(const MNameValue &item)
{
    // A count that cannot be saved only costs the order of close matches: no alarm.
    if (m_Values.orderByUse)
        useCounts().add(item);
}

UseCountOf PreferencesController::useCountOf()
{
    if (!m_Values.orderByUse || useCounts().isEmpty())
        return {};
    return [this](const MNameValue &item) { return m_UseCounts->count(item); };
}

UseCounts &PreferencesController::useCounts()
{
    if (!m_UseCounts) {
        m_UseCounts = std::make_unique<UseCounts>(
            QFileInfo(g_CacheFilePath.load()).dir().filePath(QStringLiteral("usecounts.json")));
        m_UseCounts->load();
    }
    return *m_UseCounts;
}

void PreferencesController::load()
{
    m_Values = Preferences::Read(g_ConfigFilePath.load());
    m_Desktop->startGlobalShortcut(m_Values.globalShortcut);
}

void PreferencesController::showWindow()
{
    constexpr bool kStartAtLoginSupported = DesktopIntegration::kStartAtLoginSupported;
    GlobalShortcut *shortcut = m_Desktop->globalShortcut();
    MWinPreferences window;
    window.setGlobalShortcut(shortcut->keys());
    const auto showState = [shortcut, &window] {
        const auto [note, problem] = shortcutNote(shortcut->state());
        window.setShortcutNote(note, problem);
    };
    showState();
    window.setPasteAfterCopy(m_Values.pasteAfterCopy, m_Desktop->paste()->supported());
    window.setCopyWithoutName(m_Values.copyWithoutName);
    window.setCopyFormatting(m_Values.copyFormatting);
    window.setOrderByUse(m_Values.orderByUse);
    window.setStartAtLogin(kStartAtLoginSupported && DesktopIntegration::startsAtLogin(),
                           kStartAtLoginSupported);
    window.setClientId(Preferences::StoredClientId(g_ConfigFilePath.load()));

    // A portal answers later: the window follows.
    connect(shortcut, &GlobalShortcut::stateChanged, &window, showState);
    connect(&window, &MWinPreferences::globalShortcutChosen, this,
            [this, shortcut, &window](const QKeySequence &keys) {
                const QString previous = m_Values.globalShortcut;
                m_Values.globalShortcut = keys.toString(QKeySequence::PortableText);
                m_Desktop->applyGlobalShortcut(m_Values.globalShortcut);
                if (shortcut->state() != GlobalShortcut::State::Invalid) {
                    Preferences::SaveGlobalShortcut(m_Values.globalShortcut);
                    return;
                }
                // No shortcut at all (a bare letter): the one before stays, in effect
                // and in the file, and the window says why.
                m_Values.globalShortcut = previous;
                m_Desktop->applyGlobalShortcut(previous);
                window.setGlobalShortcut(shortcut->keys());
                window.setShortcutNote(shortcutNote(GlobalShortcut::State::Invalid).first, true);
            });
    connect(&window, &MWinPreferences::pasteAfterCopyToggled, this, [this](bool on) {
        m_Values.pasteAfterCopy = on;
        Preferences::SavePasteAfterCopy(on);
    });
    connect(&window, &MWinPreferences::copyWithoutNameToggled, this, [this](bool on) {
        m_Values.copyWithoutName = on;
        emit copyOptionsChanged();
        Preferences::SaveCopyWithoutName(on);
    });
    connect(&window, &MWinPreferences::copyFormattingToggled, this, [this](bool on) {
        m_Values.copyFormatting = on;
        emit copyOptionsChanged();
        Preferences::SaveCopyFormatting(on);
    });
    connect(&window, &MWinPreferences::orderByUseToggled, this, [this](bool on) {
        m_Values.orderByUse = on;
        Preferences::SaveOrderByUse(on);
    });
    connect(&window, &MWinPreferences::startAtLoginToggled, this, [this, &window](bool on) {
        emit startAtLoginChosen(on);
        window.setStartAtLogin(DesktopIntegration::startsAtLogin(), kStartAtLoginSupported);
    });
    connect(&window, &MWinPreferences::clientIdChosen, this, [this](const QString &clientId) {
        // Taken up the way an edited settings file is: read again, and a rejected
        // id is tried once more.
        if (Preferences::SaveClientId(clientId))
            emit clientIdSaved();
    });
    window.showWindow();
}
