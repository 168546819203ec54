// The Wayland global shortcut against a desktop portal of the test's own, served on
// a private session bus (run under dbus-run-session): what the client asks for, and
// how it takes each answer the portal may give.

#include "platform/GlobalShortcut.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kSession = QStringLiteral("/org/freedesktop/portal/desktop/session/1_1/pinlark");

// The portal's GlobalShortcuts interface as the documentation describes it: each
// call returns a Request handle at once and answers later through that Request's
// Response signal; a pressed shortcut is told through Activated.
class PortalStandIn : public QDBusVirtualObject
{
public:
    // -1 answers the call with a D-Bus error (a portal without the interface).
    int sessionResponse = 0;
    int bindResponse = 0;
    QStringList calls;
    QString boundId;
    QString boundTrigger;

    explicit PortalStandIn(QDBusConnection bus) : m_Bus(std::move(bus)) {}

    QString introspect(const QString &) const override { return {}; }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &) override
    {
        if (message.interface() != kInterface)
            return false;
        calls << message.member();
        const QVariantList arguments = message.arguments();
        QString token;
        uint response = 0;
        QVariantMap results;
        if (message.member() == u"CreateSession" && !arguments.isEmpty()) {
            token = qdbus_cast<QVariantMap>(arguments.at(0)).value(u"handle_token"_qs).toString();
            if (sessionResponse < 0)
                return m_Bus.send(message.createErrorReply(
                    QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod"), u"no"_qs));
            response = static_cast<uint>(sessionResponse);
            results.insert(u"session_handle"_qs, QVariant::fromValue(QDBusObjectPath(kSession)));
        } else if (message.member() == u"BindShortcuts" && arguments.size() == 4) {
            token = qdbus_cast<QVariantMap>(arguments.at(3)).value(u"handle_token"_qs).toString();
            const QDBusArgument shortcuts = arguments.at(1).value<QDBusArgument>();
            shortcuts.beginArray();
            while (!shortcuts.atEnd()) {
                QVariantMap options;
                shortcuts.beginStructure();
                shortcuts >> boundId >> options;
                shortcuts.endStructure();
                boundTrigger = options.value(u"preferred_trigger"_qs).toString();
            }
            shortcuts.endArray();
            response = static_cast<uint>(bindResponse);
        } else {
            return m_Bus.send(message.createErrorReply(
                QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"), u"?"_qs));
        }
        QString sender = message.service().mid(1);
        sender.replace(u'.', u'_');
        const QString request = kPath + u"/request/" + sender + u'/' + token;
        m_Bus.send(message.createReply(QVariant::fromValue(QDBusObjectPath(request))));
        // The answer comes after the call has returned, as from a real portal.
        QTimer::singleShot(0, [bus = m_Bus, request, response, results]() mutable {
            QDBusMessage answer = QDBusMessage::createSignal(
                request, QStringLiteral("org.freedesktop.portal.Request"), u"Response"_qs);
            answer << response << results;
            bus.send(answer);
        });
        return true;
    }

    void press(const QString &session, const QString &id)
    {
        QDBusMessage signal = QDBusMessage::createSignal(kPath, kInterface, u"Activated"_qs);
        signal << QVariant::fromValue(QDBusObjectPath(session)) << id
               << QVariant::fromValue(qulonglong(0)) << QVariantMap();
        m_Bus.send(signal);
    }

private:
    QDBusConnection m_Bus;
};

} // namespace

class TestPortalShortcut : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void answers_data();
    void answers();
    void trigger_data();
    void trigger();
    void noPortalLeavesItOff();

private:
    // The portal on a connection of its own, as another process would serve it.
    std::unique_ptr<PortalStandIn> serve();
    void stop();
};

void TestPortalShortcut::initTestCase()
{
    if (!QDBusConnection::sessionBus().isConnected())
        QSKIP("No session bus: run under dbus-run-session");
}

std::unique_ptr<PortalStandIn> TestPortalShortcut::serve()
{
    QDBusConnection bus =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("portal"));
    auto portal = std::make_unique<PortalStandIn>(bus);
    if (!bus.registerVirtualObject(kPath, portal.get()) || !bus.registerService(kService))
        return nullptr;
    return portal;
}

void TestPortalShortcut::stop()
{
    QDBusConnection bus(QStringLiteral("portal"));
    bus.unregisterService(kService);
    bus.unregisterObject(kPath);
    QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
}

