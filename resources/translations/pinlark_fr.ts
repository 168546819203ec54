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
    <name>AppDelegate</name>
    <message>
        <source>Show Pinlark</source>
        <translation>Afficher Pinlark</translation>
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
    <message>
        <source>Search results</source>
        <translation>Résultats de la recherche</translation>
    </message>
    <message>
        <source>The link on the clipboard is now plain text.</source>
        <translation>Le lien du presse-papiers est maintenant du texte brut.</translation>
    </message>
    <message>
        <source>The clipboard holds no link to convert.</source>
        <translation>Le presse-papiers ne contient aucun lien à convertir.</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
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
        <source>Pinlark could not add itself to the programs that start at login.</source>
        <translation>Pinlark n’a pas pu s’ajouter aux programmes lancés à l’ouverture de session.</translation>
    </message>
    <message>
        <source>Pinlark could not remove itself from the programs that start at login.</source>
        <translation>Pinlark n’a pas pu se retirer des programmes lancés à l’ouverture de session.</translation>
    </message>
    <message>
        <source>The system keyring did not answer, so Pinlark keeps your sign-in in its own settings file, readable only by you.</source>
        <translation>Le trousseau de clés du système n’a pas répondu&#xa0;; Pinlark conserve donc votre connexion dans son propre fichier de réglages, lisible par vous seul.</translation>
    </message>
    <message>
        <source>The service addresses in the settings file have changed, so the sign-in made with the old ones was removed. Please sign in again.</source>
        <translation>Les adresses des services ont changé dans le fichier de réglages&#xa0;: la connexion faite avec les anciennes a donc été supprimée. Veuillez vous reconnecter.</translation>
    </message>
    <message>
        <source>You are signed out. The service&apos;s sign-out page could not be shown, so that part was skipped.</source>
        <translation>Vous êtes déconnecté. La page de déconnexion du service n’a pas pu s’afficher&#xa0;; cette étape a donc été sautée.</translation>
    </message>
    <message>
        <source>Several lines: copied, paste it yourself</source>
        <translation>Plusieurs lignes : copiées, collez-les vous-même</translation>
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
        <source>Make a page titled Pinlark in any section of your notebook. Each level-1 heading (Heading 1) becomes a tab, and the paragraphs under it become the tab&apos;s items. Then choose Refresh.</source>
        <translation>Créez une page intitulée Pinlark dans n’importe quelle section de votre bloc-notes. Chaque titre de niveau 1 (Titre 1) devient un onglet, et les paragraphes qui le suivent deviennent les éléments de l’onglet. Choisissez ensuite Actualiser.</translation>
    </message>
    <message>
        <source>Your Pinlark page has no items yet</source>
        <translation>Votre page Pinlark n’a pas encore d’éléments</translation>
    </message>
    <message>
        <source>Under a level-1 heading, write an item: its first paragraph is the name shown in the list, and it is copied with the paragraphs that follow it. Two empty lines end an item.</source>
        <translation>Sous un titre de niveau 1, écrivez un élément&#xa0;: son premier paragraphe est le nom affiché dans la liste, et il est copié avec les paragraphes qui le suivent. Deux lignes vides terminent un élément.</translation>
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
        <source>Pinlark&apos;s settings file or cached page is larger than 64 MB, so Pinlark did not read it and left it as it is.</source>
        <translation>Le fichier de réglages ou la page en cache de Pinlark dépasse 64 Mo&#xa0;: Pinlark ne l’a pas lu et l’a laissé tel quel.</translation>
    </message>
    <message>
        <source>The settings file gives a service address that is not https: %1. Pinlark sends nothing until it is corrected.</source>
        <translation>Le fichier de réglages donne une adresse de service qui n’est pas en https&#xa0;: %1. Pinlark n’envoie rien tant qu’elle n’est pas corrigée.</translation>
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
        <source>%1, kept in the settings file: no system keyring answered</source>
        <translation>%1, conservée dans le fichier de réglages&#xa0;: aucun trousseau du système n’a répondu</translation>
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
</TS>
