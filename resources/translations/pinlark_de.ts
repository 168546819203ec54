<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name></name>
    <message id="strVersion">
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message id="strLogin">
        <source>Signed in</source>
        <translation>Angemeldet</translation>
    </message>
    <message id="strLogout">
        <source>Signed out</source>
        <translation>Abgemeldet</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Show Pinlark</source>
        <translation>Pinlark anzeigen</translation>
    </message>
    <message>
        <source>Open Page in OneNote</source>
        <translation>Seite in OneNote öffnen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Convert Link on Clipboard to Text</source>
        <translation>Link in der Zwischenablage in Text umwandeln</translation>
    </message>
    <message>
        <source>Status…</source>
        <translation>Status…</translation>
    </message>
    <message>
        <source>Sign In…</source>
        <translation>Anmelden…</translation>
    </message>
    <message>
        <source>Sign Out…</source>
        <translation>Abmelden…</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About Pinlark</source>
        <translation>Über Pinlark</translation>
    </message>
    <message>
        <source>Quit Pinlark</source>
        <translation>Pinlark beenden</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Suchergebnisse</translation>
    </message>
    <message>
        <source>The link on the clipboard is now plain text.</source>
        <translation>Der Link in der Zwischenablage ist jetzt einfacher Text.</translation>
    </message>
    <message>
        <source>The clipboard holds no link to convert.</source>
        <translation>Die Zwischenablage enthält keinen Link zum Umwandeln.</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>Pinlark could not add itself to the programs that start at login.</source>
        <translation>Pinlark konnte sich nicht zu den Programmen hinzufügen, die beim Anmelden starten.</translation>
    </message>
    <message>
        <source>Pinlark could not remove itself from the programs that start at login.</source>
        <translation>Pinlark konnte sich nicht aus den Programmen entfernen, die beim Anmelden starten.</translation>
    </message>
    <message>
        <source>The system keyring did not answer, so Pinlark keeps your sign-in in its own settings file, readable only by you.</source>
        <translation>Der Schlüsselbund des Systems hat nicht geantwortet, daher bewahrt Pinlark Ihre Anmeldung in seiner eigenen Einstellungsdatei auf, die nur Sie lesen können.</translation>
    </message>
    <message>
        <source>The service addresses in the settings file have changed, so the sign-in made with the old ones was removed. Please sign in again.</source>
        <translation>Die Dienstadressen in der Einstellungsdatei haben sich geändert, daher wurde die mit den alten Adressen gemachte Anmeldung entfernt. Bitte melden Sie sich erneut an.</translation>
    </message>
    <message>
        <source>You are signed out. The service&apos;s sign-out page could not be shown, so that part was skipped.</source>
        <translation>Sie sind abgemeldet. Die Abmeldeseite des Dienstes konnte nicht angezeigt werden, dieser Teil wurde daher übersprungen.</translation>
    </message>
    <message>
        <source>Several lines: copied, paste it yourself</source>
        <translation>Mehrere Zeilen: kopiert, bitte selbst einfügen</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Text snippets from a OneNote page, one click away in the tray.
Settings, sign-in and the cached page are kept in %1.</source>
        <translation>Textbausteine von einer OneNote-Seite, einen Klick entfernt im Systembereich.
