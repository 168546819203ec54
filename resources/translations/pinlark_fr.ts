<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name></name>
    <message id="strVersion">
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message id="strLogin">
        <source>Signed in</source>
        <translation>Connecté</translation>
    </message>
    <message id="strLogout">
        <source>Signed out</source>
        <translation>Déconnecté</translation>
    </message>
</context>
<context>
    <name>AnswerTexts</name>
    <message>
        <source>(The service said: %1)</source>
        <translation>(Le service a répondu : %1)</translation>
    </message>
    <message>
        <source>Check the client id in Preferences: it must belong to an app registration for personal Microsoft accounts, with the redirect address %1 for mobile and desktop applications.</source>
        <translation>Vérifiez l’ID client dans les Préférences : il doit appartenir à une inscription d’application pour les comptes Microsoft personnels, avec l’adresse de redirection %1 pour les applications mobiles et de bureau.</translation>
    </message>
    <message>
        <source>Pinlark refused a sign-in answer that did not belong to the sign-in it started, so nothing was signed in. Choose Sign In… to try again.</source>
        <translation>Pinlark a refusé une réponse de connexion qui n’appartenait pas à la connexion qu’il avait lancée : personne n’a été connecté. Choisissez « Se connecter… » pour réessayer.</translation>
    </message>
    <message>
        <source>The sign-in did not finish: the window was closed on the sign-in service&apos;s error page.</source>
        <translation>La connexion n’a pas abouti : la fenêtre a été fermée sur la page d’erreur du service de connexion.</translation>
    </message>
    <message>
        <source>Pinlark&apos;s client id may be the cause.</source>
        <translation>L’ID client de Pinlark en est peut-être la cause.</translation>
    </message>
    <message>
        <source>If the page named the application or the client, check the client id in Preferences; otherwise choose Sign In… to try again.</source>
        <translation>Si la page mentionnait l’application ou le client, vérifiez l’ID client dans les Préférences ; sinon choisissez « Se connecter… » pour réessayer.</translation>
    </message>
    <message>
        <source>You declined the access Pinlark asked for, so it is not signed in. Pinlark needs it to read the Pinlark page of your notebook and add to it: choose Sign In… and accept to use it.</source>
        <translation>Vous avez refusé l’accès demandé par Pinlark : il n’est donc pas connecté. Pinlark en a besoin pour lire la page Pinlark de votre bloc-notes et y ajouter des éléments : choisissez « Se connecter… » et acceptez pour l’utiliser.</translation>
    </message>
    <message>
        <source>The sign-in service does not accept Pinlark&apos;s client id.</source>
        <translation>Le service de connexion n’accepte pas l’ID client de Pinlark.</translation>
    </message>
    <message>
        <source>The sign-in service is having trouble. Choose Sign In… again in a few minutes.</source>
        <translation>Le service de connexion rencontre des difficultés. Choisissez de nouveau « Se connecter… » dans quelques minutes.</translation>
    </message>
    <message>
        <source>The sign-in service refused Pinlark&apos;s request. If you entered your own client id, check its app registration; then choose Sign In… to try again.</source>
        <translation>Le service de connexion a refusé la demande de Pinlark. Si vous avez saisi votre propre ID client, vérifiez son inscription d’application, puis choisissez « Se connecter… » pour réessayer.</translation>
    </message>
    <message>
        <source>Pinlark got no answer from the service (offline, or the answer was lost), so your Pinlark page may or may not have been created. Pinlark looks for it first, so choosing Create the Page again never makes a second one.</source>
        <translation>Pinlark n’a reçu aucune réponse du service (hors ligne, ou réponse perdue) : votre page Pinlark a peut-être été créée, peut-être pas. Pinlark la cherche d’abord, si bien que choisir de nouveau « Créer la page » n’en crée jamais une deuxième.</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>erreur %1</translation>
    </message>
    <message>
        <source>error %1: %2</source>
        <translation>erreur %1 : %2</translation>
    </message>
    <message>
        <source>The service did not let Pinlark create your Pinlark page (%1). Sign in again and accept the access Pinlark asks for, then choose Create the Page.</source>
        <translation>Le service n’a pas permis à Pinlark de créer votre page Pinlark (%1). Reconnectez-vous, acceptez l’accès demandé par Pinlark, puis choisissez « Créer la page ».</translation>
    </message>
    <message>
        <source>The service refused to create your Pinlark page (%1). Nothing was created; choose Create the Page to try again.</source>
        <translation>Le service a refusé de créer votre page Pinlark (%1). Rien n’a été créé ; choisissez « Créer la page » pour réessayer.</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>The link on the clipboard is now plain text.</source>
        <translation>Le lien du presse-papiers est maintenant du texte brut.</translation>
    </message>
    <message>
        <source>The clipboard holds no link to convert.</source>
        <translation>Le presse-papiers ne contient aucun lien à convertir.</translation>
    </message>
    <message>
        <source>You are signed out. The service&apos;s sign-out page could not be shown, so that part was skipped.</source>
        <translation>Vous êtes déconnecté. La page de déconnexion du service n’a pas pu s’afficher&#xa0;; cette étape a donc été sautée.</translation>
    </message>
