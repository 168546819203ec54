<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name></name>
    <message id="strVersion">
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message id="strLogin">
        <source>Signed in</source>
        <translation>Sesión iniciada</translation>
    </message>
    <message id="strLogout">
        <source>Signed out</source>
        <translation>Sesión cerrada</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Show Pinlark</source>
        <translation>Mostrar Pinlark</translation>
    </message>
    <message>
        <source>Open Page in OneNote</source>
        <translation>Abrir la página en OneNote</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Convert Link on Clipboard to Text</source>
        <translation>Convertir el enlace del portapapeles en texto</translation>
    </message>
    <message>
        <source>Status…</source>
        <translation>Estado…</translation>
    </message>
    <message>
        <source>Sign In…</source>
        <translation>Iniciar sesión…</translation>
    </message>
    <message>
        <source>Sign Out…</source>
        <translation>Cerrar sesión…</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About Pinlark</source>
        <translation>Acerca de Pinlark</translation>
    </message>
    <message>
        <source>Quit Pinlark</source>
        <translation>Salir de Pinlark</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Resultados de la búsqueda</translation>
    </message>
    <message>
        <source>The link on the clipboard is now plain text.</source>
        <translation>El enlace del portapapeles ahora es texto sin formato.</translation>
    </message>
    <message>
        <source>The clipboard holds no link to convert.</source>
        <translation>El portapapeles no contiene ningún enlace que convertir.</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferencias…</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Iniciar al abrir la sesión</translation>
    </message>
    <message>
        <source>Pinlark could not add itself to the programs that start at login.</source>
        <translation>Pinlark no pudo añadirse a los programas que se inician al abrir la sesión.</translation>
    </message>
    <message>
        <source>Pinlark could not remove itself from the programs that start at login.</source>
        <translation>Pinlark no pudo quitarse de los programas que se inician al abrir la sesión.</translation>
    </message>
    <message>
        <source>The system keyring did not answer, so Pinlark keeps your sign-in in its own settings file, readable only by you.</source>
        <translation>El llavero del sistema no respondió, así que Pinlark guarda su sesión en su propio archivo de configuración, que solo usted puede leer.</translation>
    </message>
    <message>
        <source>The service addresses in the settings file have changed, so the sign-in made with the old ones was removed. Please sign in again.</source>
        <translation>Las direcciones de los servicios han cambiado en el archivo de ajustes, así que se ha eliminado el inicio de sesión hecho con las anteriores. Vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <source>You are signed out. The service&apos;s sign-out page could not be shown, so that part was skipped.</source>
        <translation>Ha cerrado la sesión. No se pudo mostrar la página de cierre de sesión del servicio, así que se omitió esa parte.</translation>
    </message>
    <message>
        <source>Several lines: copied, paste it yourself</source>
        <translation>Varias líneas: copiadas, péguelas usted mismo</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Text snippets from a OneNote page, one click away in the tray.
Settings, sign-in and the cached page are kept in %1.</source>
        <translation>Fragmentos de texto de una página de OneNote, a un clic en la bandeja del sistema.
