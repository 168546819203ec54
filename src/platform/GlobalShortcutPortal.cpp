// The global shortcut on Wayland, where no app may grab keys: the desktop portal's
// GlobalShortcuts interface. The app proposes a combination; the desktop may ask the
// user, or bind another. Each call answers through a Request object's Response
// signal, subscribed to before the call (its path follows from a token we choose).

#include "platform/GlobalShortcut.h"

#if PINLARK_HAVE_DBUS

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QHash>
#include <QRandomGenerator>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kShortcutId = QStringLiteral("show-board");

struct PortalShortcut
{
    QString id;
    QVariantMap options;
};
using PortalShortcuts = QList<PortalShortcut>;

QDBusArgument &operator<<(QDBusArgument &argument, const PortalShortcut &shortcut)
{
    argument.beginStructure();
    argument << shortcut.id << shortcut.options;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, PortalShortcut &shortcut)
{
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.options;
    argument.endStructure();
    return argument;
}

} // namespace

Q_DECLARE_METATYPE(PortalShortcut)

namespace {

// A key as the desktop portal names it in a trigger: its XKB keysym name, where
// Qt's portable text differs, since the desktop matches triggers against keysyms.
QString xkbKeyName(const QString &key)
{
    static const QHash<QString, QString> names{
        {QStringLiteral("Space"), QStringLiteral("space")},
        {QStringLiteral("Esc"), QStringLiteral("Escape")},
        {QStringLiteral("Backspace"), QStringLiteral("BackSpace")},
        {QStringLiteral("Del"), QStringLiteral("Delete")},
        {QStringLiteral("Ins"), QStringLiteral("Insert")},
        {QStringLiteral("Enter"), QStringLiteral("KP_Enter")},
        {QStringLiteral("PgUp"), QStringLiteral("Page_Up")},
        {QStringLiteral("PgDown"), QStringLiteral("Page_Down")},
        {QStringLiteral("+"), QStringLiteral("plus")},
        {QStringLiteral("-"), QStringLiteral("minus")},
        {QStringLiteral("="), QStringLiteral("equal")},
        {QStringLiteral(","), QStringLiteral("comma")},
        {QStringLiteral("."), QStringLiteral("period")},
        {QStringLiteral("/"), QStringLiteral("slash")},
        {QStringLiteral("\\"), QStringLiteral("backslash")},
        {QStringLiteral(";"), QStringLiteral("semicolon")},
        {QStringLiteral("'"), QStringLiteral("apostrophe")},
        {QStringLiteral("`"), QStringLiteral("grave")},
        {QStringLiteral("["), QStringLiteral("bracketleft")},
        {QStringLiteral("]"), QStringLiteral("bracketright")},
    };
    if (const auto named = names.constFind(key); named != names.cend())
        return *named;
    return key.size() == 1 ? key.toLower() : key;
}

// "Ctrl+Alt+V" as the portal's preferred_trigger is written, for the desktop to
// read it: "CTRL+ALT+v", the Super key as LOGO, keys by their XKB names.
QString preferredTrigger(const QKeySequence &keys)
{
    QString text = keys.toString(QKeySequence::PortableText);
    const qsizetype last = text.lastIndexOf(u'+', text.size() - 2);
    QString modifiers = last < 0 ? QString() : text.left(last + 1).toUpper();
    modifiers.replace(QStringLiteral("META+"), QStringLiteral("LOGO+"));
    return modifiers + xkbKeyName(last < 0 ? text : text.mid(last + 1));
}

class PortalGlobalShortcut final : public GlobalShortcut
{
    Q_OBJECT

public:
    explicit PortalGlobalShortcut(QObject *parent) : GlobalShortcut(parent)
    {
        qDBusRegisterMetaType<PortalShortcut>();
        qDBusRegisterMetaType<PortalShortcuts>();
        // The slot's types are looked up by name: an object path that this process has
        // not met yet would leave the first shortcut deaf to the portal.
        qRegisterMetaType<QDBusObjectPath>();
        QDBusConnection::sessionBus().connect(kService, kPath, kInterface,
                                              QStringLiteral("Activated"), this,
                                              SLOT(onActivated(QDBusObjectPath, QString)));
    }

protected:
    // A session's bindings last as long as the session: closing it lets go.
    void release() override
    {
        if (m_Session.isEmpty())
            return;
        QDBusConnection::sessionBus().asyncCall(QDBusMessage::createMethodCall(
            kService, m_Session, QStringLiteral("org.freedesktop.portal.Session"),
            QStringLiteral("Close")));
        m_Session.clear();
    }

