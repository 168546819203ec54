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
    <name>AnswerTexts</name>
    <message>
        <source>(The service said: %1)</source>
        <translation>(Der Dienst meldete: %1)</translation>
    </message>
    <message>
        <source>Check the client id in Preferences: it must belong to an app registration for personal Microsoft accounts, with the redirect address %1 for mobile and desktop applications.</source>
        <translation>Prüfen Sie die Client-ID in den Einstellungen: Sie muss zu einer App-Registrierung für persönliche Microsoft-Konten gehören, mit der Umleitungsadresse %1 für Mobil- und Desktopanwendungen.</translation>
    </message>
    <message>
        <source>Pinlark refused a sign-in answer that did not belong to the sign-in it started, so nothing was signed in. Choose Sign In… to try again.</source>
        <translation>Pinlark hat eine Anmeldeantwort abgelehnt, die nicht zu der von ihm begonnenen Anmeldung gehörte; es wurde niemand angemeldet. Wählen Sie „Anmelden…“, um es erneut zu versuchen.</translation>
    </message>
    <message>
        <source>The sign-in did not finish: the window was closed on the sign-in service&apos;s error page.</source>
        <translation>Die Anmeldung wurde nicht abgeschlossen: Das Fenster wurde auf der Fehlerseite des Anmeldedienstes geschlossen.</translation>
    </message>
    <message>
        <source>Pinlark&apos;s client id may be the cause.</source>
        <translation>Die Ursache kann die Client-ID von Pinlark sein.</translation>
    </message>
    <message>
        <source>If the page named the application or the client, check the client id in Preferences; otherwise choose Sign In… to try again.</source>
        <translation>Wenn die Seite die Anwendung oder den Client nannte, prüfen Sie die Client-ID in den Einstellungen; andernfalls wählen Sie „Anmelden…“, um es erneut zu versuchen.</translation>
    </message>
    <message>
        <source>You declined the access Pinlark asked for, so it is not signed in. Pinlark needs it to read the Pinlark page of your notebook and add to it: choose Sign In… and accept to use it.</source>
        <translation>Sie haben den Zugriff abgelehnt, um den Pinlark gebeten hat; daher ist Pinlark nicht angemeldet. Pinlark braucht ihn, um die Pinlark-Seite Ihres Notizbuchs zu lesen und zu ergänzen: Wählen Sie „Anmelden…“ und stimmen Sie zu, um Pinlark zu verwenden.</translation>
    </message>
    <message>
        <source>The sign-in service does not accept Pinlark&apos;s client id.</source>
        <translation>Der Anmeldedienst akzeptiert die Client-ID von Pinlark nicht.</translation>
    </message>
    <message>
        <source>The sign-in service is having trouble. Choose Sign In… again in a few minutes.</source>
        <translation>Der Anmeldedienst hat Probleme. Wählen Sie in einigen Minuten erneut „Anmelden…“.</translation>
    </message>
    <message>
        <source>The sign-in service refused Pinlark&apos;s request. If you entered your own client id, check its app registration; then choose Sign In… to try again.</source>
        <translation>Der Anmeldedienst hat die Anfrage von Pinlark abgelehnt. Wenn Sie eine eigene Client-ID eingetragen haben, prüfen Sie deren App-Registrierung; wählen Sie dann „Anmelden…“, um es erneut zu versuchen.</translation>
    </message>
    <message>
        <source>Pinlark got no answer from the service (offline, or the answer was lost), so your Pinlark page may or may not have been created. Pinlark looks for it first, so choosing Create the Page again never makes a second one.</source>
        <translation>Pinlark hat keine Antwort vom Dienst erhalten (offline, oder die Antwort ging verloren); Ihre Pinlark-Seite wurde daher vielleicht erstellt, vielleicht nicht. Pinlark sucht zuerst nach ihr, daher entsteht mit „Seite erstellen“ nie eine zweite.</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <source>error %1: %2</source>
        <translation>Fehler %1: %2</translation>
    </message>
    <message>
        <source>The service did not let Pinlark create your Pinlark page (%1). Sign in again and accept the access Pinlark asks for, then choose Create the Page.</source>
        <translation>Der Dienst hat Pinlark die Erstellung Ihrer Pinlark-Seite nicht erlaubt (%1). Melden Sie sich erneut an, stimmen Sie dem Zugriff zu, um den Pinlark bittet, und wählen Sie dann „Seite erstellen“.</translation>
    </message>
    <message>
        <source>The service refused to create your Pinlark page (%1). Nothing was created; choose Create the Page to try again.</source>
        <translation>Der Dienst hat die Erstellung Ihrer Pinlark-Seite abgelehnt (%1). Es wurde nichts erstellt; wählen Sie „Seite erstellen“, um es erneut zu versuchen.</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>The link on the clipboard is now plain text.</source>
        <translation>Der Link in der Zwischenablage ist jetzt einfacher Text.</translation>
    </message>
    <message>
        <source>The clipboard holds no link to convert.</source>
        <translation>Die Zwischenablage enthält keinen Link zum Umwandeln.</translation>
    </message>
    <message>
        <source>You are signed out. The service&apos;s sign-out page could not be shown, so that part was skipped.</source>
        <translation>Sie sind abgemeldet. Die Abmeldeseite des Dienstes konnte nicht angezeigt werden, dieser Teil wurde daher übersprungen.</translation>
    </message>