Einstellungen, Anmeldung und die zwischengespeicherte Seite liegen in %1.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
</context>
<context>
    <name>EmptyBoard</name>
    <message>
        <source>Sign In…</source>
        <translation>Anmelden…</translation>
    </message>
    <message>
        <source>Open OneNote on the Web</source>
        <translation>OneNote im Web öffnen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Opens the window where you sign in to your account.</source>
        <translation>Öffnet das Fenster, in dem Sie sich bei Ihrem Konto anmelden.</translation>
    </message>
    <message>
        <source>Opens your notebook in the web browser.</source>
        <translation>Öffnet Ihr Notizbuch im Webbrowser.</translation>
    </message>
    <message>
        <source>Looks for your Pinlark page again now.</source>
        <translation>Sucht jetzt erneut nach Ihrer Pinlark-Seite.</translation>
    </message>
    <message>
        <source>Sign in to see your snippets</source>
        <translation>Melden Sie sich an, um Ihre Textbausteine zu sehen</translation>
    </message>
    <message>
        <source>Pinlark shows the snippets on the page titled Pinlark in your OneNote notebook. Sign in with your Microsoft account to load it.</source>
        <translation>Pinlark zeigt die Textbausteine der Seite mit dem Titel Pinlark in Ihrem OneNote-Notizbuch. Melden Sie sich mit Ihrem Microsoft-Konto an, um sie zu laden.</translation>
    </message>
    <message>
        <source>Looking for your Pinlark page…</source>
        <translation>Ihre Pinlark-Seite wird gesucht…</translation>
    </message>
    <message>
        <source>Pinlark is looking for a page titled Pinlark in your notebook. Its snippets appear here as soon as it is found.</source>
        <translation>Pinlark sucht in Ihrem Notizbuch nach einer Seite mit dem Titel Pinlark. Ihre Textbausteine erscheinen hier, sobald sie gefunden ist.</translation>
    </message>
    <message>
        <source>No page titled Pinlark yet</source>
        <translation>Noch keine Seite mit dem Titel Pinlark</translation>
    </message>
    <message>
        <source>Make a page titled Pinlark in any section of your notebook. Each level-1 heading (Heading 1) becomes a tab, and the paragraphs under it become the tab&apos;s items. Then choose Refresh.</source>
        <translation>Legen Sie in einem beliebigen Abschnitt Ihres Notizbuchs eine Seite mit dem Titel Pinlark an. Jede Überschrift der ersten Ebene (Überschrift 1) wird zu einem Tab, die Absätze darunter werden zu seinen Einträgen. Wählen Sie dann Aktualisieren.</translation>
    </message>
    <message>
        <source>Your Pinlark page has no items yet</source>
        <translation>Ihre Pinlark-Seite hat noch keine Einträge</translation>
    </message>
    <message>
        <source>Under a level-1 heading, write an item: its first paragraph is the name shown in the list, and it is copied with the paragraphs that follow it. Two empty lines end an item.</source>
        <translation>Schreiben Sie unter eine Überschrift der ersten Ebene einen Eintrag: Sein erster Absatz ist der Name, der in der Liste steht, und kopiert wird er zusammen mit den Absätzen, die ihm folgen. Zwei leere Zeilen beenden einen Eintrag.</translation>
    </message>
</context>
<context>
    <name>MProblems</name>
    <message>
        <source>Pinlark could not save its files (is the disk full?). The previous files were kept.</source>
        <translation>Pinlark konnte seine Dateien nicht speichern (ist der Datenträger voll?). Die bisherigen Dateien wurden behalten.</translation>
    </message>
    <message>
        <source>The last download of the Pinlark page could not be read. The board shows the page as it was before.</source>
        <translation>Der letzte Download der Pinlark-Seite konnte nicht gelesen werden. Die Übersicht zeigt die Seite so, wie sie vorher war.</translation>
    </message>
    <message>
        <source>Your sign-in has expired or was revoked. Please sign in again.</source>
        <translation>Ihre Anmeldung ist abgelaufen oder wurde widerrufen. Bitte melden Sie sich erneut an.</translation>
    </message>
    <message>
        <source>The service does not accept Pinlark&apos;s account settings (ClientId). Check the settings file; Pinlark tries again when it changes.</source>
        <translation>Der Dienst akzeptiert die Kontoeinstellungen von Pinlark (ClientId) nicht. Prüfen Sie die Einstellungsdatei; Pinlark versucht es erneut, sobald sie sich ändert.</translation>
    </message>
    <message>
        <source>The sign-in window cannot open: its library or the browser engine (Qt WebEngine) is missing. Reinstalling Pinlark should bring it back.</source>
        <translation>Das Anmeldefenster kann nicht geöffnet werden: Seine Bibliothek oder die Browser-Engine (Qt WebEngine) fehlt. Eine Neuinstallation von Pinlark sollte es zurückbringen.</translation>
    </message>
    <message>
        <source>Another program holds Pinlark&apos;s global shortcut, so it does not show the board. Choose another one in Preferences.</source>
        <translation>Ein anderes Programm belegt das globale Tastenkürzel von Pinlark, daher öffnet das Kürzel die Übersicht nicht. Wählen Sie in den Einstellungen ein anderes.</translation>
    </message>
    <message>
        <source>Pinlark&apos;s settings file or cached page is larger than 64 MB, so Pinlark did not read it and left it as it is.</source>
        <translation>Die Einstellungsdatei oder die zwischengespeicherte Seite von Pinlark ist größer als 64 MB. Pinlark hat sie daher nicht gelesen und unverändert gelassen.</translation>
    </message>
    <message>
        <source>The settings file gives a service address that is not https: %1. Pinlark sends nothing until it is corrected.</source>
        <translation>Die Einstellungsdatei nennt eine Dienstadresse, die nicht https ist: %1. Pinlark sendet nichts, bis sie korrigiert ist.</translation>
    </message>