La configuración, la sesión y la página en caché se guardan en %1.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
</context>
<context>
    <name>EmptyBoard</name>
    <message>
        <source>Sign In…</source>
        <translation>Iniciar sesión…</translation>
    </message>
    <message>
        <source>Open OneNote on the Web</source>
        <translation>Abrir OneNote en la web</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Opens the window where you sign in to your account.</source>
        <translation>Abre la ventana donde inicia sesión en su cuenta.</translation>
    </message>
    <message>
        <source>Opens your notebook in the web browser.</source>
        <translation>Abre su bloc de notas en el navegador web.</translation>
    </message>
    <message>
        <source>Looks for your Pinlark page again now.</source>
        <translation>Vuelve a buscar ahora su página Pinlark.</translation>
    </message>
    <message>
        <source>Sign in to see your snippets</source>
        <translation>Inicie sesión para ver sus fragmentos</translation>
    </message>
    <message>
        <source>Pinlark shows the snippets on the page titled Pinlark in your OneNote notebook. Sign in with your Microsoft account to load it.</source>
        <translation>Pinlark muestra los fragmentos de la página titulada Pinlark de su bloc de notas de OneNote. Inicie sesión con su cuenta de Microsoft para cargarla.</translation>
    </message>
    <message>
        <source>Looking for your Pinlark page…</source>
        <translation>Buscando su página Pinlark…</translation>
    </message>
    <message>
        <source>Pinlark is looking for a page titled Pinlark in your notebook. Its snippets appear here as soon as it is found.</source>
        <translation>Pinlark está buscando una página titulada Pinlark en su bloc de notas. Sus fragmentos aparecerán aquí en cuanto la encuentre.</translation>
    </message>
    <message>
        <source>No page titled Pinlark yet</source>
        <translation>Aún no hay ninguna página titulada Pinlark</translation>
    </message>
    <message>
        <source>Make a page titled Pinlark in any section of your notebook. Each level-1 heading (Heading 1) becomes a tab, and the paragraphs under it become the tab&apos;s items. Then choose Refresh.</source>
        <translation>Cree una página titulada Pinlark en cualquier sección de su bloc de notas. Cada título de nivel 1 (Título 1) se convierte en una pestaña, y los párrafos que hay debajo, en los elementos de la pestaña. Luego elija Actualizar.</translation>
    </message>
    <message>
        <source>Your Pinlark page has no items yet</source>
        <translation>Su página Pinlark aún no tiene elementos</translation>
    </message>
    <message>
        <source>Under a level-1 heading, write an item: its first paragraph is the name shown in the list, and it is copied with the paragraphs that follow it. Two empty lines end an item.</source>
        <translation>Debajo de un título de nivel 1, escriba un elemento: su primer párrafo es el nombre que aparece en la lista, y se copia junto con los párrafos que lo siguen. Dos líneas vacías terminan un elemento.</translation>
    </message>
</context>
<context>
    <name>MProblems</name>
    <message>
        <source>Pinlark could not save its files (is the disk full?). The previous files were kept.</source>
        <translation>Pinlark no pudo guardar sus archivos (¿está lleno el disco?). Se conservaron los archivos anteriores.</translation>
    </message>
    <message>
        <source>The last download of the Pinlark page could not be read. The board shows the page as it was before.</source>
        <translation>No se pudo leer la última descarga de la página Pinlark. El tablero muestra la página tal como estaba antes.</translation>
    </message>
    <message>
        <source>Your sign-in has expired or was revoked. Please sign in again.</source>
        <translation>Su sesión ha caducado o se ha revocado. Vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <source>The service does not accept Pinlark&apos;s account settings (ClientId). Check the settings file; Pinlark tries again when it changes.</source>
        <translation>El servicio no acepta la configuración de cuenta de Pinlark (ClientId). Revise el archivo de configuración; Pinlark lo volverá a intentar cuando cambie.</translation>
    </message>
    <message>
        <source>The sign-in window cannot open: its library or the browser engine (Qt WebEngine) is missing. Reinstalling Pinlark should bring it back.</source>
        <translation>La ventana de inicio de sesión no se puede abrir: falta su biblioteca o el motor del navegador (Qt WebEngine). Reinstalar Pinlark debería recuperarla.</translation>
    </message>
    <message>
        <source>Another program holds Pinlark&apos;s global shortcut, so it does not show the board. Choose another one in Preferences.</source>
        <translation>Otro programa ocupa el atajo global de Pinlark, así que este no muestra el tablero. Elija otro en Preferencias.</translation>
    </message>
    <message>
        <source>Pinlark&apos;s settings file or cached page is larger than 64 MB, so Pinlark did not read it and left it as it is.</source>
        <translation>El archivo de ajustes o la página en caché de Pinlark supera los 64 MB, así que Pinlark no lo ha leído y lo ha dejado como estaba.</translation>
    </message>
    <message>
        <source>The settings file gives a service address that is not https: %1. Pinlark sends nothing until it is corrected.</source>
        <translation>El archivo de ajustes indica una dirección de servicio que no es https: %1. Pinlark no envía nada hasta que se corrija.</translation>
    </message>