</context>
<context>
    <name>BoardTabs</name>
    <message>
        <source>Search results</source>
        <translation>Suchergebnisse</translation>
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
    <message>
        <source>Show the running Pinlark&apos;s board, or hide it when shown; start Pinlark when none runs. Bind it to a key in the desktop&apos;s keyboard settings.</source>
        <translation>Zeigt die Übersicht des laufenden Pinlark oder blendet sie aus, wenn sie zu sehen ist; startet Pinlark, wenn keines läuft. In den Tastatureinstellungen der Arbeitsumgebung an eine Taste binden.</translation>
    </message>
</context>
<context>
    <name>DesktopIntegration</name>
    <message>
        <source>Several lines: copied, paste it yourself</source>
        <translation>Mehrere Zeilen: kopiert, bitte selbst einfügen</translation>
    </message>
    <message>
        <source>Pinlark could not add itself to the programs that start at login.</source>
        <translation>Pinlark konnte sich nicht zu den Programmen hinzufügen, die beim Anmelden starten.</translation>
    </message>
    <message>
        <source>Pinlark could not remove itself from the programs that start at login.</source>
        <translation>Pinlark konnte sich nicht aus den Programmen entfernen, die beim Anmelden starten.</translation>
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
        <source>Your Pinlark page has no items yet</source>
        <translation>Ihre Pinlark-Seite hat noch keine Einträge</translation>
    </message>
    <message>
        <source>Under a level-1 heading, write an item: its first paragraph is the name shown in the list, and it is copied with the paragraphs that follow it. Two empty lines end an item.</source>
        <translation>Schreiben Sie unter eine Überschrift der ersten Ebene einen Eintrag: Sein erster Absatz ist der Name, der in der Liste steht, und kopiert wird er zusammen mit den Absätzen, die ihm folgen. Zwei leere Zeilen beenden einen Eintrag.</translation>
    </message>
    <message>
        <source>Use This Client Id</source>
        <translation>Diese Client-ID verwenden</translation>
    </message>
    <message>
        <source>Open the Registration Page</source>
        <translation>Registrierungsseite öffnen</translation>
    </message>
    <message>
        <source>Create the Page</source>
        <translation>Seite erstellen</translation>
    </message>
    <message>
        <source>Application (client) id</source>
        <translation>Anwendungs-ID (Client-ID)</translation>
    </message>
    <message>
        <source>Keeps the client id in the settings and opens the sign-in.</source>
        <translation>Speichert die Client-ID in den Einstellungen und öffnet die Anmeldung.</translation>
    </message>
    <message>
        <source>Opens the page where you register an application with Microsoft, in the web browser.</source>
        <translation>Öffnet im Webbrowser die Seite, auf der Sie eine Anwendung bei Microsoft registrieren.</translation>
    </message>
    <message>
        <source>Creates a page titled Pinlark in your notebook, with a few starter snippets.</source>
        <translation>Erstellt in Ihrem Notizbuch eine Seite mit dem Titel Pinlark, mit einigen ersten Textbausteinen.</translation>
    </message>
    <message>
        <source>Paste the Application (client) ID of your app registration here.</source>
        <translation>Fügen Sie hier die Anwendungs-ID (Client-ID) Ihrer App-Registrierung ein.</translation>
    </message>
    <message>
        <source>This is not a client id: it has the form 0a1b2c3d-4e5f-6a7b-8c9d-0e1f2a3b4c5d.</source>
        <translation>Das ist keine Client-ID: Sie hat die Form 0a1b2c3d-4e5f-6a7b-8c9d-0e1f2a3b4c5d.</translation>
    </message>
    <message>
        <source>Pinlark needs a client id to sign in</source>
        <translation>Pinlark braucht eine Client-ID zum Anmelden</translation>
    </message>
    <message>
        <source>Microsoft lets an app sign in to your notebook only under an application (client) id registered for it, and this copy of Pinlark has none built in. Registering one is free and takes a few minutes:
1. Open the registration page and sign in with your Microsoft account.
2. Choose New registration, give it any name, and pick an account type that includes personal Microsoft accounts.
3. Under Redirect URI, choose Public client/native (mobile and desktop) and enter %1
4. Register, copy the Application (client) ID and paste it here.</source>
        <translation>Microsoft lässt eine App nur unter einer für sie registrierten Anwendungs-ID (Client-ID) auf Ihr Notizbuch zugreifen, und in diese Kopie von Pinlark ist keine eingebaut. Die Registrierung ist kostenlos und dauert wenige Minuten:
1. Öffnen Sie die Registrierungsseite und melden Sie sich mit Ihrem Microsoft-Konto an.
2. Wählen Sie „Neue Registrierung“, einen beliebigen Namen und einen Kontotyp, der persönliche Microsoft-Konten einschließt.
3. Wählen Sie unter „Umleitungs-URI“ „Öffentlicher Client/nativ (mobil und Desktop)“ und geben Sie %1 ein
4. Registrieren Sie, kopieren Sie die „Anwendungs-ID (Client)“ und fügen Sie sie hier ein.</translation>
    </message>
    <message>
        <source>Pinlark can create the page for you, in a section named Pinlark, with a few starter snippets that show how it works. Or make it yourself in any section: each level-1 heading (Heading 1) becomes a tab, and the paragraphs under it become the tab&apos;s items; then choose Refresh.</source>
        <translation>Pinlark kann die Seite für Sie erstellen, in einem Abschnitt namens Pinlark, mit einigen ersten Textbausteinen, die zeigen, wie es funktioniert. Oder erstellen Sie sie selbst in einem beliebigen Abschnitt: Jede Überschrift der Ebene 1 (Überschrift 1) wird ein Reiter, die Absätze darunter werden seine Einträge; wählen Sie dann „Aktualisieren“.</translation>
    </message>
    <message>
        <source>Creating your Pinlark page…</source>
        <translation>Ihre Pinlark-Seite wird erstellt…</translation>
    </message>
    <message>
        <source>Pinlark is making the page in your notebook. Its starter snippets appear here as soon as it is there.</source>
        <translation>Pinlark erstellt die Seite in Ihrem Notizbuch. Ihre ersten Textbausteine erscheinen hier, sobald sie da ist.</translation>
    </message>
</context>
<context>
    <name>ItemListModel</name>
    <message>
        <source>Close matches</source>
        <translation>Ähnliche Treffer</translation>
    </message>