</context>
<context>
    <name>BoardTabs</name>
    <message>
        <source>Search results</source>
        <translation>Résultats de la recherche</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Text snippets from a OneNote page, one click away in the tray.
Settings, sign-in and the cached page are kept in %1.</source>
        <translation>Des extraits de texte d’une page OneNote, à un clic dans la zone de notification.
Les réglages, la connexion et la page en cache sont conservés dans %1.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Show the running Pinlark&apos;s board, or hide it when shown; start Pinlark when none runs. Bind it to a key in the desktop&apos;s keyboard settings.</source>
        <translation>Affiche le tableau du Pinlark en cours, ou le masque s&apos;il est affiché&#xa0;; démarre Pinlark si aucun ne tourne. À associer à une touche dans les réglages du clavier du bureau.</translation>
    </message>
</context>
<context>
    <name>DesktopIntegration</name>
    <message>
        <source>Several lines: copied, paste it yourself</source>
        <translation>Plusieurs lignes&#xa0;: copiées, collez-les vous-même</translation>
    </message>
    <message>
        <source>Pinlark could not add itself to the programs that start at login.</source>
        <translation>Pinlark n’a pas pu s’ajouter aux programmes lancés à l’ouverture de session.</translation>
    </message>
    <message>
        <source>Pinlark could not remove itself from the programs that start at login.</source>
        <translation>Pinlark n’a pas pu se retirer des programmes lancés à l’ouverture de session.</translation>
    </message>