</context>
<context>
    <name>MTabViewColumn</name>
    <message>
        <source>Snippets</source>
        <translation>Textbausteine</translation>
    </message>
    <message>
        <source>Click a snippet, or choose it and press Enter, to copy it to the clipboard.</source>
        <translation>Klicken Sie auf einen Textbaustein oder wählen Sie ihn aus und drücken Sie die Eingabetaste, um ihn in die Zwischenablage zu kopieren.</translation>
    </message>
    <message>
        <source>Snippets in %1</source>
        <translation>Textbausteine in %1</translation>
    </message>
</context>
<context>
    <name>MWinAbout</name>
    <message>
        <source>About Pinlark</source>
        <translation>Über Pinlark</translation>
    </message>
    <message>
        <source>Text snippets one click away, from a notebook page.</source>
        <translation>Textbausteine aus einer Notizbuchseite, nur einen Klick entfernt.</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>MWinLogin</name>
    <message>
        <source>Sign in – Pinlark</source>
        <translation>Anmelden – Pinlark</translation>
    </message>
</context>
<context>
    <name>MWinPreferences</name>
    <message>
        <source>Pinlark Preferences</source>
        <translation>Pinlark-Einstellungen</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>&amp;Global shortcut (shows the board from any program):</source>
        <translation>&amp;Globales Tastenkürzel (zeigt die Übersicht aus jedem Programm):</translation>
    </message>
    <message>
        <source>Press the keys; Tab moves on, Escape closes the window.</source>
        <translation>Drücken Sie die Tasten; Tab geht weiter, Esc schließt das Fenster.</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>L&amp;eeren</translation>
    </message>
    <message>
        <source>&amp;Paste into the window I came from after a copy</source>
        <translation>Nach dem Kopieren in das vorherige Fenster ein&amp;fügen</translation>
    </message>
    <message>
        <source>Copy &amp;without the first line</source>
        <translation>Ohne die erste Zeile &amp;kopieren</translation>
    </message>
    <message>
        <source>For items written as a title over a body: the title line and the blank lines after it are left out of the copy.</source>
        <translation>Für Einträge mit einem Titel über dem Text: Die Titelzeile und die Leerzeilen danach werden nicht mitkopiert.</translation>
    </message>
    <message>
        <source>&amp;Start at login</source>
        <translation>Beim &amp;Anmelden starten</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Application (&amp;client) ID:</source>
        <translation>Anwendungs-ID (&amp;Client-ID):</translation>
    </message>
    <message>
        <source>Pinlark&apos;s own</source>
        <translation>Die von Pinlark</translation>
    </message>
    <message>
        <source>To sign in through an application of your own, register one for personal Microsoft accounts under App registrations in the &lt;a href=&quot;https://entra.microsoft.com/#view/Microsoft_AAD_RegisteredApps/ApplicationsListBlade&quot;&gt;Microsoft Entra admin center&lt;/a&gt;, with the redirect address https://login.live.com/oauth20_desktop.srf, and enter its Application (client) ID here.</source>
        <translation>Um sich über eine eigene Anwendung anzumelden, registrieren Sie eine für persönliche Microsoft-Konten unter „App-Registrierungen“ im &lt;a href=&quot;https://entra.microsoft.com/#view/Microsoft_AAD_RegisteredApps/ApplicationsListBlade&quot;&gt;Microsoft Entra Admin Center&lt;/a&gt;, mit der Umleitungsadresse https://login.live.com/oauth20_desktop.srf, und geben Sie hier ihre Anwendungs-ID (Client-ID) ein.</translation>
    </message>
    <message>
        <source>Waiting for the desktop to accept the shortcut…</source>
        <translation>Warten, bis die Arbeitsumgebung das Tastenkürzel annimmt…</translation>
    </message>
    <message>
        <source>Another program holds this shortcut. Choose another one.</source>
        <translation>Ein anderes Programm belegt dieses Tastenkürzel. Wählen Sie ein anderes.</translation>
    </message>
    <message>
        <source>This cannot be a global shortcut: hold Ctrl, Alt or Super with a key.</source>
        <translation>Das kann kein globales Tastenkürzel sein: Halten Sie Strg, Alt oder Super zusammen mit einer Taste.</translation>
    </message>
    <message>
        <source>This desktop does not offer global shortcuts to programs. Bind a shortcut to the command pinlark in the desktop&apos;s settings instead.</source>
        <translation>Diese Arbeitsumgebung bietet Programmen keine globalen Tastenkürzel an. Legen Sie stattdessen in ihren Einstellungen ein Tastenkürzel für den Befehl pinlark fest.</translation>
    </message>
    <message>
        <source>Not a client id: it is written as 32 hexadecimal digits in five groups, like 0a1b2c3d-4e5f-6a7b-8c9d-0e1f2a3b4c5d. It is not saved.</source>
        <translation>Keine Client-ID: Sie besteht aus 32 Hexadezimalziffern in fünf Gruppen, etwa 0a1b2c3d-4e5f-6a7b-8c9d-0e1f2a3b4c5d. Sie wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>This desktop does not let one program type into another, as on Wayland: an item you choose is only copied.</source>
        <translation>Diese Arbeitsumgebung lässt kein Programm in ein anderes tippen, wie unter Wayland: Ein gewählter Eintrag wird nur kopiert.</translation>
    </message>