</context>
<context>
    <name>ItemPreview</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
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
        <source>The sign-in did not finish.</source>
        <translation>Die Anmeldung wurde nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>A snippet could not be added to your Pinlark page. It is kept: the status window shows it.</source>
        <translation>Ein Textbaustein konnte Ihrer Pinlark-Seite nicht hinzugefügt werden. Es bleibt erhalten: Das Statusfenster zeigt es.</translation>
    </message>
    <message>
        <source>Pinlark&apos;s settings file or cached page is larger than 64 MB, so Pinlark did not read it and left it as it is.</source>
        <translation>Die Einstellungsdatei oder die zwischengespeicherte Seite von Pinlark ist größer als 64 MB. Pinlark hat sie daher nicht gelesen und unverändert gelassen.</translation>
    </message>
    <message>
        <source>The settings file gives a service address that is not https: %1. Pinlark sends nothing until it is corrected.</source>
        <translation>Die Einstellungsdatei nennt eine Dienstadresse, die nicht https ist: %1. Pinlark sendet nichts, bis sie korrigiert ist.</translation>
    </message>
    <message>
        <source>Pinlark could not create your Pinlark page.</source>
        <translation>Pinlark konnte Ihre Pinlark-Seite nicht erstellen.</translation>
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
    <name>MWinAddSnippet</name>
    <message>
        <source>Add Snippet</source>
        <translation>Textbaustein hinzufügen</translation>
    </message>
    <message>
        <source>The first line is the name the board shows; the whole text is what a click copies.</source>
        <translation>Die erste Zeile ist der Name, den die Übersicht zeigt; der ganze Text ist, was ein Klick kopiert.</translation>
    </message>
    <message>
        <source>Snippet text</source>
        <translation>Text des Textbausteins</translation>
    </message>
    <message>
        <source>Choose a tab or type a new name</source>
        <translation>Tab wählen oder neuen Namen eingeben</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Add to Page</source>
        <translation>Zur Seite hinzufügen</translation>
    </message>
    <message>
        <source>Tab:</source>
        <translation>Tab:</translation>
    </message>
    <message>
        <source>Type the snippet: its first line is its name.</source>
        <translation>Geben Sie den Textbaustein ein: Seine erste Zeile ist sein Name.</translation>
    </message>
    <message>
        <source>Shown on the board as: %1</source>
        <translation>In der Übersicht angezeigt als: %1</translation>
    </message>
    <message>
        <source>A new tab named &quot;%1&quot; is added to the page.</source>
        <translation>Ein neuer Tab „%1“ wird der Seite hinzugefügt.</translation>
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
    <message>
        <source>Copy &amp;formatting (bold, links) for rich editors</source>
        <translation>Formatierung &amp;mitkopieren (fett, Links) für Textverarbeitungen</translation>
    </message>
    <message>
        <source>Items with formatting are copied as formatted text beside the plain text. Shift+Enter or Shift+click always copies plain text.</source>
        <translation>Einträge mit Formatierung werden als formatierter Text neben dem reinen Text kopiert. Umschalt+Eingabe oder Umschalt+Klick kopiert immer reinen Text.</translation>
    </message>
    <message>
        <source>&amp;Order close matches by how often they were copied</source>
        <translation>Ähnliche Treffer nach Häufigkeit des Kopierens &amp;ordnen</translation>
    </message>
    <message>
        <source>Counts are kept in a small file of Pinlark&apos;s data folder, never in your notebook. Matches of the text as typed keep the board&apos;s order.</source>
        <translation>Die Zählung steht in einer kleinen Datei im Datenordner von Pinlark, nie in Ihrem Notizbuch. Treffer des eingegebenen Textes behalten die Reihenfolge der Übersicht.</translation>
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
        <source>Snippets to add:</source>
        <translation>Hinzuzufügende Textbausteine:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in %2: waiting to be sent</source>
        <translation>„%1“ in %2: wartet auf das Senden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in %2: sent, checking that it arrived</source>
        <translation>„%1“ in %2: gesendet, Ankunft wird geprüft</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in %2: refused by the page, kept here and on the board</source>
        <translation>„%1“ in %2: von der Seite abgelehnt, hier und in der Übersicht aufbewahrt</translation>
    </message>
    <message>
        <source>%1, kept in the settings file: no system keyring answered</source>
        <translation>%1, in der Einstellungsdatei aufbewahrt: kein Schlüsselbund des Systems hat geantwortet</translation>
    </message>
    <message>
        <source>Discard Refused Snippets</source>
        <translation>Abgelehnte Textbausteine verwerfen</translation>
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
<context>
    <name>ProblemNotifier</name>
    <message>
        <source>The system keyring did not answer, so Pinlark keeps your sign-in in its own settings file, readable only by you.</source>
        <translation>Der Schlüsselbund des Systems hat nicht geantwortet, daher bewahrt Pinlark Ihre Anmeldung in seiner eigenen Einstellungsdatei auf, die nur Sie lesen können.</translation>
    </message>
    <message>
        <source>The service addresses in the settings file have changed, so the sign-in made with the old ones was removed. Please sign in again.</source>
        <translation>Die Dienstadressen in der Einstellungsdatei haben sich geändert, daher wurde die mit den alten Adressen gemachte Anmeldung entfernt. Bitte melden Sie sich erneut an.</translation>
    </message>