</context>
<context>
    <name>MTabViewColumn</name>
    <message>
        <source>Snippets</source>
        <translation>Fragmentos</translation>
    </message>
    <message>
        <source>Click a snippet, or choose it and press Enter, to copy it to the clipboard.</source>
        <translation>Haga clic en un fragmento, o selecciónelo y pulse Intro, para copiarlo al portapapeles.</translation>
    </message>
    <message>
        <source>Snippets in %1</source>
        <translation>Fragmentos de %1</translation>
    </message>
</context>
<context>
    <name>MWinAbout</name>
    <message>
        <source>About Pinlark</source>
        <translation>Acerca de Pinlark</translation>
    </message>
    <message>
        <source>Text snippets one click away, from a notebook page.</source>
        <translation>Fragmentos de texto a un clic, desde una página de su bloc de notas.</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>MWinLogin</name>
    <message>
        <source>Sign in – Pinlark</source>
        <translation>Iniciar sesión – Pinlark</translation>
    </message>
</context>
<context>
    <name>MWinPreferences</name>
    <message>
        <source>Pinlark Preferences</source>
        <translation>Preferencias de Pinlark</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>&amp;Global shortcut (shows the board from any program):</source>
        <translation>Atajo &amp;global (muestra el tablero desde cualquier programa):</translation>
    </message>
    <message>
        <source>Press the keys; Tab moves on, Escape closes the window.</source>
        <translation>Pulse las teclas; Tab pasa al siguiente campo, Esc cierra la ventana.</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Paste into the window I came from after a copy</source>
        <translation>&amp;Pegar en la ventana anterior después de copiar</translation>
    </message>
    <message>
        <source>Copy &amp;without the first line</source>
        <translation>Copiar &amp;sin la primera línea</translation>
    </message>
    <message>
        <source>For items written as a title over a body: the title line and the blank lines after it are left out of the copy.</source>
        <translation>Para elementos escritos como un título sobre un cuerpo: la línea del título y las líneas vacías que la siguen no se copian.</translation>
    </message>
    <message>
        <source>&amp;Start at login</source>
        <translation>&amp;Iniciar al abrir la sesión</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Application (&amp;client) ID:</source>
        <translation>Id. de aplicación (&amp;cliente):</translation>
    </message>
    <message>
        <source>Pinlark&apos;s own</source>
        <translation>El de Pinlark</translation>
    </message>
    <message>
        <source>To sign in through an application of your own, register one for personal Microsoft accounts under App registrations in the &lt;a href=&quot;https://entra.microsoft.com/#view/Microsoft_AAD_RegisteredApps/ApplicationsListBlade&quot;&gt;Microsoft Entra admin center&lt;/a&gt;, with the redirect address https://login.live.com/oauth20_desktop.srf, and enter its Application (client) ID here.</source>
        <translation>Para iniciar sesión mediante una aplicación propia, registre una para cuentas personales de Microsoft en «Registros de aplicaciones» del &lt;a href=&quot;https://entra.microsoft.com/#view/Microsoft_AAD_RegisteredApps/ApplicationsListBlade&quot;&gt;Centro de administración de Microsoft Entra&lt;/a&gt;, con la dirección de redirección https://login.live.com/oauth20_desktop.srf, e introduzca aquí su Id. de aplicación (cliente).</translation>
    </message>
    <message>
        <source>Waiting for the desktop to accept the shortcut…</source>
        <translation>Esperando a que el escritorio acepte el atajo…</translation>
    </message>
    <message>
        <source>Another program holds this shortcut. Choose another one.</source>
        <translation>Otro programa ocupa este atajo. Elija otro.</translation>
    </message>
    <message>
        <source>This cannot be a global shortcut: hold Ctrl, Alt or Super with a key.</source>
        <translation>Esto no puede ser un atajo global: mantenga pulsada Ctrl, Alt o Súper junto con una tecla.</translation>
    </message>
    <message>
        <source>This desktop does not offer global shortcuts to programs. Bind a shortcut to the command pinlark in the desktop&apos;s settings instead.</source>
        <translation>Este escritorio no ofrece atajos globales a los programas. En su lugar, asigne un atajo al comando pinlark en la configuración del escritorio.</translation>
    </message>
    <message>
        <source>Not a client id: it is written as 32 hexadecimal digits in five groups, like 0a1b2c3d-4e5f-6a7b-8c9d-0e1f2a3b4c5d. It is not saved.</source>
        <translation>No es un Id. de cliente: se escribe con 32 dígitos hexadecimales en cinco grupos, como 0a1b2c3d-4e5f-6a7b-8c9d-0e1f2a3b4c5d. No se guarda.</translation>
    </message>
    <message>
        <source>This desktop does not let one program type into another, as on Wayland: an item you choose is only copied.</source>
        <translation>Este escritorio no permite que un programa escriba en otro, como ocurre en Wayland: un elemento que elija solo se copia.</translation>
    </message>