    State take(QKeyCombination) override
    {
        createSession();
        return State::Pending;
    }

private:
    // The Request object a call with this token answers through.
    QString requestPath(const QString &token) const
    {
        QString sender = QDBusConnection::sessionBus().baseService().mid(1);
        sender.replace(u'.', u'_');
        return kPath + QStringLiteral("/request/") + sender + u'/' + token;
    }

    QString newToken() const
    {
        return QStringLiteral("pinlark") + QString::number(QRandomGenerator::global()->generate());
    }

    void call(const QString &method, const QVariantList &arguments, const QString &token,
              const char *onResponse)
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.connect(kService, requestPath(token), QStringLiteral("org.freedesktop.portal.Request"),
                    QStringLiteral("Response"), this, onResponse);
        QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
        message.setArguments(arguments);
        auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(message), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [this](QDBusPendingCallWatcher *w) {
                    w->deleteLater();
                    // No portal, or one without this interface: the desktop offers none.
                    if (w->isError())
                        setState(State::Unsupported);
                });
    }

    void createSession()
    {
        const QString token = newToken();
        call(QStringLiteral("CreateSession"),
             {QVariantMap{{QStringLiteral("handle_token"), token},
                          {QStringLiteral("session_handle_token"), newToken()}}},
             token, SLOT(onSessionCreated(uint, QVariantMap)));
    }

    void bind()
    {
        const QString token = newToken();
        const PortalShortcuts shortcuts{
            {kShortcutId,
             {{QStringLiteral("description"), tr("Show the Pinlark board")},
              {QStringLiteral("preferred_trigger"), preferredTrigger(m_Keys)}}}};
        call(QStringLiteral("BindShortcuts"),
             {QVariant::fromValue(QDBusObjectPath(m_Session)), QVariant::fromValue(shortcuts),
              QString(), QVariantMap{{QStringLiteral("handle_token"), token}}},
             token, SLOT(onBound(uint, QVariantMap)));
    }

private slots:
    void onSessionCreated(uint response, const QVariantMap &results)
    {
        // A string in the first versions of the interface, an object path later.
        const QVariant handle = results.value(QStringLiteral("session_handle"));
        m_Session = handle.canConvert<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path()
                                                         : handle.toString();
        if (response != 0 || m_Session.isEmpty()) {
            setState(State::Unsupported);
            return;
        }
        if (!m_Keys.isEmpty())
            bind();
    }

    void onBound(uint response, const QVariantMap &)
    {
        // 1: the user said no; 2: the desktop could not bind it.
        setState(response == 0 ? State::Active : State::Taken);
    }

    void onActivated(const QDBusObjectPath &session, const QString &id)
    {
        if (session.path() == m_Session && id == kShortcutId)
            emit activated();
    }

private:
    QString m_Session;
};

} // namespace

std::unique_ptr<GlobalShortcut> CreatePortalGlobalShortcut(QObject *parent)
{
    QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    if (!bus || !bus->isServiceRegistered(kService))
        return nullptr;
    return std::make_unique<PortalGlobalShortcut>(parent);
}

#include "GlobalShortcutPortal.moc"

#else

std::unique_ptr<GlobalShortcut> CreatePortalGlobalShortcut(QObject *)
{
    return nullptr;
}

#endif