</context>
<context>
    <name>SnippetOutboxKeeper</name>
    <message>
        <source>The snippet is kept and goes to your page once you sign in.</source>
        <translation>Der Textbaustein ist gespeichert und kommt auf Ihre Seite, sobald Sie sich anmelden.</translation>
    </message>
    <message>
        <source>%1 (not added)</source>
        <translation>%1 (nicht hinzugefügt)</translation>
    </message>
    <message>
        <source>%1 (adding…)</source>
        <translation>%1 (wird hinzugefügt…)</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Snippets still waiting to be added to your page: %1.</source>
        <translation>Textbausteine, die noch auf Ihre Seite warten: %1.</translation>
    </message>
    <message>
        <source>Send them first, and Pinlark signs out once they are on the page; or discard them. They never go to another account.</source>
        <translation>Senden Sie sie zuerst, dann meldet sich Pinlark ab, sobald sie auf der Seite sind; oder verwerfen Sie sie. Sie gehen nie an ein anderes Konto.</translation>
    </message>
    <message>
        <source>Send First</source>
        <translation>Zuerst senden</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
</context>
<context>
    <name>StarterPage</name>
    <message>
        <source>Start here</source>
        <translation>Hier beginnen</translation>
    </message>
    <message>
        <source>Click an item to copy it</source>
        <translation>Klicken Sie auf einen Eintrag, um ihn zu kopieren</translation>
    </message>
    <message>
        <source>A click puts the whole item on the clipboard: its name (this first paragraph) and the paragraphs under it.</source>
        <translation>Ein Klick legt den ganzen Eintrag in die Zwischenablage: seinen Namen (diesen ersten Absatz) und die Absätze darunter.</translation>
    </message>
    <message>
        <source>Each Heading 1 is a tab</source>
        <translation>Jede Überschrift 1 ist ein Reiter</translation>
    </message>
    <message>
        <source>Every level-1 heading on this page becomes a tab of the board, and the paragraphs under it become the tab&apos;s items.</source>
        <translation>Jede Überschrift der Ebene 1 auf dieser Seite wird ein Reiter der Tafel, und die Absätze darunter werden die Einträge des Reiters.</translation>
    </message>
    <message>
        <source>Two blank lines end an item</source>
        <translation>Zwei Leerzeilen beenden einen Eintrag</translation>
    </message>
    <message>
        <source>An item goes on over one blank line. After two blank lines the next paragraph starts a new item.</source>
        <translation>Ein Eintrag geht über eine Leerzeile hinweg weiter. Nach zwei Leerzeilen beginnt der nächste Absatz einen neuen Eintrag.</translation>
    </message>
    <message>
        <source>Edit this page in OneNote</source>
        <translation>Diese Seite in OneNote bearbeiten</translation>
    </message>
    <message>
        <source>Change, delete or add items on this page in OneNote. The board follows within two minutes, or at once with Refresh.</source>
        <translation>Ändern, löschen oder ergänzen Sie Einträge auf dieser Seite in OneNote. Die Tafel folgt innerhalb von zwei Minuten, oder sofort mit „Aktualisieren“.</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Beispiele</translation>
    </message>
    <message>
        <source>Thanks</source>
        <translation>Danke</translation>
    </message>
    <message>
        <source>Thank you for your message. I will get back to you soon.</source>
        <translation>Vielen Dank für Ihre Nachricht. Ich melde mich bald bei Ihnen.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>1 Example Street</source>
        <translation>Beispielstraße 1</translation>
    </message>
    <message>
        <source>12345 Sample Town</source>
        <translation>12345 Musterstadt</translation>
    </message>
</context>
<context>
    <name>StatusItem</name>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Nicht verbunden</translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Show Pinlark</source>
        <translation>Pinlark anzeigen</translation>
    </message>
    <message>
        <source>Add Snippet…</source>
        <translation>Textbaustein hinzufügen…</translation>
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
        <source>Preferences…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Beim Anmelden starten</translation>
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
</context>
</TS>