</context>
<context>
    <name>MWinState</name>
    <message>
        <source>Status – Pinlark</source>
        <translation>Estado – Pinlark</translation>
    </message>
    <message>
        <source>Sign-in:</source>
        <translation>Sesión:</translation>
    </message>
    <message>
        <source>Last access:</source>
        <translation>Último acceso:</translation>
    </message>
    <message>
        <source>Last change:</source>
        <translation>Último cambio:</translation>
    </message>
    <message>
        <source>Last download:</source>
        <translation>Última descarga:</translation>
    </message>
    <message>
        <source>Problem:</source>
        <translation>Problema:</translation>
    </message>
    <message>
        <source>%1 (offline, retrying)</source>
        <translation>%1 (sin conexión, reintentando)</translation>
    </message>
    <message>
        <source>Kept in the system keyring</source>
        <translation>Guardada en el llavero del sistema</translation>
    </message>
    <message>
        <source>Kept in Pinlark&apos;s settings file, readable only by you</source>
        <translation>Guardada en el archivo de configuración de Pinlark, que solo usted puede leer</translation>
    </message>
    <message>
        <source>%1, kept in the settings file: no system keyring answered</source>
        <translation>%1, guardada en el archivo de ajustes: ningún llavero del sistema respondió</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Search all tabs</source>
        <translation>Buscar en todas las pestañas</translation>
    </message>
    <message>
        <source>Search snippets</source>
        <translation>Buscar fragmentos</translation>
    </message>
    <message>
        <source>Type to find snippets in every tab. Up and Down choose a match, Enter copies it, Escape clears the search.</source>
        <translation>Escriba para encontrar fragmentos en todas las pestañas. Arriba y Abajo eligen una coincidencia, Intro la copia y Esc borra la búsqueda.</translation>
    </message>
    <message>
        <source>Pinlark menu</source>
        <translation>Menú de Pinlark</translation>
    </message>
    <message>
        <source>Snippet board</source>
        <translation>Tablero de fragmentos</translation>
    </message>
    <message>
        <source>Loading the board page…</source>
        <translation>Cargando la página Pinlark…</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>Copiado al portapapeles</translation>
    </message>
    <message>
        <source>The snippet is on the clipboard, ready to paste.</source>
        <translation>El fragmento está en el portapapeles, listo para pegar.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;status&quot;&gt;Something needs your attention…&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;status&quot;&gt;Algo requiere su atención…&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>PortalGlobalShortcut</name>
    <message>
        <source>Show the Pinlark board</source>
        <translation>Mostrar el tablero de Pinlark</translation>
    </message>
</context>
</TS>