</context>
<context>
    <name>MWinState</name>
    <message>
        <source>Status – Pinlark</source>
        <translation>Status – Pinlark</translation>
    </message>
    <message>
        <source>Sign-in:</source>
        <translation>Anmeldung:</translation>
    </message>
    <message>
        <source>Last access:</source>
        <translation>Letzter Zugriff:</translation>
    </message>
    <message>
        <source>Last change:</source>
        <translation>Letzte Änderung:</translation>
    </message>
    <message>
        <source>Last download:</source>
        <translation>Letzter Download:</translation>
    </message>
    <message>
        <source>Problem:</source>
        <translation>Problem:</translation>
    </message>
    <message>
        <source>%1 (offline, retrying)</source>
        <translation>%1 (offline, wird erneut versucht)</translation>
    </message>
    <message>
        <source>Kept in the system keyring</source>
        <translation>Im Schlüsselbund des Systems gespeichert</translation>
    </message>
    <message>
        <source>Kept in Pinlark&apos;s settings file, readable only by you</source>
        <translation>In der Einstellungsdatei von Pinlark gespeichert, die nur Sie lesen können</translation>
    </message>
    <message>
        <source>%1, kept in the settings file: no system keyring answered</source>
        <translation>%1, in der Einstellungsdatei aufbewahrt: kein Schlüsselbund des Systems hat geantwortet</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Search all tabs</source>
        <translation>Alle Tabs durchsuchen</translation>
    </message>
    <message>
        <source>Search snippets</source>
        <translation>Textbausteine suchen</translation>
    </message>
    <message>
        <source>Type to find snippets in every tab. Up and Down choose a match, Enter copies it, Escape clears the search.</source>
        <translation>Tippen Sie, um Textbausteine in allen Tabs zu finden. Pfeil nach oben und unten wählen einen Treffer, die Eingabetaste kopiert ihn, Esc leert die Suche.</translation>
    </message>
    <message>
        <source>Pinlark menu</source>
        <translation>Pinlark-Menü</translation>
    </message>
    <message>
        <source>Snippet board</source>
        <translation>Textbaustein-Übersicht</translation>
    </message>
    <message>
        <source>Loading the board page…</source>
        <translation>Die Pinlark-Seite wird geladen…</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>In die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>The snippet is on the clipboard, ready to paste.</source>
        <translation>Der Textbaustein liegt in der Zwischenablage und kann eingefügt werden.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;status&quot;&gt;Something needs your attention…&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;status&quot;&gt;Etwas braucht Ihre Aufmerksamkeit…&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>PortalGlobalShortcut</name>
    <message>
        <source>Show the Pinlark board</source>
        <translation>Die Pinlark-Übersicht anzeigen</translation>
    </message>
</context>
</TS>