</context>
<context>
    <name>EmptyBoard</name>
    <message>
        <source>Sign In…</source>
        <translation>Se connecter…</translation>
    </message>
    <message>
        <source>Open OneNote on the Web</source>
        <translation>Ouvrir OneNote sur le Web</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Opens the window where you sign in to your account.</source>
        <translation>Ouvre la fenêtre où vous vous connectez à votre compte.</translation>
    </message>
    <message>
        <source>Opens your notebook in the web browser.</source>
        <translation>Ouvre votre bloc-notes dans le navigateur web.</translation>
    </message>
    <message>
        <source>Looks for your Pinlark page again now.</source>
        <translation>Cherche à nouveau votre page Pinlark, tout de suite.</translation>
    </message>
    <message>
        <source>Sign in to see your snippets</source>
        <translation>Connectez-vous pour voir vos extraits</translation>
    </message>
    <message>
        <source>Pinlark shows the snippets on the page titled Pinlark in your OneNote notebook. Sign in with your Microsoft account to load it.</source>
        <translation>Pinlark affiche les extraits de la page intitulée Pinlark dans votre bloc-notes OneNote. Connectez-vous avec votre compte Microsoft pour la charger.</translation>
    </message>
    <message>
        <source>Looking for your Pinlark page…</source>
        <translation>Recherche de votre page Pinlark…</translation>
    </message>
    <message>
        <source>Pinlark is looking for a page titled Pinlark in your notebook. Its snippets appear here as soon as it is found.</source>
        <translation>Pinlark cherche une page intitulée Pinlark dans votre bloc-notes. Ses extraits s’afficheront ici dès qu’elle sera trouvée.</translation>
    </message>
    <message>
        <source>No page titled Pinlark yet</source>
        <translation>Aucune page intitulée Pinlark pour l’instant</translation>
    </message>
    <message>
        <source>Your Pinlark page has no items yet</source>
        <translation>Votre page Pinlark n’a pas encore d’éléments</translation>
    </message>
    <message>
        <source>Under a level-1 heading, write an item: its first paragraph is the name shown in the list, and it is copied with the paragraphs that follow it. Two empty lines end an item.</source>
        <translation>Sous un titre de niveau 1, écrivez un élément&#xa0;: son premier paragraphe est le nom affiché dans la liste, et il est copié avec les paragraphes qui le suivent. Deux lignes vides terminent un élément.</translation>
    </message>
    <message>
        <source>Use This Client Id</source>
        <translation>Utiliser cet ID client</translation>
    </message>
    <message>
        <source>Open the Registration Page</source>
        <translation>Ouvrir la page d’inscription</translation>
    </message>
    <message>
        <source>Create the Page</source>
        <translation>Créer la page</translation>
    </message>
    <message>
        <source>Application (client) id</source>
        <translation>ID d’application (client)</translation>
    </message>
    <message>
        <source>Keeps the client id in the settings and opens the sign-in.</source>
        <translation>Enregistre l’ID client dans les réglages et ouvre la connexion.</translation>
    </message>
    <message>
        <source>Opens the page where you register an application with Microsoft, in the web browser.</source>
        <translation>Ouvre dans le navigateur la page où vous inscrivez une application auprès de Microsoft.</translation>
    </message>
    <message>
        <source>Creates a page titled Pinlark in your notebook, with a few starter snippets.</source>
        <translation>Crée dans votre bloc-notes une page intitulée Pinlark, avec quelques extraits pour commencer.</translation>
    </message>
    <message>
        <source>Paste the Application (client) ID of your app registration here.</source>
        <translation>Collez ici l’ID d’application (client) de votre inscription d’application.</translation>
    </message>
    <message>
        <source>This is not a client id: it has the form 0a1b2c3d-4e5f-6a7b-8c9d-0e1f2a3b4c5d.</source>
        <translation>Ce n’est pas un ID client : il a la forme 0a1b2c3d-4e5f-6a7b-8c9d-0e1f2a3b4c5d.</translation>
    </message>
    <message>
        <source>Pinlark needs a client id to sign in</source>
        <translation>Pinlark a besoin d’un ID client pour se connecter</translation>
    </message>
    <message>
        <source>Microsoft lets an app sign in to your notebook only under an application (client) id registered for it, and this copy of Pinlark has none built in. Registering one is free and takes a few minutes:
1. Open the registration page and sign in with your Microsoft account.
2. Choose New registration, give it any name, and pick an account type that includes personal Microsoft accounts.
3. Under Redirect URI, choose Public client/native (mobile and desktop) and enter %1
4. Register, copy the Application (client) ID and paste it here.</source>
        <translation>Microsoft ne laisse une application accéder à votre bloc-notes que sous un ID d’application (client) inscrit pour elle, et cette copie de Pinlark n’en contient aucun. L’inscription est gratuite et prend quelques minutes :