void TestPortalShortcut::answers_data()
{
    QTest::addColumn<int>("sessionResponse");
    QTest::addColumn<int>("bindResponse");
    QTest::addColumn<GlobalShortcut::State>("state");
    QTest::newRow("bound") << 0 << 0 << GlobalShortcut::State::Active;
    QTest::newRow("the user says no: taken, as on X11") << 0 << 1 << GlobalShortcut::State::Taken;
    QTest::newRow("the desktop cannot bind it: taken") << 0 << 2 << GlobalShortcut::State::Taken;
    QTest::newRow("no session") << 1 << 0 << GlobalShortcut::State::Unsupported;
    QTest::newRow("a portal without the interface")
        << -1 << 0 << GlobalShortcut::State::Unsupported;
}

void TestPortalShortcut::answers()
{
    QFETCH(int, sessionResponse);
    QFETCH(int, bindResponse);
    QFETCH(GlobalShortcut::State, state);
    const std::unique_ptr<PortalStandIn> portal = serve();
    QVERIFY(portal);
    portal->sessionResponse = sessionResponse;
    portal->bindResponse = bindResponse;

    std::unique_ptr<GlobalShortcut> shortcut = CreatePortalGlobalShortcut(nullptr);
    QVERIFY(shortcut);
    QSignalSpy activated(shortcut.get(), &GlobalShortcut::activated);
    shortcut->setKeys(QKeySequence(QStringLiteral("Ctrl+Alt+V")));
    QCOMPARE(shortcut->state(), GlobalShortcut::State::Pending);
    QTRY_COMPARE(shortcut->state(), state);
    if (state == GlobalShortcut::State::Active) {
        QCOMPARE(portal->calls, (QStringList{u"CreateSession"_qs, u"BindShortcuts"_qs}));
        QCOMPARE(portal->boundId, u"show-board");
        QCOMPARE(portal->boundTrigger, u"CTRL+ALT+v");
        // Another app's shortcut, or another session's, is not ours.
        portal->press(kSession, u"other"_qs);
        portal->press(kSession + u'2', u"show-board"_qs);
        portal->press(kSession, u"show-board"_qs);
        QTRY_COMPARE(activated.count(), 1);
        QTest::qWait(50);
        QCOMPARE(activated.count(), 1);
    }
    shortcut.reset();
    stop();
}

void TestPortalShortcut::trigger_data()
{
    // The portal reads triggers in its own notation: modifiers in capitals (LOGO for
    // the Super key), the key by its XKB name.
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("trigger");
    QTest::newRow("letter") << "Ctrl+Alt+V"
                            << "CTRL+ALT+v";
    QTest::newRow("Super and Shift") << "Meta+Shift+K"
                                     << "LOGO+SHIFT+k";
    QTest::newRow("function key") << "Ctrl+F5"
                                  << "CTRL+F5";
    QTest::newRow("space") << "Ctrl+Space"
                           << "CTRL+space";
    QTest::newRow("page down") << "Alt+PgDown"
                               << "ALT+Page_Down";
    QTest::newRow("punctuation") << "Ctrl+,"
                                 << "CTRL+comma";
    QTest::newRow("plus") << "Ctrl++"
                          << "CTRL+plus";
}

void TestPortalShortcut::trigger()
{
    QFETCH(QString, keys);
    const std::unique_ptr<PortalStandIn> portal = serve();
    QVERIFY(portal);
    std::unique_ptr<GlobalShortcut> shortcut = CreatePortalGlobalShortcut(nullptr);
    QVERIFY(shortcut);
    shortcut->setKeys(QKeySequence::fromString(keys, QKeySequence::PortableText));
    QTRY_COMPARE(shortcut->state(), GlobalShortcut::State::Active);
    QTEST(portal->boundTrigger, "trigger");
    shortcut.reset();
    stop();
}

void TestPortalShortcut::noPortalLeavesItOff()
{
    // Without a portal there is no backend to make: the app goes on without one.
    QVERIFY(!QDBusConnection::sessionBus().interface()->isServiceRegistered(kService));
    QVERIFY(!CreatePortalGlobalShortcut(nullptr));
    const std::unique_ptr<GlobalShortcut> fallback = GlobalShortcut::Create();
    QVERIFY(fallback);
    fallback->setKeys(QKeySequence(QStringLiteral("Ctrl+Alt+V")));
    QVERIFY(fallback->state() != GlobalShortcut::State::Pending);
}

QTEST_MAIN(TestPortalShortcut)
#include "tst_portalshortcut.moc"