1. Ouvrez la page d’inscription et connectez-vous avec votre compte Microsoft.
2. Choisissez « Nouvelle inscription », un nom quelconque et un type de compte qui inclut les comptes Microsoft personnels.
3. Sous « URI de redirection », choisissez « Client public/natif (mobile et bureau) » et saisissez %1
4. Inscrivez l’application, copiez l’« ID d’application (client) » et collez-le ici.</translation>
    </message>
    <message>
        <source>Pinlark can create the page for you, in a section named Pinlark, with a few starter snippets that show how it works. Or make it yourself in any section: each level-1 heading (Heading 1) becomes a tab, and the paragraphs under it become the tab&apos;s items; then choose Refresh.</source>
        <translation>Pinlark peut créer la page pour vous, dans une section nommée Pinlark, avec quelques extraits pour commencer qui montrent son fonctionnement. Ou créez-la vous-même dans n’importe quelle section : chaque titre de niveau 1 (Titre 1) devient un onglet, et les paragraphes en dessous en deviennent les éléments ; choisissez ensuite « Actualiser ».</translation>
    </message>
    <message>
        <source>Creating your Pinlark page…</source>
        <translation>Création de votre page Pinlark…</translation>
    </message>
    <message>
        <source>Pinlark is making the page in your notebook. Its starter snippets appear here as soon as it is there.</source>
        <translation>Pinlark crée la page dans votre bloc-notes. Ses extraits de départ apparaissent ici dès qu’elle existe.</translation>
    </message>
</context>
<context>
    <name>ItemListModel</name>
    <message>
        <source>Close matches</source>
        <translation>Correspondances proches</translation>
    </message>
</context>
<context>
    <name>ItemPreview</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
</context>
<context>
    <name>MProblems</name>
    <message>
        <source>Pinlark could not save its files (is the disk full?). The previous files were kept.</source>
        <translation>Pinlark n’a pas pu enregistrer ses fichiers (le disque est-il plein&#xa0;?). Les fichiers précédents ont été conservés.</translation>
    </message>
    <message>
        <source>The last download of the Pinlark page could not be read. The board shows the page as it was before.</source>
        <translation>Le dernier téléchargement de la page Pinlark n’a pas pu être lu. Le tableau montre la page telle qu’elle était avant.</translation>
    </message>
    <message>
        <source>Your sign-in has expired or was revoked. Please sign in again.</source>
        <translation>Votre connexion a expiré ou a été révoquée. Veuillez vous reconnecter.</translation>
    </message>
    <message>
        <source>The service does not accept Pinlark&apos;s account settings (ClientId). Check the settings file; Pinlark tries again when it changes.</source>
        <translation>Le service n’accepte pas les réglages de compte de Pinlark (ClientId). Vérifiez le fichier de réglages&#xa0;; Pinlark réessaie dès qu’il change.</translation>
    </message>
    <message>
        <source>The sign-in window cannot open: its library or the browser engine (Qt WebEngine) is missing. Reinstalling Pinlark should bring it back.</source>
        <translation>La fenêtre de connexion ne peut pas s’ouvrir&#xa0;: sa bibliothèque ou le moteur de navigation (Qt WebEngine) est absent. Réinstaller Pinlark devrait la rétablir.</translation>
    </message>
    <message>
        <source>Another program holds Pinlark&apos;s global shortcut, so it does not show the board. Choose another one in Preferences.</source>
        <translation>Un autre programme utilise le raccourci global de Pinlark, qui n’affiche donc pas le tableau. Choisissez-en un autre dans les Préférences.</translation>
    </message>
    <message>
        <source>The sign-in did not finish.</source>
        <translation>La connexion n’a pas abouti.</translation>
    </message>
    <message>
        <source>A snippet could not be added to your Pinlark page. It is kept: the status window shows it.</source>
        <translation>Un extrait n’a pas pu être ajouté à votre page Pinlark. Il est conservé : la fenêtre d’état l’affiche.</translation>
    </message>
    <message>
        <source>Pinlark&apos;s settings file or cached page is larger than 64 MB, so Pinlark did not read it and left it as it is.</source>
        <translation>Le fichier de réglages ou la page en cache de Pinlark dépasse 64 Mo&#xa0;: Pinlark ne l’a pas lu et l’a laissé tel quel.</translation>
    </message>
    <message>
        <source>The settings file gives a service address that is not https: %1. Pinlark sends nothing until it is corrected.</source>
        <translation>Le fichier de réglages donne une adresse de service qui n’est pas en https&#xa0;: %1. Pinlark n’envoie rien tant qu’elle n’est pas corrigée.</translation>
    </message>
    <message>
        <source>Pinlark could not create your Pinlark page.</source>
        <translation>Pinlark n’a pas pu créer votre page Pinlark.</translation>
    </message>
</context>
<context>
    <name>MTabViewColumn</name>
    <message>
        <source>Snippets</source>
        <translation>Extraits</translation>
    </message>
    <message>
        <source>Click a snippet, or choose it and press Enter, to copy it to the clipboard.</source>
        <translation>Cliquez sur un extrait, ou choisissez-le et appuyez sur Entrée, pour le copier dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Snippets in %1</source>
        <translation>Extraits de %1</translation>
    </message>
</context>
<context>
    <name>MWinAbout</name>
    <message>
        <source>About Pinlark</source>
        <translation>À propos de Pinlark</translation>
    </message>
    <message>
        <source>Text snippets one click away, from a notebook page.</source>
        <translation>Des extraits de texte à un clic, depuis une page de bloc-notes.</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>MWinAddSnippet</name>
    <message>
        <source>Add Snippet</source>
        <translation>Ajouter un extrait</translation>
    </message>
    <message>
        <source>The first line is the name the board shows; the whole text is what a click copies.</source>
        <translation>La première ligne est le nom affiché sur le tableau ; le texte entier est ce qu’un clic copie.</translation>
    </message>
    <message>
        <source>Snippet text</source>
        <translation>Texte de l’extrait</translation>
    </message>
    <message>
        <source>Choose a tab or type a new name</source>
        <translation>Choisissez un onglet ou saisissez un nouveau nom</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Onglet</translation>
    </message>
    <message>
        <source>Add to Page</source>
        <translation>Ajouter à la page</translation>
    </message>
    <message>
        <source>Tab:</source>
        <translation>Onglet :</translation>
    </message>
    <message>
        <source>Type the snippet: its first line is its name.</source>
        <translation>Saisissez l’extrait : sa première ligne est son nom.</translation>
    </message>
    <message>
        <source>Shown on the board as: %1</source>
        <translation>Affiché sur le tableau comme : %1</translation>
    </message>
    <message>
        <source>A new tab named &quot;%1&quot; is added to the page.</source>
        <translation>Un nouvel onglet nommé « %1 » est ajouté à la page.</translation>
    </message>
</context>
<context>
    <name>MWinLogin</name>
    <message>
        <source>Sign in – Pinlark</source>
        <translation>Connexion – Pinlark</translation>
    </message>
</context>
<context>
    <name>MWinPreferences</name>
    <message>
        <source>Pinlark Preferences</source>
        <translation>Préférences de Pinlark</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>&amp;Global shortcut (shows the board from any program):</source>
        <translation>&amp;Raccourci global (affiche le tableau depuis n’importe quel programme)&#xa0;:</translation>
    </message>
    <message>
        <source>Press the keys; Tab moves on, Escape closes the window.</source>
        <translation>Appuyez sur les touches&#xa0;; Tab passe à la suite, Échap ferme la fenêtre.</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;Paste into the window I came from after a copy</source>
        <translation>Co&amp;ller dans la fenêtre d’origine après une copie</translation>
    </message>
    <message>
        <source>Copy &amp;without the first line</source>
        <translation>Copier &amp;sans la première ligne</translation>
    </message>
    <message>
        <source>For items written as a title over a body: the title line and the blank lines after it are left out of the copy.</source>
        <translation>Pour les éléments écrits comme un titre au-dessus d’un corps&#xa0;: la ligne de titre et les lignes vides qui la suivent ne sont pas copiées.</translation>
    </message>
    <message>
        <source>&amp;Start at login</source>
        <translation>&amp;Démarrer à l’ouverture de session</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Application (&amp;client) ID:</source>
        <translation>ID d’application (&amp;client)&#xa0;:</translation>
    </message>
    <message>
        <source>Pinlark&apos;s own</source>
        <translation>Celui de Pinlark</translation>
    </message>
    <message>
        <source>To sign in through an application of your own, register one for personal Microsoft accounts under App registrations in the &lt;a href=&quot;https://entra.microsoft.com/#view/Microsoft_AAD_RegisteredApps/ApplicationsListBlade&quot;&gt;Microsoft Entra admin center&lt;/a&gt;, with the redirect address https://login.live.com/oauth20_desktop.srf, and enter its Application (client) ID here.</source>
        <translation>Pour vous connecter par une application à vous, inscrivez-en une pour les comptes Microsoft personnels sous «&#xa0;Inscriptions d’applications&#xa0;» dans le &lt;a href=&quot;https://entra.microsoft.com/#view/Microsoft_AAD_RegisteredApps/ApplicationsListBlade&quot;&gt;Centre d’administration Microsoft Entra&lt;/a&gt;, avec l’adresse de redirection https://login.live.com/oauth20_desktop.srf, puis saisissez ici son ID d’application (client).</translation>
    </message>
    <message>
        <source>Waiting for the desktop to accept the shortcut…</source>
        <translation>En attente de l’accord du bureau pour le raccourci…</translation>
    </message>
    <message>
        <source>Another program holds this shortcut. Choose another one.</source>
        <translation>Un autre programme utilise ce raccourci. Choisissez-en un autre.</translation>
    </message>
    <message>
        <source>This cannot be a global shortcut: hold Ctrl, Alt or Super with a key.</source>
        <translation>Ceci ne peut pas être un raccourci global&#xa0;: maintenez Ctrl, Alt ou Super avec une touche.</translation>
    </message>
    <message>
        <source>This desktop does not offer global shortcuts to programs. Bind a shortcut to the command pinlark in the desktop&apos;s settings instead.</source>
        <translation>Ce bureau n’offre pas de raccourcis globaux aux programmes. Associez plutôt un raccourci à la commande pinlark dans les réglages du bureau.</translation>
    </message>
    <message>
        <source>Not a client id: it is written as 32 hexadecimal digits in five groups, like 0a1b2c3d-4e5f-6a7b-8c9d-0e1f2a3b4c5d. It is not saved.</source>
        <translation>Ce n’est pas un ID client&#xa0;: il s’écrit avec 32 chiffres hexadécimaux en cinq groupes, comme 0a1b2c3d-4e5f-6a7b-8c9d-0e1f2a3b4c5d. Il n’est pas enregistré.</translation>
    </message>
    <message>
        <source>This desktop does not let one program type into another, as on Wayland: an item you choose is only copied.</source>
        <translation>Ce bureau ne laisse pas un programme taper dans un autre, comme sous Wayland&#xa0;: un élément choisi est seulement copié.</translation>
    </message>
    <message>
        <source>Copy &amp;formatting (bold, links) for rich editors</source>
        <translation>Copier la &amp;mise en forme (gras, liens) pour les éditeurs riches</translation>
    </message>
    <message>
        <source>Items with formatting are copied as formatted text beside the plain text. Shift+Enter or Shift+click always copies plain text.</source>
        <translation>Les éléments mis en forme sont copiés en texte formaté à côté du texte brut. Maj+Entrée ou Maj+clic copie toujours du texte brut.</translation>
    </message>
    <message>
        <source>&amp;Order close matches by how often they were copied</source>
        <translation>&amp;Trier les correspondances proches selon la fréquence de copie</translation>
    </message>
    <message>
        <source>Counts are kept in a small file of Pinlark&apos;s data folder, never in your notebook. Matches of the text as typed keep the board&apos;s order.</source>
        <translation>Les comptes sont gardés dans un petit fichier du dossier de données de Pinlark, jamais dans votre bloc-notes. Les correspondances du texte tel que saisi gardent l’ordre du tableau.</translation>
    </message>
</context>
<context>
    <name>MWinState</name>
    <message>
        <source>Status – Pinlark</source>
        <translation>État – Pinlark</translation>
    </message>
    <message>
        <source>Sign-in:</source>
        <translation>Connexion&#xa0;:</translation>
    </message>
    <message>
        <source>Last access:</source>
        <translation>Dernier accès&#xa0;:</translation>
    </message>
    <message>
        <source>Last change:</source>
        <translation>Dernière modification&#xa0;:</translation>
    </message>
    <message>
        <source>Last download:</source>
        <translation>Dernier téléchargement&#xa0;:</translation>
    </message>
    <message>
        <source>Problem:</source>
        <translation>Problème&#xa0;:</translation>
    </message>
    <message>
        <source>%1 (offline, retrying)</source>
        <translation>%1 (hors ligne, nouvel essai en cours)</translation>
    </message>
    <message>
        <source>Kept in the system keyring</source>
        <translation>Conservée dans le trousseau de clés du système</translation>
    </message>
    <message>
        <source>Kept in Pinlark&apos;s settings file, readable only by you</source>
        <translation>Conservée dans le fichier de réglages de Pinlark, lisible par vous seul</translation>
    </message>
    <message>
        <source>Snippets to add:</source>
        <translation>Extraits à ajouter :</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in %2: waiting to be sent</source>
        <translation>« %1 » dans %2 : en attente d’envoi</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in %2: sent, checking that it arrived</source>
        <translation>« %1 » dans %2 : envoyé, vérification de son arrivée</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in %2: refused by the page, kept here and on the board</source>
        <translation>« %1 » dans %2 : refusé par la page, conservé ici et sur le tableau</translation>
    </message>
    <message>
        <source>%1, kept in the settings file: no system keyring answered</source>
        <translation>%1, conservée dans le fichier de réglages&#xa0;: aucun trousseau du système n’a répondu</translation>
    </message>
    <message>
        <source>Discard Refused Snippets</source>
        <translation>Abandonner les extraits refusés</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Search all tabs</source>
        <translation>Rechercher dans tous les onglets</translation>
    </message>
    <message>
        <source>Search snippets</source>
        <translation>Rechercher des extraits</translation>
    </message>
    <message>
        <source>Type to find snippets in every tab. Up and Down choose a match, Enter copies it, Escape clears the search.</source>
        <translation>Tapez pour trouver des extraits dans tous les onglets. Haut et Bas choisissent un résultat, Entrée le copie, Échap efface la recherche.</translation>
    </message>
    <message>
        <source>Pinlark menu</source>
        <translation>Menu de Pinlark</translation>
    </message>
    <message>
        <source>Snippet board</source>
        <translation>Tableau d’extraits</translation>
    </message>
    <message>
        <source>Loading the board page…</source>
        <translation>Chargement de la page Pinlark…</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>Copié dans le presse-papiers</translation>
    </message>
    <message>
        <source>The snippet is on the clipboard, ready to paste.</source>
        <translation>L’extrait est dans le presse-papiers, prêt à être collé.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;status&quot;&gt;Something needs your attention…&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;status&quot;&gt;Quelque chose demande votre attention…&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>PortalGlobalShortcut</name>
    <message>
        <source>Show the Pinlark board</source>
        <translation>Afficher le tableau Pinlark</translation>
    </message>
</context>
<context>
    <name>ProblemNotifier</name>
    <message>
        <source>The system keyring did not answer, so Pinlark keeps your sign-in in its own settings file, readable only by you.</source>
        <translation>Le trousseau de clés du système n’a pas répondu&#xa0;; Pinlark conserve donc votre connexion dans son propre fichier de réglages, lisible par vous seul.</translation>
    </message>
    <message>
        <source>The service addresses in the settings file have changed, so the sign-in made with the old ones was removed. Please sign in again.</source>
        <translation>Les adresses des services ont changé dans le fichier de réglages&#xa0;: la connexion faite avec les anciennes a donc été supprimée. Veuillez vous reconnecter.</translation>
    </message>
</context>
<context>
    <name>SnippetOutboxKeeper</name>
    <message>
        <source>The snippet is kept and goes to your page once you sign in.</source>
        <translation>L’extrait est conservé et ira sur votre page dès que vous vous connecterez.</translation>
    </message>
    <message>
        <source>%1 (not added)</source>
        <translation>%1 (non ajouté)</translation>
    </message>
    <message>
        <source>%1 (adding…)</source>
        <translation>%1 (ajout en cours…)</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>Snippets still waiting to be added to your page: %1.</source>
        <translation>Extraits en attente d’ajout à votre page : %1.</translation>
    </message>
    <message>
        <source>Send them first, and Pinlark signs out once they are on the page; or discard them. They never go to another account.</source>
        <translation>Envoyez-les d’abord, et Pinlark se déconnecte dès qu’ils sont sur la page ; ou abandonnez-les. Ils ne vont jamais vers un autre compte.</translation>
    </message>
    <message>
        <source>Send First</source>
        <translation>Envoyer d’abord</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
</context>
<context>
    <name>StarterPage</name>
    <message>
        <source>Start here</source>
        <translation>Pour commencer</translation>
    </message>
    <message>
        <source>Click an item to copy it</source>
        <translation>Cliquez sur un élément pour le copier</translation>
    </message>
    <message>
        <source>A click puts the whole item on the clipboard: its name (this first paragraph) and the paragraphs under it.</source>
        <translation>Un clic place tout l’élément dans le presse-papiers : son nom (ce premier paragraphe) et les paragraphes en dessous.</translation>
    </message>
    <message>
        <source>Each Heading 1 is a tab</source>
        <translation>Chaque Titre 1 est un onglet</translation>
    </message>
    <message>
        <source>Every level-1 heading on this page becomes a tab of the board, and the paragraphs under it become the tab&apos;s items.</source>
        <translation>Chaque titre de niveau 1 de cette page devient un onglet du tableau, et les paragraphes en dessous en deviennent les éléments.</translation>
    </message>
    <message>
        <source>Two blank lines end an item</source>
        <translation>Deux lignes vides terminent un élément</translation>
    </message>
    <message>
        <source>An item goes on over one blank line. After two blank lines the next paragraph starts a new item.</source>
        <translation>Un élément continue après une ligne vide. Après deux lignes vides, le paragraphe suivant commence un nouvel élément.</translation>
    </message>
    <message>
        <source>Edit this page in OneNote</source>
        <translation>Modifiez cette page dans OneNote</translation>
    </message>
    <message>
        <source>Change, delete or add items on this page in OneNote. The board follows within two minutes, or at once with Refresh.</source>
        <translation>Modifiez, supprimez ou ajoutez des éléments sur cette page dans OneNote. Le tableau suit en deux minutes, ou tout de suite avec « Actualiser ».</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Exemples</translation>
    </message>
    <message>
        <source>Thanks</source>
        <translation>Merci</translation>
    </message>
    <message>
        <source>Thank you for your message. I will get back to you soon.</source>
        <translation>Merci pour votre message. Je vous réponds très bientôt.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>1 Example Street</source>
        <translation>1 rue de l’Exemple</translation>
    </message>
    <message>
        <source>12345 Sample Town</source>
        <translation>12345 Villemodèle</translation>
    </message>
</context>
<context>
    <name>StatusItem</name>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Show Pinlark</source>
        <translation>Afficher Pinlark</translation>
    </message>
    <message>
        <source>Add Snippet…</source>
        <translation>Ajouter un extrait…</translation>
    </message>
    <message>
        <source>Open Page in OneNote</source>
        <translation>Ouvrir la page dans OneNote</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Convert Link on Clipboard to Text</source>
        <translation>Convertir le lien du presse-papiers en texte</translation>
    </message>
    <message>
        <source>Status…</source>
        <translation>État…</translation>
    </message>
    <message>
        <source>Sign In…</source>
        <translation>Se connecter…</translation>
    </message>
    <message>
        <source>Sign Out…</source>
        <translation>Se déconnecter…</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Préférences…</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Démarrer à l’ouverture de session</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About Pinlark</source>
        <translation>À propos de Pinlark</translation>
    </message>
    <message>
        <source>Quit Pinlark</source>
        <translation>Quitter Pinlark</translation>
    </message>
</context>
</TS>
